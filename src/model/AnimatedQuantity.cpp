#include "model/AnimatedQuantity.h"

#include "model/Flow.h"
#include "model/StrainData.h"

namespace {

enum class Kind { Strain, Translation, Time };

Kind kind(const StrainData& m) {
    if (m.animationField() == kTimeAnimationField) return Kind::Time;
    return m.animationField() > 9 ? Kind::Translation : Kind::Strain;
}

} // namespace

float animatedValue(const StrainData& m) {
    switch (kind(m)) {
    case Kind::Time:
        return m.time();
    case Kind::Translation:
        return m.translation(m.animatedIndex());
    default:
        return m.strainEntry(m.animatedIndex());
    }
}

float animatedMin(const StrainData& m) {
    switch (kind(m)) {
    case Kind::Time:
        return m.timeMin();
    case Kind::Translation:
        return m.translationMin(m.animatedIndex());
    default:
        return m.strainMin(m.animatedIndex());
    }
}

float animatedMax(const StrainData& m) {
    switch (kind(m)) {
    case Kind::Time:
        return m.timeMax();
    case Kind::Translation:
        return m.translationMax(m.animatedIndex());
    default:
        return m.strainMax(m.animatedIndex());
    }
}

void setAnimatedValue(StrainData& m, float value) {
    switch (kind(m)) {
    case Kind::Time:
        flowToTime(m, value);
        break;
    case Kind::Translation:
        m.setTranslation(m.animatedIndex(), value);
        break;
    default:
        m.setStrain(m.animatedIndex(), value);
    }
}

void setAnimatedMin(StrainData& m, float value) {
    switch (kind(m)) {
    case Kind::Time:
        m.setTimeMin(value);
        break;
    case Kind::Translation:
        m.setTranslationMin(m.animatedIndex(), value);
        break;
    default:
        m.setStrainMin(m.animatedIndex(), value);
    }
}

void setAnimatedMax(StrainData& m, float value) {
    switch (kind(m)) {
    case Kind::Time:
        m.setTimeMax(value);
        break;
    case Kind::Translation:
        m.setTranslationMax(m.animatedIndex(), value);
        break;
    default:
        m.setStrainMax(m.animatedIndex(), value);
    }
}
