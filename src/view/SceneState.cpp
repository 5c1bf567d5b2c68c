#include "view/SceneState.h"

#include <GL/gl.h>

void setFixedSceneState() {
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
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The strain scales the sphere's normals.
    glEnable(GL_NORMALIZE);
    glPointSize(3.0f);
}
