// The offscreen picture of quorvel --render, measured against the geometry
// that the camera and the scene fix: where the ellipsoid's outline lies, how
// it is lit, what shows through it.
#include "../support/SphereDocument.h"
#include "render/EglOffscreenContext.h"
#include "render/Picture.h"
#include "document/MyDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979;
const double kTanHalfAngle = std::tan(15.0 * kPi / 180.0);
// Pixels per world unit at the target in a 600-pixel-high view at distance 10.
const double kScale = 300.0 / (10.0 * kTanHalfAngle);

struct Rgb {
    int r, g, b;
    int brightest() const { return std::max({r, g, b}); }
};

// The picture `quorvel --render` makes of a document that holds the keys.
Picture render(const Keys& keys, RenderSettings settings = {}) {
    MyDocument document;
    std::string error;
    EXPECT_TRUE(document.loadDataRepresentation(documentText(keys), MyDocument::kTypeName, error))
        << error;
    Picture picture = renderPicture(document.strainData(), settings, error);
    EXPECT_FALSE(picture.isNull()) << error;
    return picture;
}

// The pixel at (x, y) in OpenGL window coordinates: origin at the lower left.
Rgb pixel(const Picture& picture, double x, double y) {
    const std::uint8_t* c = &picture.rgba[4 * (std::size_t(picture.width) *
                                                   (picture.height - 1 - int(std::floor(y))) +
                                               std::size_t(std::floor(x)))];
    return {c[0], c[1], c[2]};
}

bool lit(const Picture& image, double x, double y) { return pixel(image, x, y).brightest() > 20; }

// The outline is the unit circle mapped by [a b; c d] (pixels per world
// unit, across and up) about (cx, cy): every point a few pixels inside it is
// drawn and every point a few pixels outside is background.
void expectOutline(const Picture& image, double cx, double cy, double a, double b, double c,
                   double d) {
    constexpr double margin = 3.0;
    for (int step = 0; step < 32; ++step) {
        const double t = step * 2.0 * kPi / 32.0;
        const double u = std::cos(t), v = std::sin(t);
        const double x = cx + a * u + b * v, y = cy + c * u + d * v;
        // The outward normal there: the inverse transpose of the map applied
        // to the circle's normal (u, v).
        const double length = std::hypot(d * u - c * v, a * v - b * u);
        const double nx = (d * u - c * v) / length, ny = (a * v - b * u) / length;
        EXPECT_TRUE(lit(image, x - margin * nx, y - margin * ny))
            << "not drawn just inside the outline at " << step * 360 / 32 << " degrees";
        EXPECT_FALSE(lit(image, x + margin * nx, y + margin * ny))
            << "drawn just outside the outline at " << step * 360 / 32 << " degrees";
    }
}

