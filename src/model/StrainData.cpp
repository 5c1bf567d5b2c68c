#include "model/StrainData.h"

#include "model/DocumentValues.h"
#include "model/StrainNotifications.h"
#include "platform/NotificationCenter.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kTranslationNotifications[3] = {
    QuorvelXChangedNotification, QuorvelYChangedNotification, QuorvelZChangedNotification};

constexpr std::string_view kLightNotifications[3] = {QuorvelLightXChangedNotification,
                                                     QuorvelLightYChangedNotification,
                                                     QuorvelLightZChangedNotification};

constexpr std::string_view kShowPointNotifications[3] = {QuorvelShowPoint1ChangedNotification,
                                                         QuorvelShowPoint2ChangedNotification,
                                                         QuorvelShowPoint3ChangedNotification};

constexpr std::string_view kPointNotifications[3][3] = {
    {QuorvelPoint1XChangedNotification, QuorvelPoint1YChangedNotification,
     QuorvelPoint1ZChangedNotification},
    {QuorvelPoint2XChangedNotification, QuorvelPoint2YChangedNotification,
     QuorvelPoint2ZChangedNotification},
    {QuorvelPoint3XChangedNotification, QuorvelPoint3YChangedNotification,
     QuorvelPoint3ZChangedNotification}};

constexpr std::string_view kSetPointNotifications[3] = {QuorvelSetPoint1ChangedNotification,
                                                        QuorvelSetPoint2ChangedNotification,
                                                        QuorvelSetPoint3ChangedNotification};

bool isComponentIndex(int index) { return index >= 0 && index < 3; }
bool isEntryIndex(int index) { return index >= 0 && index < 16; }

