// A fixture that gives each test a real OpenGL context, rendering offscreen
// through EGL, behind a toolkit lock. It fails loudly when the context is
// missing or is not a compatibility profile, where selection mode and the
// matrix stacks exist, instead of letting tests pass on empty results.
#pragma once

#include "render/EglOffscreenContext.h"
#include "toolkit/GVOpenGLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <mutex>
#include <string>

class OffscreenGL : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        egl = EglOffscreenContext::create(width_, height_, error);
        ASSERT_NE(egl, nullptr) << error;
        openGL = std::make_shared<GVOpenGLContext>();
        openGL->setOpenGLContext(egl);
        std::lock_guard guard(*openGL);
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        ASSERT_NE(version, nullptr) << "no OpenGL context is current";
        ASSERT_NE(std::string(version).find("Compatibility Profile"), std::string::npos)
            << "GL_VERSION is " << version;
    }

    std::array<double, 16> matrix(GLenum which) {
        std::array<double, 16> m{};
        std::lock_guard guard(*openGL);
        glGetDoublev(which, m.data());
        return m;
    }

    std::array<GLint, 4> integers(GLenum which) {
        std::array<GLint, 4> values{};
        std::lock_guard guard(*openGL);
        glGetIntegerv(which, values.data());
        return values;
    }
    GLint integer(GLenum which) { return integers(which)[0]; }

    const int width_ = 400, height_ = 300;
    std::shared_ptr<EglOffscreenContext> egl;
    std::shared_ptr<GVOpenGLContext> openGL;
};

using Mat = std::array<double, 16>;

