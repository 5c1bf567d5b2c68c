#include "controller/SceneDrawing.h"

#include "model/StrainAnalysis.h"
#include "model/StrainData.h"
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
} // namespace

void positionLight(const StrainData& model) { glLightfv(GL_LIGHT0, GL_POSITION, model.light()); }

void drawScene(const StrainData& model, GLUquadric*& quadric) {
    // Lines and points are lit too; without a normal of their own they would
    // take whatever the last frame's sphere left, and the first frame would
    // look unlike every later one.
    glNormal3f(0.0f, 0.0f, 1.0f);
    drawAxes(model);
    drawEllipsoid(model, quadric);
    drawPrincipalAxes(model);
}

void drawPrincipalAxes(const StrainData& model) {
    if (!model.showPrincipalAxes())
        return;
    const StrainAnalysis analysis = analyzeStrain(model);
    if (!std::isfinite(analysis.stretches[0]))
        return; // a strain that is not finite has no axes to draw
    constexpr GLfloat colors[3][3] = {{1, 1, 0}, {1, 0, 1}, {0, 1, 1}};
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glLineWidth(kPrincipalAxisWidth);
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

void drawAxes(const StrainData& model) {
    if (!model.showAxes())
        return;
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
    glPointSize(kMarkSize);
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

void drawEllipsoid(const StrainData& model, GLUquadric*& quadric) {
    if (!quadric) {
        quadric = gluNewQuadric();
        if (!quadric)
            return;
        gluQuadricDrawStyle(quadric, GLU_FILL);
        gluQuadricOrientation(quadric, GLU_OUTSIDE);
        gluQuadricNormals(quadric, GLU_SMOOTH);
    }

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(model.strainMatrix());
    glTranslatef(model.translation(0), model.translation(1), model.translation(2));

    // The points live in the frame after the saved strain.
    glPointSize(kMaterialPointSize);
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
    glColor4f(model.color(0), model.color(1), model.color(2), model.translucency());
    glEnable(GL_BLEND);
    gluSphere(quadric, kSphereRadius, kSphereQuality, kSphereQuality);
    glDisable(GL_BLEND);

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void applyProjection(GVCamera& camera, const StrainData& model) {
    camera.setProjection(model.projection());
}

void applyDistance(GVCamera& camera, const StrainData& model) {
    const float d = model.distance();
    camera.setDistance(d);
    const float nearest = static_cast<float>(static_cast<double>(d) / 2.0);
    const float farthest = static_cast<float>(static_cast<double>(d) + static_cast<double>(d));
    if (camera.hither() > nearest)
        camera.setHither(nearest);
    if (camera.yon() < farthest)
        camera.setYon(farthest);
}
