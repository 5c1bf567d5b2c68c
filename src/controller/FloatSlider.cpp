#include "controller/FloatSlider.h"

#include <algorithm>
#include <cmath>

FloatSlider::FloatSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, kSteps);
    setSingleStep(kSteps / 100);
    setPageStep(kSteps / 10);
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        if (placing_)
            return;
        value_ = min_ + (max_ - min_) * (static_cast<float>(position) / kSteps);
        emit triggered();
    });
}

void FloatSlider::setFloatValue(float value) {
    value_ = value;
    placeHandle();
}

void FloatSlider::setMinValue(float value) {
    min_ = value;
    placeHandle();
}

void FloatSlider::setMaxValue(float value) {
    max_ = value;
    placeHandle();
}

void FloatSlider::placeHandle() {
    int position = 0;
    if (max_ != min_) {
        const double fraction = (static_cast<double>(value_) - min_) / (static_cast<double>(max_) - min_);
        if (std::isfinite(fraction))
            position = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kSteps));
    }
    placing_ = true;
    setValue(position);
    placing_ = false;
}
