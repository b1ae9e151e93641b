#include "support/gl_offscreen.h"

#include <GL/osmesa.h>

#include <cstddef>

OffscreenGL::OffscreenGL(int width, int height) : pixels_(static_cast<size_t>(width) * height * 4) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (context == nullptr) return;
    if (!OSMesaMakeCurrent(context, pixels_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
}

OffscreenGL::~OffscreenGL() {
    if (context_ != nullptr) OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

std::vector<FeedbackVertex> ParseFeedback(const std::vector<GLfloat>& buffer, GLint count) {
    std::vector<FeedbackVertex> vertices;
    for (GLint i = 0; i < count;) {
        const GLfloat token = buffer[i++];
        int n = 0;
        if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
            token == GL_COPY_PIXEL_TOKEN)
            n = 1;
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            n = 2;
        else if (token == GL_POLYGON_TOKEN)
            n = static_cast<int>(buffer[i++]);
        else if (token == GL_PASS_THROUGH_TOKEN)
            ++i;
        // x, y, z, red, green, blue, alpha, then s, t, r, q.
        for (int v = 0; v < n; ++v, i += 11) {
            const GLfloat* f = &buffer[i];
            vertices.push_back({token, f[0], f[1], f[2], {f[3], f[4], f[5], f[6]}, f[7], f[8]});
        }
    }
    return vertices;
}
