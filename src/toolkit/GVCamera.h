// An orbiting camera: keeps the viewport, the projection and the viewing part
// of the model-view matrix of the shared context in step with its parameters.
//
// The eye looks at target from distance. Azimuth turns it about the world z
// axis, elevation tilts the line of sight away from +z (0 looks down -z,
// -90 looks along +y with z up, -180 looks up) and twist rolls the image.
// Angles are in degrees.
//
// The camera stores no matrices: it keeps the view V as the top two entries
// of the model-view stack, the orientation
//   O = T(0, 0, -distance) Rz(-twist) Rx(elevation) Rz(-azimuth)
// below and V = O T(-target) on top. Drawing code works above them and must
// leave the stack as it found it. Every setter rebuilds what it affects at
// once under the lock; the projection matrix mode is left selected after a
// projection rebuild, so drawing code selects its own mode.
#pragma once

#include "toolkit/GVOpenGLObject.h"

#include <GL/gl.h>

// A view's frame; the camera uses only its size.
struct GVRect {
    float x = 0, y = 0, width = 0, height = 0;
};

class GVCamera : public GVOpenGLObject {
public:
    // Binds to context for good, sets the defaults (perspective, field of
    // view 30, distance 10, near 1, far 100) and builds the projection, the
    // viewport and both model-view entries. The model-view stack must hold
    // only its base entry; attaching pushes the camera's second one.
    void attachWithOpenGLContext(std::shared_ptr<GVOpenGLContext> context,
                                 const GVRect& frameRect);

    // Rebuilds the projection, then the viewport (sizes truncated to pixels).
    void setWidth(GLfloat newWidth, GLfloat newHeight);
    // 0 is orthographic, framing the target's plane as the perspective would;
    // anything else is perspective.
    void setProjection(GLint newProjection);
    void switchProjection();
    // In the orthographic projection the distance also sets the extent.
    void setDistance(GLfloat newDistance);
    // Kept in [-180, 180).
    void setElevation(GLfloat newElevation);
    // Clamps to [min, max] first.
    void setElevation(GLfloat newElevation, GLfloat min, GLfloat max);
    // Both kept in [0, 360).
    void setAzimuth(GLfloat newAzimuth);
    void setTwist(GLfloat newTwist);
    // The full vertical field of view, clamped to [0, 180].
    void setAngle(GLfloat newAngle);
    void setHither(GLfloat newHither);
    void setYon(GLfloat newYon);
    void getTarget(GLfloat v[3]) const;
    // Changes only the target translation; the orientation entry stays.
    void setTarget(const GLfloat v[3]);
    // Turns the camera upright (elevation in [-180, 0], no twist) without
    // moving the eye.
    void orient();

    // The two steps of a view rebuild, for a caller that holds the lock with
    // GL_MODELVIEW selected: rotateScene rebuilds O and pushes a copy of it,
    // translateScene applies the target translation to that copy.
    void rotateScene();
    void translateScene();

    GLfloat width() const { return width_; }
    GLfloat height() const { return height_; }
    GLint projection() const { return projection_; }
    GLfloat distance() const { return distance_; }
    GLfloat twist() const { return twist_; }
    GLfloat elevation() const { return elevation_; }
    GLfloat azimuth() const { return azimuth_; }
    GLfloat angle() const { return angle_; }
    GLfloat hither() const { return hither_; }
    GLfloat yon() const { return yon_; }

private:
    void rebuildView();

    GLfloat width_ = 0;
    GLfloat height_ = 0;
    GLint projection_ = 0;
    GLfloat distance_ = 0;
    GLfloat twist_ = 0;
    GLfloat elevation_ = 0;
    GLfloat azimuth_ = 0;
    GLfloat target_[3] = {0, 0, 0};
    GLfloat angle_ = 0;
    GLfloat tanHalfAngle_ = 0;
    GLfloat hither_ = 0;
    GLfloat yon_ = 0;
};
