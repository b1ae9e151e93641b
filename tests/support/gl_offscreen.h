// Test helper: a real Mesa OpenGL context that draws into memory (colour, 24-bit depth, 8-bit stencil),
// made current for the lifetime of the object.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

class OffscreenGL {
public:
    OffscreenGL(int width, int height);
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    bool ok() const { return context_ != nullptr; }

private:
    void* context_ = nullptr;
    std::vector<uint8_t> pixels_;
};

// Runs draw in OpenGL's feedback mode and returns the vertices it emitted, in order, for every
// GL_POLYGON_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN and GL_POINT_TOKEN vertex: window coordinates (z from
// 0 at the near plane to 1 at the far one), the colour after clamping, and the texture coordinates.
struct FeedbackVertex {
    GLfloat token;
    GLfloat x, y, z;
    GLfloat rgba[4];
    GLfloat s, t;
};
template <class Draw>
std::vector<FeedbackVertex> CaptureFeedback(Draw draw);

std::vector<FeedbackVertex> ParseFeedback(const std::vector<GLfloat>& buffer, GLint count);

template <class Draw>
std::vector<FeedbackVertex> CaptureFeedback(Draw draw) {
    std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    return ParseFeedback(buffer, count);
}
