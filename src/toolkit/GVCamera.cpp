#include "toolkit/GVCamera.h"

#include <GL/glu.h>

#include <cmath>
#include <mutex>

namespace {

// One turn added to or taken from an angle, in double precision and rounded
// to single precision. Where the angle is so large that a turn no longer
// changes it, its remainder is taken at once so that the loops below end.
float turn(float angle, double step) {
    const float next = static_cast<float>(static_cast<double>(angle) + step);
    if (next != angle)
        return next;
    return static_cast<float>(std::fmod(static_cast<double>(angle), 360.0));
}

// Brings angle into [low, low + 360) a turn at a time. Infinite and NaN
// angles are kept as they are.
float wrapAngle(float angle, double low) {
    if (!std::isfinite(angle))
        return angle;
    while (angle >= low + 360.0)
        angle = turn(angle, -360.0);
    while (angle < low)
        angle = turn(angle, 360.0);
    return angle;
}

// tan(angle / 2) for an angle in degrees, with pi taken as 3.14159265.
GLfloat tangentOfHalf(GLfloat angle) {
    return static_cast<GLfloat>(std::tan(angle * 3.14159265 / 360.0));
}

} // namespace

void GVCamera::attachWithOpenGLContext(std::shared_ptr<GVOpenGLContext> context,
                                       const GVRect& frameRect) {
    setOpenGLContext(std::move(context));
    angle_ = 30.0f;
    tanHalfAngle_ = tangentOfHalf(angle_);
    hither_ = 1.0f;
    yon_ = 100.0f;
    distance_ = 10.0f;
    projection_ = 1;
    setWidth(frameRect.width, frameRect.height);

    std::lock_guard guard(*openGL);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix(); // the camera's second entry; rotateScene pops it again
    rotateScene();
    translateScene();
}

void GVCamera::setWidth(GLfloat newWidth, GLfloat newHeight) {
    width_ = newWidth;
    height_ = newHeight;
    setProjection(projection_);

    std::lock_guard guard(*openGL);
    glViewport(0, 0, static_cast<GLsizei>(width_), static_cast<GLsizei>(height_));
}

void GVCamera::setProjection(GLint newProjection) {
    projection_ = newProjection;

    std::lock_guard guard(*openGL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (projection_ == 0) {
        // The perspective frustum's half-extents at the target's distance.
        const GLfloat vertical = tanHalfAngle_ * distance_;
        const GLfloat horizontal = vertical * width_ / height_;
        glOrtho(-horizontal, horizontal, -vertical, vertical, hither_, yon_);
    } else {
        gluPerspective(angle_, width_ / height_, hither_, yon_);
    }
}

void GVCamera::switchProjection() { setProjection(1 - projection_); }

void GVCamera::setDistance(GLfloat newDistance) {
    distance_ = newDistance;
    rebuildView();
    if (projection_ == 0)
        setProjection(0);
}

void GVCamera::setElevation(GLfloat newElevation) {
    elevation_ = wrapAngle(newElevation, -180.0);
    rebuildView();
}

void GVCamera::setElevation(GLfloat newElevation, GLfloat min, GLfloat max) {
    if (newElevation < min)
        newElevation = min;
    else if (newElevation > max)
        newElevation = max;
    setElevation(newElevation);
}

void GVCamera::setAzimuth(GLfloat newAzimuth) {
    azimuth_ = wrapAngle(newAzimuth, 0.0);
    rebuildView();
}

void GVCamera::setTwist(GLfloat newTwist) {
    twist_ = wrapAngle(newTwist, 0.0);
    rebuildView();
}

void GVCamera::setAngle(GLfloat newAngle) {
    if (newAngle > 180.0f)
        angle_ = 180.0f;
    else if (newAngle < 0.0f)
        angle_ = 0.0f;
    else
        angle_ = newAngle;
    tanHalfAngle_ = tangentOfHalf(angle_);
    setProjection(projection_);
}

void GVCamera::setHither(GLfloat newHither) {
    hither_ = newHither;
    setProjection(projection_);
}

void GVCamera::setYon(GLfloat newYon) {
    yon_ = newYon;
    setProjection(projection_);
}

void GVCamera::getTarget(GLfloat v[3]) const {
    for (int i = 0; i < 3; ++i)
        v[i] = target_[i];
}

void GVCamera::setTarget(const GLfloat v[3]) {
    for (int i = 0; i < 3; ++i)
        target_[i] = v[i];

    std::lock_guard guard(*openGL);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();  // drops V
    glPushMatrix(); // a fresh copy of O
    translateScene();
}

void GVCamera::orient() {
    if (elevation_ > 0.0f) {
        // The same eye position seen from the upright side.
        elevation_ = -elevation_;
        azimuth_ = azimuth_ >= 180.0f ? static_cast<GLfloat>(azimuth_ - 180.0)
                                      : static_cast<GLfloat>(azimuth_ + 180.0);
    }
    setTwist(0.0f);
}

void GVCamera::rotateScene() {
    glPopMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -distance_);
    glRotatef(-twist_, 0.0f, 0.0f, 1.0f);
    glRotatef(elevation_, 1.0f, 0.0f, 0.0f);
    glRotatef(-azimuth_, 0.0f, 0.0f, 1.0f);
    glPushMatrix();
}

void GVCamera::translateScene() { glTranslatef(-target_[0], -target_[1], -target_[2]); }

void GVCamera::rebuildView() {
    std::lock_guard guard(*openGL);
    glMatrixMode(GL_MODELVIEW);
    rotateScene();
    translateScene();
}