// Where the outline lies: the strain and translation seen in plan and side
// views, the distance, the view's height (its width only widens the view),
// and the perspective, which shows a near sphere larger: at distance 4 its
// outline is where the tangent cone from the eye meets the view,
// tan(asin(1 / 4)) = 1 / sqrt(15).
TEST(RenderTest, TheOutlineFollowsStrainTranslationViewAndProjection) {
    const double nearOrtho = 300.0 / (4.0 * kTanHalfAngle);
    const double nearPerspective = 300.0 / (std::sqrt(15.0) * kTanHalfAngle);
    const Keys doubled = with(sphereKeys(), {{"strain entry 1,1", "2"}, {"translation z", "1"}});
    const Keys nearby = with(sphereKeys(), {{"distance", "4"}});
    const struct {
        Keys keys;
        RenderSettings settings;
        double cx, cy, a, b, c, d; // the unit circle mapped by [a b; c d] about (cx, cy)
    } cases[] = {
        {sphereKeys(), {}, 400, 300, kScale, 0, 0, kScale},
        // x doubled and moved along x by 0.5: the centre at x = 1.
        {with(sphereKeys(), {{"strain entry 1,1", "2"}, {"translation x", "0.5"}}), {},
         400 + kScale, 300, 2 * kScale, 0, 0, kScale},
        {with(sphereKeys(), {{"strain entry 1,2", "1"}}), {}, 400, 300, kScale, kScale, 0, kScale},
        // x doubled, lifted along z: from above, from the -y side, from the +x side.
        {doubled, {}, 400, 300, 2 * kScale, 0, 0, kScale},
        {doubled, {.elevation = -90}, 400, 300 + kScale, 2 * kScale, 0, 0, kScale},
        {with(doubled, {{"translation y", "0.5"}}), {.elevation = -90, .azimuth = 90},
         400 + kScale / 2, 300 + kScale, kScale, 0, 0, kScale},
        {with(sphereKeys(), {{"distance", "20"}}), {}, 400, 300, kScale / 2, 0, 0, kScale / 2},
        // Far off and as large: beyond the camera's first far plane.
        {with(sphereKeys(), {{"distance", "200"}, {"strain entry 1,1", "20"}, {"strain entry 2,2", "20"},
                             {"strain entry 3,3", "20"}}), {}, 400, 300, kScale, 0, 0, kScale},
        {sphereKeys(), {.width = 300, .height = 200}, 150, 100, kScale / 3, 0, 0, kScale / 3},
        {nearby, {}, 400, 300, nearOrtho, 0, 0, nearOrtho},
        {with(sphereKeys(), {{"distance", "0.4"}, {"strain entry 1,1", "0.1"}, {"strain entry 2,2", "0.1"},
                             {"strain entry 3,3", "0.1"}}), {}, 400, 300, nearOrtho, 0, 0, nearOrtho}, // close in
        {with(nearby, {{"perspective projection", "1"}}), {}, 400, 300, nearPerspective, 0, 0,
         nearPerspective},
    };
    for (const auto& c : cases) {
        const Picture image = render(c.keys, c.settings);
        ASSERT_EQ(std::pair(image.width, image.height), std::pair(c.settings.width, c.settings.height));
        expectOutline(image, c.cx, c.cy, c.a, c.b, c.c, c.d);
        EXPECT_EQ(pixel(image, 0.5, 0.5).brightest(), 0) << "on black";
    }
}

TEST(RenderTest, SurfaceIsLitByAmbientAndDiffuseLight) {
    // Colour c, ambient 0.6, diffuse 1 from +z: c (0.6 + n.z), where the
    // normal's z at radius fraction f is sqrt(1 - f^2).
    // A sphere shrunk by the strain is lit alike: its normals are renormalised.
    const Keys colour = with(sphereKeys(), {{"green", "0.25"}, {"blue", "0"}});
    const Keys halved = with(colour, {{"strain entry 1,1", "0.5"}, {"strain entry 2,2", "0.5"},
                                      {"strain entry 3,3", "0.5"}});
    for (const auto& [keys, radius] : {std::pair{colour, kScale}, {halved, kScale / 2}}) {
        const Picture image = render(keys);
        for (const double f : {0.0, 0.5, 0.8, 0.95}) {
            const double level = 0.6 + std::sqrt(1 - f * f);
            const Rgb seen = pixel(image, 400 + f * radius, 300.5);
            EXPECT_NEAR(seen.r, 0.5 * level * 255, 8) << "radius " << radius << ", at " << f;
            EXPECT_NEAR(seen.g, 0.25 * level * 255, 8) << "radius " << radius << ", at " << f;
            EXPECT_EQ(seen.b, 0) << "radius " << radius << ", at " << f;
        }
    }
}

TEST(RenderTest, AxesShowThroughATranslucentSurface) {
    // Along the red x axis against the same spot mirrored, off the axis.
    const auto redAcross = [](const Picture& image) {
        int onAxis = 0, offAxis = 0;
        for (double y = 298.5; y < 302; ++y) {
            onAxis = std::max(onAxis, pixel(image, 400 + kScale / 2, y).r);
            offAxis = std::max(offAxis, pixel(image, 400 - kScale / 2, y).r);
        }
        return onAxis - offAxis;
    };
    const Keys axes = with(sphereKeys(), {{"show axes", "1"}});
    const Keys translucent = with(axes, {{"translucency", "0.5"}});

    const Picture seeThrough = render(translucent);
    EXPECT_GT(redAcross(seeThrough), 60);
    // Outside the sphere the axes stand in their own colours.
    EXPECT_GT(pixel(seeThrough, 400 + 2 * kScale, 300).r + pixel(seeThrough, 400 + 2 * kScale, 299).r, 200);
    EXPECT_GT(pixel(seeThrough, 400, 300 + 2 * kScale).g + pixel(seeThrough, 399, 300 + 2 * kScale).g, 200);

    EXPECT_NEAR(redAcross(render(axes)), 0, 3) << "an opaque surface hides the axis";
    const Picture hidden = render(with(translucent, {{"show axes", "0"}}));
    EXPECT_EQ(pixel(hidden, 400 + 2 * kScale, 300).brightest(), 0);
}

