#include "toolkit/GVTester.h"

#include "geometry/GVUtilities.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

enum { kPicking = 0, kCollision = 1 };

// malloc of count elements; null when the byte size does not fit in size_t
// or malloc fails.
template <typename T> T* allocateArray(std::size_t count) {
    if (count > SIZE_MAX / sizeof(T))
        return nullptr;
    return static_cast<T*>(std::malloc(count * sizeof(T)));
}

} // namespace

GVTester::~GVTester() {
    std::free(hitBuffer_);
    releaseResultBuffers();
}

void GVTester::attachWithOpenGLContext(std::shared_ptr<GVOpenGLContext> context) {
    setOpenGLContext(std::move(context));
}

GLint GVTester::setHitBufferSize(GLint newSize) {
    if (newSize == hitBufferSize_)
        return 1;
    std::free(hitBuffer_);
    hitBuffer_ = nullptr;
    hitBufferSize_ = 0;
    hitCount_ = 0;
    if (newSize < 0)
        return 0;
    if (newSize > 0) {
        hitBuffer_ = allocateArray<GLuint>(static_cast<std::size_t>(newSize));
        if (hitBuffer_ == nullptr)
            return 0;
    }
    hitBufferSize_ = newSize;
    return 1;
}

GLint GVTester::setNameDepth(GLint newNameDepth, GLint newMaximum) {
    if (newNameDepth == nameDepth_ && newMaximum == maximumResultCount_)
        return 1;
    releaseResultBuffers();
    nameDepth_ = 0;
    maximumResultCount_ = 0;
    resultCount_ = 0;
    if (newNameDepth < 0 || newMaximum < 0)
        return 0;
    if (newMaximum > 0) {
        const std::size_t slots = static_cast<std::size_t>(newMaximum);
        const std::size_t slotWords = static_cast<std::size_t>(newNameDepth) + 3;
        if (slotWords <= SIZE_MAX / slots)
            resultBuffer_ = allocateArray<GLuint>(slotWords * slots);
        if (resultBuffer_ != nullptr)
            coordinateBuffer_ = allocateArray<GLdouble>(3 * slots);
        if (coordinateBuffer_ == nullptr) {
            releaseResultBuffers();
            return 0;
        }
    }
    nameDepth_ = newNameDepth;
    maximumResultCount_ = newMaximum;
    return 1;
}

void GVTester::beginPickingWithRadius(GLfloat radius, GLdouble x, GLdouble y) {
    mode_ = kPicking;
    pickingX_ = x;
    pickingY_ = y;
    openGL->lock(); // released by endTest
    glGetIntegerv(GL_VIEWPORT, viewport_);
    beginSelection();

    // The pick region is laid over the caller's own projection.
    GLdouble projectionMatrix[16];
    glMatrixMode(GL_PROJECTION);
    glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrix);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, y, radius, radius, viewport_);
    glMultMatrixd(projectionMatrix);
    glMatrixMode(GL_MODELVIEW);
}

void GVTester::beginCollisionWithRadius(GLfloat radius, const GLdouble startPoint[3],
                                        const GLdouble endPoint[3]) {
    mode_ = kCollision;
    std::copy(startPoint, startPoint + 3, collisionStart_);
    std::copy(endPoint, endPoint + 3, collisionEnd_);
    openGL->lock(); // released by endTest
    beginSelection();

    // A box around the segment, seen by an eye at startPoint looking at
    // endPoint: the near plane passes through the start, the far one through
    // the end.
    const GLfloat dist = GVVectorDistance(endPoint, startPoint);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-radius, radius, -radius, radius, 0.0, dist);

    GLfloat elev = 0.0f;
    GLfloat azim = 0.0f;
    GVSphericalCoordinates(endPoint, startPoint, elev, azim);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -dist);
    glRotatef(elev, 1.0f, 0.0f, 0.0f);
    glRotatef(-azim, 0.0f, 0.0f, 1.0f);
    glTranslatef(-static_cast<GLfloat>(endPoint[0]), -static_cast<GLfloat>(endPoint[1]),
                 -static_cast<GLfloat>(endPoint[2]));
}

void GVTester::beginSelection() {
    glSelectBuffer(hitBufferSize_, hitBuffer_);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
}

