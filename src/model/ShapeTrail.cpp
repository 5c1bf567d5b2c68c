#include "model/ShapeTrail.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::optional<ShapePoint> shapePoint(const StrainAnalysis& a) {
    const auto& e = a.naturalStrains;
    if (!e[0].value || !e[1].value || !e[2].value) return std::nullopt;
    // Equal stretches may differ by a rounding: no shape lies below 0.
    return ShapePoint{std::max(0.0, *e[0].value - *e[1].value),
                      std::max(0.0, *e[1].value - *e[2].value)};
}

PlotPosition flinnPosition(ShapePoint shape) {
    return {shape.lnRyz, shape.lnRxy};
}

PlotPosition hsuPosition(ShapePoint shape) {
    const double a = shape.lnRxy, b = shape.lnRyz;
    const double strain = std::sqrt((a * a + b * b + (a + b) * (a + b)) / 3.0);
    if (a + b == 0) return {0, 0};
    const double angle = (b - a) / (a + b) * std::numbers::pi / 6.0;
    return {strain * std::sin(angle), strain * std::cos(angle)};
}

ShapeTrail::ShapeTrail(double resolution, std::size_t capacity)
    : resolution_(resolution), capacity_(capacity) {}

ShapeTrail::Cell ShapeTrail::cell(ShapePoint shape) const {
    return {std::int64_t(std::floor(shape.lnRxy / resolution_)),
            std::int64_t(std::floor(shape.lnRyz / resolution_))};
}

bool ShapeTrail::add(ShapePoint shape) {
    const Cell at = cell(shape);
    if (penAt_ && *penAt_ == at) return false;
    if (visited_.contains(at)) {
        penAt_.reset();
        last_ = shape;
        return false;
    }
    if (!penAt_) {
        strokes_.emplace_back();
        if (last_) {
            strokes_.back().push_back(*last_);
            ++size_;
        }
    }
    strokes_.back().push_back(shape);
    ++size_;
    visited_.insert(at);
    penAt_ = at;
    last_ = shape;
    if (size_ > capacity_) setResolution(2 * resolution_);
    return true;
}

void ShapeTrail::setResolution(double resolution) {
    const bool coarser = resolution > resolution_;
    resolution_ = resolution;
    if (!coarser) return;
    const std::vector<std::vector<ShapePoint>> strokes = std::move(strokes_);
    const std::optional<ShapePoint> last = last_;
    const bool penDown = penAt_.has_value();
    clear();
    for (const std::vector<ShapePoint>& stroke : strokes) {
        penAt_.reset(); // each stroke starts afresh
        last_.reset();
        for (ShapePoint shape : stroke)
            add(shape);
    }
    if (!penDown) {
        penAt_.reset();
        last_ = last;
    }
}

void ShapeTrail::clear() {
    strokes_.clear();
    size_ = 0;
    visited_.clear();
    penAt_.reset();
    last_.reset();
}