// Seen from the +x side, y to the right and z up, past an ellipsoid small
// enough to leave the first marks in view: a mark is three pixels across
// its axis, a unit apart; the axis one pixel wide, as a picture is drawn at
// a pixel ratio of 1 unless asked.
TEST(RenderTest, AxisMarksStandAUnitApartOnTheirAxes) {
    const Picture image = render(with(sphereKeys(), {{"show axes", "1"}, {"mark axes", "1"},
        {"strain entry 1,1", "0.5"}, {"strain entry 2,2", "0.5"}, {"strain entry 3,3", "0.5"}}),
                                 {.elevation = -90, .azimuth = 90});
    for (const auto& [at, wide] : {std::pair{1.0, 3}, {1.5, 1}, {2.0, 3}}) {
        int across = 0, up = 0;
        for (double d = -4.5; d < 5; ++d) {
            across += pixel(image, 400 + at * kScale, 300 + d).g > 100;
            up += pixel(image, 400 + d, 300 + at * kScale).b > 100;
        }
        EXPECT_EQ(std::pair(across, up), std::pair(wide, wide)) << "y and z at " << at;
    }
}

TEST(RenderTest, PrincipalAxesReachTheOutlineOfASimpleShear) {
    // x += y: S1 = (1 + sqrt 5) / 2 at θ from x with tan 2θ = 2, S3 = 1 / S1
    // across it, S2 = 1 along the line of sight.
    const double s1 = (1 + std::sqrt(5.0)) / 2, theta = std::atan(2.0) / 2;
    const Keys sheared = with(sphereKeys(), {{"strain entry 1,2", "1"}});
    const Picture image = render(with(sheared, {{"show principal axes", "1"}}));
    struct Axis {
        double length, angle;
        Rgb color;
    };
    for (const Axis& axis : {Axis{s1, theta, {255, 255, 0}}, Axis{1 / s1, theta + kPi / 2, {0, 255, 255}}}) {
        for (const double sign : {-1.0, 1.0}) {
            const double ux = sign * std::cos(axis.angle), uy = sign * std::sin(axis.angle);
            const double reach = axis.length * kScale;
            const Rgb inside = pixel(image, 400 + (reach - 3) * ux, 300 + (reach - 3) * uy);
            EXPECT_NEAR(inside.r, axis.color.r, 30) << axis.angle << " " << sign;
            EXPECT_NEAR(inside.g, axis.color.g, 30) << axis.angle << " " << sign;
            EXPECT_NEAR(inside.b, axis.color.b, 30) << axis.angle << " " << sign;
            EXPECT_FALSE(lit(image, 400 + (reach + 4) * ux, 300 + (reach + 4) * uy))
                << "the axis stops at the outline";
        }
    }
}

// After a restart the ellipsoid is the present map after the saved strain,
// and the material points, carried by the restart, lie on its surface.
TEST(RenderTest, ARestartedDocumentDrawsItsPointsOnItsSurface) {
    // Saved x doubled, present y stretched by 1.5; the point (1.2, 0, 0.8)
    // lies on the saved ellipsoid, on its upper side.
    const Keys restarted = with(sphereKeys(), {{"saved strain entry 1,1", "2"},
                                               {"strain entry 2,2", "1.5"},
                                               {"red", "1"}, {"green", "0"}, {"blue", "0"},
                                               {"show point 1", "1"}, {"point 1 x", "1.2"},
                                               {"point 1 z", "0.8"}});
    const Picture image = render(restarted);
    expectOutline(image, 400, 300, 2 * kScale, 0, 0, 1.5 * kScale);
    const Rgb point = pixel(image, 400 + 1.2 * kScale, 300.5);
    EXPECT_GT(point.g, 150) << "the white point shows on the red surface";
    EXPECT_EQ(pixel(image, 400 + 1.2 * kScale + 8, 300.5).g, 0) << "the surface beside it";
}

} // namespace