GLint GVTester::endTest(GLint computeCoordinates) {
    GLint noError = 1;
    glFlush();
    hitCount_ = glRenderMode(GL_RENDER);
    if (mode_ == kCollision) {
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();

    // Picking points are unprojected from the OpenGL matrices, so they are
    // computed before the lock goes, and with the caller's own projection,
    // just restored, so that each lies under the pick centre.
    const bool pickingPoints = mode_ == kPicking && computeCoordinates != 0 && hitCount_ > 0;
    if (pickingPoints) {
        processHits();
        noError = this->computeCoordinates();
    }
    openGL->unlock();
    if (pickingPoints)
        return noError;

    if (hitCount_ > 0) {
        processHits();
        if (computeCoordinates != 0)
            noError = this->computeCoordinates();
    } else {
        resultCount_ = 0; // no hit, or the selection buffer overflowed
    }
    return noError;
}

GLuint GVTester::numberOfNamesForResult(GLint resultIndex) const { return slot(resultIndex)[0]; }

GLuint GVTester::depthForResult(GLint resultIndex) const { return slot(resultIndex)[1]; }

const GLuint* GVTester::namesForResult(GLint resultIndex) const { return slot(resultIndex) + 3; }

const GLdouble* GVTester::coordinatesForResult(GLint resultIndex) const {
    return coordinateBuffer_ + 3 * static_cast<std::size_t>(resultIndex);
}

void GVTester::processHits() {
    resultCount_ = 0;
    GLint hitBufferIndex = 0;
    for (GLint hitIndex = 0; hitIndex < hitCount_; ++hitIndex) {
        // The first kept result that is strictly deeper: equal depths keep
        // the order in which OpenGL wrote the records.
        const GLuint minimumDepth = hitBuffer_[hitBufferIndex + 1];
        GLint resultIndex = 0;
        while (resultIndex < resultCount_ && minimumDepth >= depthForResult(resultIndex))
            ++resultIndex;
        if (resultCount_ < maximumResultCount_)
            ++resultCount_;
        if (resultIndex < resultCount_)
            insertResult(hitBufferIndex, resultIndex);
        hitBufferIndex += 3 + static_cast<GLint>(hitBuffer_[hitBufferIndex]);
    }
}

void GVTester::insertResult(GLint hitBufferIndex, GLint resultIndex) {
    // Move the deeper results down one slot; the last one falls off a full list.
    for (GLint i = resultCount_ - 1; i > resultIndex; --i) {
        const GLuint* from = slot(i - 1);
        std::memcpy(slot(i), from, (from[0] + 3) * sizeof(GLuint));
    }
    const GLuint* record = hitBuffer_ + hitBufferIndex;
    const GLuint kept = std::min(record[0], static_cast<GLuint>(nameDepth_));
    GLuint* target = slot(resultIndex);
    target[0] = kept;
    std::memcpy(target + 1, record + 1, (kept + 2) * sizeof(GLuint));
}

GLint GVTester::computeCoordinates() {
    GLint noError = 1;
    GLdouble modelviewMatrix[16];
    GLdouble projectionMatrix[16];
    if (mode_ == kPicking) {
        glGetDoublev(GL_MODELVIEW_MATRIX, modelviewMatrix);
        glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrix);
    }
    for (GLint i = 0; i < resultCount_ && noError == 1; ++i) {
        const GLuint* result = slot(i);
        // The mean of the hit's two window depths.
        const GLdouble z = (result[1] / 4294967295.0) / 2 + (result[2] / 4294967295.0) / 2;
        GLdouble* point = coordinateBuffer_ + 3 * static_cast<std::size_t>(i);
        if (mode_ == kPicking) {
            noError = gluUnProject(pickingX_, pickingY_, z, modelviewMatrix, projectionMatrix,
                                   viewport_, point, point + 1, point + 2);
        } else {
            for (int k = 0; k < 3; ++k)
                point[k] = collisionStart_[k] + (collisionEnd_[k] - collisionStart_[k]) * z;
        }
    }
    return noError == 1 ? 1 : 0;
}

GLuint* GVTester::slot(GLint resultIndex) const {
    return resultBuffer_ + static_cast<std::size_t>(resultIndex) *
                               (static_cast<std::size_t>(nameDepth_) + 3);
}

void GVTester::releaseResultBuffers() {
    std::free(resultBuffer_);
    std::free(coordinateBuffer_);
    resultBuffer_ = nullptr;
    coordinateBuffer_ = nullptr;
}
