// The drawing of a document's scene: the light, the coordinate axes, the
// material points and the strained unit sphere. The window's controller draws
// with these, and so does the offscreen renderer, so both show the same
// picture. Each runs with the view's OpenGL lock held and the camera's
// matrices in place, and leaves the model-view stack as it found it.
#pragma once

#include <GL/glu.h>

class GVCamera;
class StrainData;

// Light 0 at the model's light position, in the scene frame (the camera's
// model-view is current), so the light turns with the scene.
void positionLight(const StrainData& model);

// The axes, then the ellipsoid, which blends over them, then the principal
// axes over both.
void drawScene(const StrainData& model, GLUquadric*& quadric);

// The positive half-axes, 100 long, red x, green y, blue z, marked at 1..99
// when the model says so.
void drawAxes(const StrainData& model);

// The ellipsoid's three principal axes through its centre, each from -Si to
// +Si: S1 yellow, S2 magenta, S3 cyan, thick, unlit and over the ellipsoid,
// so they show through it and never read as the coordinate axes. Only when
// the model says so.
void drawPrincipalAxes(const StrainData& model);

// The shown material points and the unit sphere deformed by the saved strain,
// the translation and the present strain, in the model's colour with its
// translucency as alpha. The quadric is made on first use; when it cannot be
// made, nothing of the ellipsoid is drawn and the next draw tries again.
void drawEllipsoid(const StrainData& model, GLUquadric*& quadric);

// The camera settings that the model keeps: its projection, and its distance
// with the clipping planes widened (never narrowed) to keep the scene inside.
void applyProjection(GVCamera& camera, const StrainData& model);
void applyDistance(GVCamera& camera, const StrainData& model);