namespace {

// x doubled and y halved, seen from above: lines near x lengthen, lines near
// y shorten, and those along y = ±2x of the sphere (y = ±x/2 drawn) keep
// their length.
TEST(RenderTest, TheSurfaceColouredByStretchShowsItsFieldsAndTheirBoundary) {
    const Keys stretched = with(sphereKeys(), {{"strain entry 1,1", "2"}, {"strain entry 2,2", "0.5"},
                                               {"color by stretch", "1"}});
    const Picture image = render(stretched);
    const Rgb lengthened = pixel(image, 400 + 1.5 * kScale, 300.5);
    const Rgb shortened = pixel(image, 400.5, 300 + 0.4 * kScale);
    EXPECT_TRUE(lengthened.r > 2 * lengthened.b && lengthened.g > lengthened.b) << "orange-red";
    EXPECT_GT(shortened.b, 2 * shortened.r);
    // Paler toward the S = 1 line (y = x/2 drawn) than at the ends.
    const Rgb nearLine = pixel(image, 400 + 0.6 * kScale, 300 + 0.2 * kScale);
    EXPECT_GT(std::min({nearLine.r, nearLine.g, nearLine.b}), std::min({lengthened.r, lengthened.g, lengthened.b}) + 40);
    // The S = 1 line, within a pixel of where it falls.
    int line = 255;
    for (int d = 0; d < 9; ++d)
        line = std::min(line, pixel(image, 400 + 0.6 * kScale + d % 3 - 1, 300 + 0.3 * kScale + d / 3 - 1).brightest());
    EXPECT_LT(line, 30) << "black where S = 1";

    const Rgb plain = pixel(render(with(stretched, {{"color by stretch", "0"}})), 400 + 1.5 * kScale, 300.5);
    EXPECT_EQ(plain.r, plain.b) << "the model's grey when the option is off";
}

// An extension counts only as a whole word of the list.
TEST(RenderTest, AnExtensionIsFoundAsAWholeWord) {
    EXPECT_TRUE(hasExtension("EGL_A", "EGL_A"));
    EXPECT_TRUE(hasExtension("EGL_A_long EGL_A", "EGL_A")) << "after a longer name";
    EXPECT_FALSE(hasExtension("XEGL_A EGL_A_long", "EGL_A"));
    EXPECT_FALSE(hasExtension(nullptr, "EGL_A"));
}

// A vertical east-west section of the sphere doubled along x and moved north
// by half, seen from above: its ellipse edge-on, a white line from -2 to 2.
TEST(RenderTest, ASectionIsDrawnThroughTheEllipsoid) {
    const Keys keys = with(sphereKeys(), {{"strain entry 1,1", "2"}, {"section dip direction", "180"},
                                          {"section dip", "90"}, {"translation y", "0.5"}});
    // White in the pixel row at y or the one below, where the line falls.
    const auto white = [](const Picture& image, double x, double y) {
        const Rgb a = pixel(image, x, y), b = pixel(image, x, y - 1);
        return std::max(std::min({a.r, a.g, a.b}), std::min({b.r, b.g, b.b})) > 200;
    };
    const Picture shown = render(with(keys, {{"show section", "1"}}));
    EXPECT_TRUE(white(shown, 400 + 1.5 * kScale, 300 + kScale / 2));
    EXPECT_TRUE(white(shown, 400 - 1.9 * kScale, 300 + kScale / 2));
    EXPECT_FALSE(white(shown, 400 + 1.5 * kScale, 310 + kScale / 2)) << "a line, seen edge-on";
    EXPECT_FALSE(white(shown, 400 + 2.1 * kScale, 300 + kScale / 2)) << "no farther than the ellipsoid";
    EXPECT_FALSE(white(render(keys), 400 + 1.5 * kScale, 300 + kScale / 2)) << "not shown";
}

} // namespace
