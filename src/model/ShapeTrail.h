// A shape as the Flinn and Hsu plots place it, and the trail that the
// animation slider's sweeps leave there, thinned to the plot's resolution so
// that it stays small however long the user sweeps.
#pragma once

#include "model/StrainAnalysis.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

// The natural strain differences ε1 - ε2 = ln Rxy and ε2 - ε3 = ln Ryz, both
// at least 0: a shape, whatever its size.
struct ShapePoint {
    double lnRxy = 0;
    double lnRyz = 0;
};

// None when a stretch is 0 or the strain is not finite.
std::optional<ShapePoint> shapePoint(const StrainAnalysis& a);

struct PlotPosition {
    double x = 0;
    double y = 0;
};
// Flinn's plot in Ramsay's logarithmic form: ln Ryz across, ln Rxy up.
PlotPosition flinnPosition(ShapePoint shape);
// Hsu's: the octahedral shear strain εs as the distance from the origin, and
// Lode's ν as the angle ν · 30° from straight up, flattening (+1) to the right.
PlotPosition hsuPosition(ShapePoint shape);

class ShapeTrail {
  public:
    // Past capacity points, the resolution doubles and the trail is thinned
    // again, so it never holds more.
    ShapeTrail(double resolution, std::size_t capacity);

    // Keeps the shape unless one kept already lies in the same square of
    // the resolution's side. Coming back over old ground lifts the pen; the
    // next new ground starts a stroke where the pen went down. True when the
    // trail changed.
    bool add(ShapePoint shape);
    // A coarser resolution thins what is kept; a finer one applies to what
    // comes.
    void setResolution(double resolution);
    void clear();

    const std::vector<std::vector<ShapePoint>>& strokes() const { return strokes_; }
    std::size_t size() const { return size_; }
    double resolution() const { return resolution_; }

  private:
    using Cell = std::pair<std::int64_t, std::int64_t>;
    Cell cell(ShapePoint shape) const;

    double resolution_;
    std::size_t capacity_;
    std::vector<std::vector<ShapePoint>> strokes_;
    std::size_t size_ = 0;
    std::set<Cell> visited_;
    std::optional<Cell> penAt_; // the cell of the open stroke's end
    std::optional<ShapePoint> last_;
};
