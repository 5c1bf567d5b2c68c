// Finds what lies under a point of the view (picking) or along a segment of
// the scene (collision) with OpenGL's selection mode, keeping the nearest
// hits sorted by depth.
//
// Usage: attach; size both buffers; then for each test call a begin
// operation, draw the candidate geometry with names on the name stack (one
// name, 0, is pushed for you) on the same thread, and call endTest once. The
// shared lock is held from the begin operation to endTest. A test allocates
// nothing.
//
// Result i (0 <= i < resultCount) holds the hit's name count, its minimum
// and maximum window depth (z in [0, 1] scaled to 0 .. 2^32 - 1), its first
// names and, when requested, a point: in picking the surface point under the
// pick centre, in collision the point of the segment, both at the mean of the
// two depths. Results are in ascending order of minimum depth; hits of equal
// minimum depth keep the order in which OpenGL recorded them.
#pragma once

#include "toolkit/GVOpenGLObject.h"

#include <GL/gl.h>

class GVTester : public GVOpenGLObject {
public:
    GVTester() = default;
    ~GVTester();

    void attachWithOpenGLContext(std::shared_ptr<GVOpenGLContext> context);

    // The selection buffer, in words. Returns 1 on success; 0 when newSize is
    // negative or the allocation fails, leaving no buffer and size 0. A size
    // equal to the present one keeps everything; any other forgets the last
    // test's hit count.
    GLint setHitBufferSize(GLint newSize);
    // Room for newMaximum results of up to newNameDepth names each. Values
    // equal to the present ones keep the last results; others empty them.
    // Returns 1 on success; 0 when either value is negative or an allocation
    // fails, leaving no buffers and both sizes 0.
    GLint setNameDepth(GLint newNameDepth, GLint newMaximum);

    GLint hitBufferSize() const { return hitBufferSize_; }
    GLint nameDepth() const { return nameDepth_; }
    GLint maximumResultCount() const { return maximumResultCount_; }
    GLint resultCount() const { return resultCount_; }

    // Opens a picking test: only geometry inside the radius x radius pixel
    // square centred on (x, y), window coordinates with the origin at the
    // lower left, makes a hit. The caller's matrices stay as they are.
    void beginPickingWithRadius(GLfloat radius, GLdouble x, GLdouble y);
    // Opens a collision test: geometry drawn in world coordinates that enters
    // the box of cross-section 2 radius x 2 radius around the segment makes a
    // hit, with depth 0 at startPoint and 1 at endPoint.
    void beginCollisionWithRadius(GLfloat radius, const GLdouble startPoint[3],
                                  const GLdouble endPoint[3]);
    // Closes the test and keeps its nearest hits; an overflowing selection
    // buffer counts as no hit. A nonzero computeCoordinates asks for the
    // points. Returns 0 when a picking point cannot be unprojected (that
    // point and the later ones keep their old values), else 1.
    GLint endTest(GLint computeCoordinates);

    // Indices are not checked. Word 0 of a result, the name count, counts the
    // names kept: it is never more than nameDepth even when the hit had more,
    // so reading numberOfNamesForResult names through namesForResult stays
    // within the result.
    GLuint numberOfNamesForResult(GLint resultIndex) const;
    GLuint depthForResult(GLint resultIndex) const;
    // Both point into the tester's buffers: valid until the sizes change or
    // the tester goes, showing the latest test's results.
    const GLuint* namesForResult(GLint resultIndex) const;
    const GLdouble* coordinatesForResult(GLint resultIndex) const;

private:
    void beginSelection();
    void processHits();
    void insertResult(GLint hitBufferIndex, GLint resultIndex);
    GLint computeCoordinates();
    GLuint* slot(GLint resultIndex) const;
    void releaseResultBuffers();

    GLuint* hitBuffer_ = nullptr;
    GLint hitBufferSize_ = 0;
    GLint hitCount_ = 0;
    GLuint* resultBuffer_ = nullptr;
    GLint nameDepth_ = 0;
    GLint maximumResultCount_ = 0;
    GLint resultCount_ = 0;
    GLint mode_ = 0;
    GLdouble pickingX_ = 0;
    GLdouble pickingY_ = 0;
    GLdouble collisionStart_[3] = {0, 0, 0};
    GLdouble collisionEnd_[3] = {0, 0, 0};
    GLint viewport_[4] = {0, 0, 0, 0};
    GLdouble* coordinateBuffer_ = nullptr;
};
