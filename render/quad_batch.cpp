#include "render/quad_batch.h"

#include <cmath>

namespace {

double Single(double value) {
    return static_cast<float>(value);
}

}  // namespace

QuadPlacement::QuadPlacement(double atX, double atY, double atZ, double degrees, double alongX, double alongY)
    : x(Single(atX)), y(Single(atY)), z(Single(atZ)), scaleX(Single(alongX)), scaleY(Single(alongY)) {
    // As the rotation works it out: the angle in single precision, turned into radians, sine and cosine in
    // single precision.
    const auto radians = static_cast<float>(static_cast<float>(degrees) * 3.141592653589793 / 180.0);
    cosine = std::cos(radians);
    sine = std::sin(radians);
}

void QuadBatch::Clear() {
    textures.clear();
    corners.clear();
}

void QuadBatch::Add(GLuint texture, const QuadPlacement& place, double left, double bottom, double right,
                    double top, const Colour& colour, double alpha) {
    struct Local {
        double u, v;
        GLfloat s, t;
    };
    const Local locals[4] = {
        {left, bottom, 0, 0}, {right, bottom, 1, 0}, {right, top, 1, 1}, {left, top, 0, 1}};
    textures.push_back(texture);
    for (const Local& l : locals) {
        const double u = l.u * place.scaleX, v = l.v * place.scaleY;
        corners.push_back({place.x + (u * place.cosine - v * place.sine),
                           place.y + (u * place.sine + v * place.cosine), place.z, colour.red, colour.green,
                           colour.blue, alpha, l.s, l.t});
    }
}

void DrawQuadBatch(const QuadBatch& batch) {
    if (batch.textures.empty()) return;
    constexpr GLsizei Stride = sizeof(QuadCorner);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_DOUBLE, Stride, &batch.corners[0].x);
    glColorPointer(4, GL_DOUBLE, Stride, &batch.corners[0].red);
    glTexCoordPointer(2, GL_FLOAT, Stride, &batch.corners[0].s);
    const size_t count = batch.textures.size();
    for (size_t begin = 0, end = 0; begin < count; begin = end) {
        while (end < count && batch.textures[end] == batch.textures[begin])
            ++end;
        glBindTexture(GL_TEXTURE_2D, batch.textures[begin]);
        glDrawArrays(GL_QUADS, static_cast<GLint>(4 * begin), static_cast<GLsizei>(4 * (end - begin)));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}