template <std::size_t N> bool allFinite(const std::array<float, N>& values) {
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

StrainData::StrainData(UndoManager* undoManager) : undoManager_(undoManager) {
    if (undoManager_)
        undoManager_->disableUndoRegistration();
    // The homogeneous corners, which no file stores.
    strain_[MatrixIndex(3, 3)] = savedStrain_[MatrixIndex(3, 3)] = 1.0f;
    for (const DocumentValue& value : documentValues())
        value.set(*this, value.initial);
    if (undoManager_)
        undoManager_->enableUndoRegistration();
}

template <class Inverse> void StrainData::registerUndo(Inverse inverse) {
    if (undoManager_)
        undoManager_->registerUndo(std::move(inverse));
}

void StrainData::post(std::string_view name) const {
    NotificationCenter::defaultCenter().postNotificationName(name, this);
}

void StrainData::setStrain(int index, float value) {
    if (!isEntryIndex(index))
        return;
    const float old = strain_[index];
    Matrix4 strain = strain_;

    const int row = MatrixRow(index), column = MatrixColumn(index);
    // Only the 3x3 block makes the volume.
    if (preserveVolume_ && row < 3 && column < 3 && old != 0.0f && value != 0.0f) {
        int compensating = -1;
        if (constraint_ == (row + 1) % 3)
            compensating = (row + 2) % 3;
        else if (constraint_ == (row + 2) % 3)
            compensating = (row + 1) % 3;
        for (int c = 0; compensating >= 0 && c < 3; ++c)
            strain[MatrixIndex(compensating, c)] *= old / value;
        // The compensating row never holds the edited entry, so this is still
        // new / old: together with the store below it scales the whole row.
        const float k2 = value / strain[index];
        for (int c = 0; c < 3; ++c)
            if (c != column)
                strain[MatrixIndex(row, c)] *= k2;
    }
    strain[index] = value;

    if (allFinite(strain)) {
        registerUndo([this, index, old] { setStrain(index, old); });
        strain_ = strain;
    }
    post(QuorvelStrainChangedNotification);
}

void StrainData::setSavedStrain(int index, float value) {
    if (isEntryIndex(index) && std::isfinite(value))
        savedStrain_[index] = value;
}

template <std::size_t N, class Setter>
void StrainData::setValue(std::array<float, N>& values, int index, float value,
                          std::string_view notification, Setter setter) {
    if (index < 0 || index >= int(N))
        return;
    if (std::isfinite(value)) {
        registerUndo([this, index, setter, old = values[index]] { (this->*setter)(index, old); });
        values[index] = value;
    }
    post(notification);
}

void StrainData::setStrainBlock(const Matrix4& strain) {
    Matrix4 block = strain_;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            block[MatrixIndex(r, c)] = strain[MatrixIndex(r, c)];
    if (allFinite(block)) {
        registerUndo([this, old = strain_] { setStrainBlock(old); });
        strain_ = block;
    }
    post(QuorvelStrainChangedNotification);
}

void StrainData::setVelocityGradient(int index, float value) {
    if (isEntryIndex(index) && index % 4 < 3 && index / 4 < 3)
        setValue(velocityGradient_, index, value, QuorvelFlowChangedNotification,
                 &StrainData::setVelocityGradient);
}

void StrainData::setNumber(float& field, float value, std::string_view notification,
                           void (StrainData::*setter)(float)) {
    if (std::isfinite(value)) {
        registerUndo([this, setter, old = field] { (this->*setter)(old); });
        field = value;
    }
    post(notification);
}

void StrainData::setTime(float value) {
    setNumber(time_, value, QuorvelTimeChangedNotification, &StrainData::setTime);
}

void StrainData::setTimeMin(float value) {
    setNumber(timeMin_, value, QuorvelMinChangedNotification, &StrainData::setTimeMin);
}

void StrainData::setTimeMax(float value) {
    setNumber(timeMax_, value, QuorvelMaxChangedNotification, &StrainData::setTimeMax);
}

void StrainData::setStrainMin(int index, float value) {
    setValue(strainMinima_, index, value, QuorvelMinChangedNotification, &StrainData::setStrainMin);
}

void StrainData::setStrainMax(int index, float value) {
    setValue(strainMaxima_, index, value, QuorvelMaxChangedNotification, &StrainData::setStrainMax);
}

void StrainData::setTranslation(int index, float value) {
    if (isComponentIndex(index))
        setValue(translation_, index, value, kTranslationNotifications[index],
                 &StrainData::setTranslation);
}

void StrainData::setTranslationMin(int index, float value) {
    setValue(translationMinima_, index, value, QuorvelMinChangedNotification,
             &StrainData::setTranslationMin);
}

void StrainData::setTranslationMax(int index, float value) {
    setValue(translationMaxima_, index, value, QuorvelMaxChangedNotification,
             &StrainData::setTranslationMax);
}

std::optional<std::array<float, 3>> StrainData::materialPointAt(const double scene[3]) const {
    float block[9]; // the strain's 3x3 block, column by column
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            block[3 * c + r] = strain_[MatrixIndex(r, c)];
    float inverse[9];
    if (!InvertMatrix(block, inverse))
        return std::nullopt;
    std::array<float, 3> point;
    for (int r = 0; r < 3; ++r) {
        point[r] = static_cast<float>(inverse[r] * scene[0] + inverse[3 + r] * scene[1] +
                                      inverse[6 + r] * scene[2]);
        point[r] = point[r] - translation_[r];
        if (!std::isfinite(point[r]))
            return std::nullopt;
    }
    return point;
}

void StrainData::accumulateStrain() {
    // strain = strain * translate(translation)
    Matrix4 strain = strain_;
    for (int r = 0; r < 4; ++r)
        strain[12 + r] = strain[12 + r] + (translation_[0] * strain[r] +
                                           translation_[1] * strain[4 + r] +
                                           translation_[2] * strain[8 + r]);

    std::array<Vector3, 3> points = points_;
    for (Vector3& point : points) {
        Vector3 mapped;
        if (MultiplyMatrixVectorAffine(strain, point, mapped))
            point = mapped;
    }

    Matrix4 saved;
    MultiplyMatrices(strain, savedStrain_, saved);
    if (!allFinite(strain) || !allFinite(saved) ||
        !std::all_of(points.begin(), points.end(), allFinite<3>))
        return;
    points_ = points;
    savedStrain_ = saved;

    translation_ = {0.0f, 0.0f, 0.0f};
    strain_.fill(0.0f);
    for (int i : {15, 10, 5, 0})
        strain_[i] = 1.0f;

    // Only now, so that every observer reads the final state.
    for (std::string_view name : kTranslationNotifications)
        post(name);
    post(QuorvelStrainChangedNotification);
    for (const auto& pointNames : kPointNotifications)
        for (std::string_view name : pointNames)
            post(name);
}

void StrainData::setRed(float red, float green, float blue) {
    const std::array<float, 3> color = {red, green, blue};
    if (allFinite(color)) {
        registerUndo([this, old = color_] { setRed(old[0], old[1], old[2]); });
        color_ = color;
    }
    post(QuorvelColorChangedNotification);
}

void StrainData::setTranslucency(float value) {
    if (std::isfinite(value)) {
        registerUndo([this, old = translucency_] { setTranslucency(old); });
        translucency_ = value;
    }
    post(QuorvelTranslucencyChangedNotification);
}

void StrainData::setActingOnRight(int flag) {
    registerUndo([this, old = actingOnRight_] { setActingOnRight(old); });
    if (flag != actingOnRight_) {
        TransposeMatrix(strain_);
        TransposeMatrix(strainMinima_);
        TransposeMatrix(strainMaxima_);
    }
    actingOnRight_ = flag;
    post(QuorvelActingOnChangedNotification);
}

void StrainData::setAnimationField(int value) {
    registerUndo([this, old = animationField_] { setAnimationField(old); });
    animationField_ = value;
    post(QuorvelAnimationFieldChangedNotification);
}

void StrainData::setLight(int index, float value) {
    // The fourth component (w) is never set: the light stays directional.
    if (isComponentIndex(index))
        setValue(light_, index, value, kLightNotifications[index], &StrainData::setLight);
}

void StrainData::setDistance(float value) {
    if (std::isfinite(value))
        distance_ = value;
    post(QuorvelDistanceChangedNotification);
}

void StrainData::setZoom(float exponent) {
    const float factor = static_cast<float>(std::pow(2.0, static_cast<double>(exponent)));
    if (std::isfinite(factor * distance_))
        registerUndo([this, old = distance_] { setDistance(old); });
    setDistance(factor * distance_);
}

void StrainData::setProjection(int value) {
    registerUndo([this, old = projection_] { setProjection(old); });
    projection_ = value;
    post(QuorvelProjectionChangedNotification);
}

void StrainData::setShowAxes(int flag) {
    registerUndo([this, old = showAxes_] { setShowAxes(old); });
    showAxes_ = flag;
    post(QuorvelShowAxesChangedNotification);
}

void StrainData::setMarkAxes(int flag) {
    registerUndo([this, old = markAxes_] { setMarkAxes(old); });
    markAxes_ = flag;
    post(QuorvelMarkAxesChangedNotification);
}

void StrainData::setShowPrincipalAxes(int flag) {
    registerUndo([this, old = showPrincipalAxes_] { setShowPrincipalAxes(old); });
    showPrincipalAxes_ = flag;
    post(QuorvelShowPrincipalAxesChangedNotification);
}

void StrainData::setPreserveVolume(int flag) {
    registerUndo([this, old = preserveVolume_] { setPreserveVolume(old); });
    preserveVolume_ = flag;
    post(QuorvelPreserveVolumeChangedNotification);
}

void StrainData::setConstraint(int value) {
    registerUndo([this, old = constraint_] { setConstraint(old); });
    constraint_ = value;
    post(QuorvelConstraintChangedNotification);
}

void StrainData::setShowPoint1(int flag) { setShowPoint(0, flag); }
void StrainData::setShowPoint2(int flag) { setShowPoint(1, flag); }
void StrainData::setShowPoint3(int flag) { setShowPoint(2, flag); }

void StrainData::setShowPoint(int point, int flag) {
    registerUndo([this, point, old = showPoint_[point]] { setShowPoint(point, old); });
    showPoint_[point] = flag;
    post(kShowPointNotifications[point]);
}

void StrainData::setPoint1(int index, float value) { setPoint(0, index, value); }
void StrainData::setPoint2(int index, float value) { setPoint(1, index, value); }
void StrainData::setPoint3(int index, float value) { setPoint(2, index, value); }

void StrainData::setPoint(int point, int index, float value) {
    if (!isComponentIndex(index))
        return;
    if (std::isfinite(value)) {
        registerUndo(
            [this, point, index, old = points_[point][index]] { setPoint(point, index, old); });
        points_[point][index] = value;
    }
    post(kPointNotifications[point][index]);
}

int StrainData::animatedIndex() const {
    if (animationField_ < 0 || animationField_ > 12)
        return -1; // no index: the getters read 0 and the setters do nothing
    if (animationField_ > 9)
        return animationField_ - 10;
    return strainFieldIndex(animationField_);
}

int StrainData::strainFieldIndex(int field) const {
    const int row = field / 3, column = field % 3;
    return actingOnRight_ ? MatrixIndex(column, row) : MatrixIndex(row, column);
}

void StrainData::setPointToSet(int value) {
    const int old = pointToSet_;
    pointToSet_ = old == value ? 0 : value;
    if (old >= 1 && old <= 3)
        post(kSetPointNotifications[old - 1]);
    if (pointToSet_ != old && pointToSet_ >= 1 && pointToSet_ <= 3)
        post(kSetPointNotifications[pointToSet_ - 1]);
}
