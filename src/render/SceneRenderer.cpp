#include "render/SceneRenderer.h"

#include "model/StrainAnalysis.h"
#include "model/StrainData.h"
#include "render/StrainFigures.h"
#include "toolkit/GVCamera.h"

#include <cmath>

namespace {
constexpr GLdouble kSphereRadius = 1.0;
constexpr GLint kSphereQuality = 40; // slices and stacks
constexpr GLfloat kAxisLength = 100.0f;
constexpr int kAxisMarks = 99; // marks at 1 .. 99
constexpr GLfloat kMarkSize = 3.0f;
constexpr GLfloat kMaterialPointSize = 7.0f;
constexpr GLfloat kPrincipalAxisWidth = 3.0f;
constexpr GLfloat kSectionLineWidth = 2.0f;
} // namespace

void SceneRenderer::setFixedState() {
    static constexpr GLfloat ambient[] = {0.6f, 0.6f, 0.6f, 1.0f};
    static constexpr GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    // The current colour sets the front material's ambient and diffuse colours.
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    // Blending stays off until the ellipsoid turns it on.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The strain scales the sphere's normals.
    glEnable(GL_NORMALIZE);
}

void SceneRenderer::drawFrame(const StrainData& model) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Light 0 in the scene frame (the camera's model-view is current), so the
    // light turns with the scene.
    glLightfv(GL_LIGHT0, GL_POSITION, model.light());
    // Lines and points are lit too; without a normal of their own they would
    // take whatever the last frame's sphere left, and the first frame would
    // look unlike every later one.
    glNormal3f(0.0f, 0.0f, 1.0f);
    drawAxes(model);
    drawEllipsoid(model);
    if (model.showSection())
        drawSection(strainSection(model), analyzeStrain(model).centre, kSectionLineWidth * pixelRatio_);
    drawPrincipalAxes(model);
}

void SceneRenderer::drawPrincipalAxes(const StrainData& model) const {
    if (!model.showPrincipalAxes())
        return;
    const StrainAnalysis analysis = analyzeStrain(model);
    if (!std::isfinite(analysis.stretches[0]))
        return; // a strain that is not finite has no axes to draw
    constexpr GLfloat colors[3][3] = {{1, 1, 0}, {1, 0, 1}, {0, 1, 1}};
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glLineWidth(kPrincipalAxisWidth * pixelRatio_);
    glBegin(GL_LINES);
    for (int i = 0; i < 3; ++i) {
        const double s = analysis.stretches[i];
        const AnalysisVector& a = analysis.axes[i].direction;
        const AnalysisVector& c = analysis.centre;
        glColor3fv(colors[i]);
        glVertex3d(c[0] - s * a[0], c[1] - s * a[1], c[2] - s * a[2]);
        glVertex3d(c[0] + s * a[0], c[1] + s * a[1], c[2] + s * a[2]);
    }
    glEnd();
    glPopAttrib();
}

void SceneRenderer::drawAxes(const StrainData& model) const {
    if (!model.showAxes())
        return;
    glLineWidth(pixelRatio_);
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(kAxisLength, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glColor3f(0.0f, 1.0f, 0.0f);
    glVertex3f(0.0f, kAxisLength, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glColor3f(0.0f, 0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, kAxisLength);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();

    if (!model.markAxes())
        return;
    glPointSize(kMarkSize * pixelRatio_);
    glBegin(GL_POINTS);
    glColor3f(1.0f, 0.0f, 0.0f);
    for (int i = 1; i <= kAxisMarks; ++i)
        glVertex3f(static_cast<GLfloat>(i), 0.0f, 0.0f);
    glColor3f(0.0f, 1.0f, 0.0f);
    for (int i = 1; i <= kAxisMarks; ++i)
        glVertex3f(0.0f, static_cast<GLfloat>(i), 0.0f);
    glColor3f(0.0f, 0.0f, 1.0f);
    for (int i = 1; i <= kAxisMarks; ++i)
        glVertex3f(0.0f, 0.0f, static_cast<GLfloat>(i));
    glEnd();
}

void SceneRenderer::drawEllipsoid(const StrainData& model) {
    if (!quadric_) {
        quadric_.reset(gluNewQuadric());
        if (!quadric_)
            return;
        gluQuadricDrawStyle(quadric_.get(), GLU_FILL);
        gluQuadricOrientation(quadric_.get(), GLU_OUTSIDE);
        gluQuadricNormals(quadric_.get(), GLU_SMOOTH);
    }

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(model.strainMatrix());
    glTranslatef(model.translation(0), model.translation(1), model.translation(2));

    // The points live in the frame after the saved strain.
    glPointSize(kMaterialPointSize * pixelRatio_);
    glBegin(GL_POINTS);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (model.showPoint1())
        glVertex3fv(model.point1());
    if (model.showPoint2())
        glVertex3fv(model.point2());
    if (model.showPoint3())
        glVertex3fv(model.point3());
    glEnd();

    glMultMatrixf(model.savedStrainMatrix());
    if (model.colorByStretch()) {
        drawStretchSurface(analyzeStrain(model).gradient, model.translucency(), kSphereQuality);
    } else {
        glColor4f(model.color(0), model.color(1), model.color(2), model.translucency());
        glEnable(GL_BLEND);
        gluSphere(quadric_.get(), kSphereRadius, kSphereQuality, kSphereQuality);
        glDisable(GL_BLEND);
    }

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void SceneRenderer::applyProjection(GVCamera& camera, const StrainData& model) {
    camera.setProjection(model.projection());
}

void SceneRenderer::applyDistance(GVCamera& camera, const StrainData& model) {
    const float d = model.distance();
    camera.setDistance(d);
    const float nearest = static_cast<float>(static_cast<double>(d) / 2.0);
    const float farthest = static_cast<float>(static_cast<double>(d) + static_cast<double>(d));
    if (camera.hither() > nearest)
        camera.setHither(nearest);
    if (camera.yon() < farthest)
        camera.setYon(farthest);
}
