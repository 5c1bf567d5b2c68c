// A slider whose value is a float quantity between a minimum and a maximum,
// as the inspector's sliders need; QSlider itself only knows integers, so the
// range is mapped onto a fixed number of steps. The value given is kept
// exactly, so reading it back returns what was set even between two steps or
// outside the range (the handle then stands at the nearer end).
#pragma once

#include <QSlider>

class FloatSlider : public QSlider {
    Q_OBJECT
public:
    explicit FloatSlider(QWidget* parent = nullptr);

    float floatValue() const { return value_; }
    void setFloatValue(float value);
    float minValue() const { return min_; }
    float maxValue() const { return max_; }
    // A minimum above the maximum is accepted: the slider then runs backwards.
    void setMinValue(float value);
    void setMaxValue(float value);

signals:
    // The user moved the slider (by mouse or keyboard); not sent when the
    // value is set from code.
    void triggered();

private:
    void placeHandle();

    static constexpr int kSteps = 1000;
    float value_ = 0.0f;
    float min_ = 0.0f;
    float max_ = 1.0f;
    bool placing_ = false;
};
