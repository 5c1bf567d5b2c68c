// The OpenGL state that every frame of the scene relies on and that nothing
// changes afterwards: lighting with light 0, colour-driven material, smooth
// shading, depth test, back-face culling, the blend function (blending stays
// off until the ellipsoid turns it on), normalised normals and the point
// size. The window's view and the offscreen renderer set it alike.
#pragma once

// The caller holds the OpenGL lock (or has the context current).
void setFixedSceneState();
