// A real OpenGL context offscreen through EGL, 400 x 300 pixels, behind the
// toolkit's lock. It fails loudly when the context is missing or is not a
// compatibility profile, where selection mode and the matrix stacks exist,
// instead of letting tests pass on empty results.
#pragma once

#include "render/EglOffscreenContext.h"
#include "toolkit/GVOpenGLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>

class OffscreenGL : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        egl = EglOffscreenContext::create(400, 300, error);
        ASSERT_NE(egl, nullptr) << error;
        openGL->setOpenGLContext(egl);
        std::lock_guard guard(*openGL);
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        ASSERT_NE(version, nullptr) << "no OpenGL context is current";
        ASSERT_NE(std::string(version).find("Compatibility Profile"), std::string::npos)
            << "GL_VERSION is " << version;
    }

    std::shared_ptr<EglOffscreenContext> egl;
    std::shared_ptr<GVOpenGLContext> openGL = std::make_shared<GVOpenGLContext>();
};
