#include "render/StrainFigures.h"

#include "model/MaterialLines.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
// Stretches this close to 1 (relative) are single-precision noise.
constexpr double kUnchanged = 1e-5;
// The S = 1 lines sit this far outside the surface, so that it cannot hide
// them.
constexpr double kLineLift = 1.004;
constexpr float kSectionAlpha = 0.35f;
constexpr int kSectionSegments = 96;

struct SurfacePoint {
    AnalysisVector u; // unit: position and normal alike
    double stretch;
};
} // namespace

StretchField stretchField(double stretch) {
    return stretch > 1 + kUnchanged   ? StretchField::Lengthened
           : stretch < 1 - kUnchanged ? StretchField::Shortened
                                      : StretchField::Unchanged;
}

void drawStretchSurface(const AnalysisMatrix& F, float alpha, int quality) {
    // Rows of points from the south pole (stack 0) to the north pole.
    std::vector<SurfacePoint> grid;
    for (int stack = 0; stack <= quality; ++stack) {
        const double polar = std::numbers::pi * stack / quality;
        for (int slice = 0; slice <= quality; ++slice) {
            const double around = 2 * std::numbers::pi * slice / quality;
            const AnalysisVector u{std::sin(polar) * std::cos(around),
                                   std::sin(polar) * std::sin(around), -std::cos(polar)};
            grid.push_back({u, lineStretch(F, u)});
        }
    }
    const auto at = [&grid, quality](int stack, int slice) -> const SurfacePoint& {
        return grid[std::size_t(stack * (quality + 1) + slice)];
    };
    // How far toward its field's colour a point goes: the square root of its
    // share of the field's extreme natural strain, so that the fields stand
    // apart near the S = 1 lines.
    double longest = 1, shortest = 1;
    for (const SurfacePoint& p : grid) {
        longest = std::max(longest, p.stretch);
        shortest = std::min(shortest, p.stretch);
    }
    const auto vertex = [alpha, longest, shortest](const SurfacePoint& p) {
        const StretchField field = stretchField(p.stretch);
        const auto& end = kStretchFieldColours[std::size_t(field)];
        const auto& start = kStretchFieldColours[std::size_t(StretchField::Unchanged)];
        const double extreme = field == StretchField::Lengthened ? longest : shortest;
        const float t = field == StretchField::Unchanged
                            ? 0.0f
                            : float(std::sqrt(std::log(p.stretch) / std::log(extreme)));
        glColor4f(start[0] + t * (end[0] - start[0]), start[1] + t * (end[1] - start[1]),
                  start[2] + t * (end[2] - start[2]), alpha);
        glNormal3d(p.u[0], p.u[1], p.u[2]);
        glVertex3d(p.u[0], p.u[1], p.u[2]);
    };
    glEnable(GL_BLEND);
    for (int stack = 0; stack < quality; ++stack) {
        glBegin(GL_QUAD_STRIP); // counter-clockwise seen from outside
        for (int slice = 0; slice <= quality; ++slice) {
            vertex(at(stack + 1, slice));
            vertex(at(stack, slice));
        }
        glEnd();
    }
    glDisable(GL_BLEND);

    // A piece of the line joins the two places of a triangle where S = 1:
    // edges from a lengthened to a shortened corner, and unchanged corners.
    // A triangle with more or fewer has no piece: one all unchanged, or one
    // that the line only touches.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glColor3fv(kUnstretchedLineColour.data());
    glBegin(GL_LINES);
    for (int stack = 0; stack < quality; ++stack)
        for (int slice = 0; slice < quality; ++slice)
            for (const auto& triangle :
                 {std::array{at(stack, slice), at(stack, slice + 1), at(stack + 1, slice)},
                  std::array{at(stack + 1, slice + 1), at(stack + 1, slice), at(stack, slice + 1)}}) {
                std::vector<AnalysisVector> ends;
                for (std::size_t e = 0; e < 3; ++e) {
                    const SurfacePoint &a = triangle[e], &b = triangle[(e + 1) % 3];
                    const StretchField fa = stretchField(a.stretch), fb = stretchField(b.stretch);
                    if (fa == StretchField::Unchanged)
                        ends.push_back(a.u);
                    else if (fb != StretchField::Unchanged && fa != fb) {
                        const double t = (1 - a.stretch) / (b.stretch - a.stretch);
                        ends.push_back({a.u[0] + t * (b.u[0] - a.u[0]), a.u[1] + t * (b.u[1] - a.u[1]),
                                        a.u[2] + t * (b.u[2] - a.u[2])});
                    }
                }
                if (ends.size() != 2)
                    continue;
                for (const AnalysisVector& p : ends) {
                    const double scale = kLineLift / std::hypot(p[0], p[1], p[2]);
                    glVertex3d(p[0] * scale, p[1] * scale, p[2] * scale);
                }
            }
    glEnd();
    glPopAttrib();
}

void drawSection(const StrainSection& section, const AnalysisVector& c, float lineWidth) {
    if (!section.axialRatio.value)
        return;
    const auto& [a, b] = section.semiAxes;
    const auto point = [&](int k) {
        const double t = 2 * std::numbers::pi * k / kSectionSegments;
        const double x = std::cos(t), y = std::sin(t);
        glVertex3d(c[0] + x * a[0] + y * b[0], c[1] + x * a[1] + y * b[1], c[2] + x * a[2] + y * b[2]);
    };
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, kSectionAlpha);
    glBegin(GL_POLYGON);
    for (int k = 0; k < kSectionSegments; ++k)
        point(k);
    glEnd();
    glLineWidth(lineWidth);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < kSectionSegments; ++k)
        point(k);
    glEnd();
    glPopAttrib();
}
