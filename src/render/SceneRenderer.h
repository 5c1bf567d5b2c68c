// The drawing of a document's scene with OpenGL 1.x fixed function: the fixed
// state, the light, the coordinate axes, the material points and the strained
// unit sphere. The window's view and the offscreen renderer both draw with it,
// so both show the same picture. Every call runs with the OpenGL lock held
// (or the context current) and, past the fixed state, the camera's matrices
// in place; each leaves the model-view stack as it found it.
#pragma once

#include <GL/glu.h>

#include <memory>

class GVCamera;
class StrainData;

class SceneRenderer {
public:
    // The state that every frame relies on and that nothing changes
    // afterwards; once per context, before the first frame.
    static void setFixedState();

    // The camera settings that the model keeps: its projection, and its
    // distance with the clipping planes widened (never narrowed) to keep the
    // scene inside.
    static void applyProjection(GVCamera& camera, const StrainData& model);
    static void applyDistance(GVCamera& camera, const StrainData& model);

    // Device pixels per logical pixel of the picture: points and lines grow
    // with it, so that a picture at scale factor 2 is the one at 1, sharper.
    void setPixelRatio(float ratio) { pixelRatio_ = ratio; }

    // A whole frame: clears, places the light, draws the axes and then the
    // ellipsoid, which blends over them, the section when the model shows
    // it, and last the principal axes.
    void drawFrame(const StrainData& model);

    // Only what a click can hit: the shown material points and the unit
    // sphere deformed by the saved strain, the translation and the present
    // strain, in the model's colour (or coloured by stretch, when the model
    // says so) with its translucency as alpha. The
    // quadric is made on first use; when it cannot be made, the ellipsoid is
    // left out and the next draw tries again.
    void drawEllipsoid(const StrainData& model);

private:
    // The positive half-axes, 100 long, red x, green y, blue z, marked at
    // 1..99 when the model says so.
    void drawAxes(const StrainData& model) const;

    // The ellipsoid's three principal axes through its centre, each from -Si
    // to +Si: S1 yellow, S2 magenta, S3 cyan, thick, unlit and over the
    // ellipsoid, so they show through it and never read as the coordinate
    // axes. Only when the model says so.
    void drawPrincipalAxes(const StrainData& model) const;

    // A quadric is client-side memory only: freeing it needs no context.
    struct QuadricDeleter {
        void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
    };
    std::unique_ptr<GLUquadric, QuadricDeleter> quadric_;
    float pixelRatio_ = 1.0f;
};
