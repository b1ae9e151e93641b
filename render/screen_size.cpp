// The size on screen of the Laser's shapes, from the matrices in force: the largest half axis of a projected
// ellipse, worked out from the projection's local stretch at its centre.
#include "render/screen_size.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Vector = std::array<double, 3>;

// Window position of a point, relative to the viewport's centre, or false when it lies at or behind the eye.
bool Project(const ScreenMapping& m, const Vector& p, double& x, double& y) {
    const auto& t = m.transform;
    const double w = t[3] * p[0] + t[7] * p[1] + t[11] * p[2] + t[15];
    if (w <= 1e-9) return false;
    x = (t[0] * p[0] + t[4] * p[1] + t[8] * p[2] + t[12]) / w * m.halfWidth;
    y = (t[1] * p[0] + t[5] * p[1] + t[9] * p[2] + t[13]) / w * m.halfHeight;
    return true;
}

// The window-space image of half axis `axis` at the centre: half the distance between the images of the
// axis's two ends.
bool ImageOfAxis(const ScreenMapping& m, const Vector& centre, const Vector& axis, double& dx, double& dy) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const Vector plus = {centre[0] + axis[0], centre[1] + axis[1], centre[2]};
    const Vector minus = {centre[0] - axis[0], centre[1] - axis[1], centre[2]};
    if (!Project(m, plus, x1, y1) || !Project(m, minus, x2, y2)) return false;
    dx = (x1 - x2) / 2;
    dy = (y1 - y2) / 2;
    return true;
}

}  // namespace

ScreenMapping CurrentScreenMapping(const std::vector<std::array<double, 2>>& mirrors) {
    ScreenMapping m;
    double modelview[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + row] * modelview[column * 4 + k];
            m.transform[column * 4 + row] = sum;
        }
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    m.halfWidth = viewport[2] / 2.0;
    m.halfHeight = viewport[3] / 2.0;
    m.copies.push_back({1, 1});
    m.copies.insert(m.copies.end(), mirrors.begin(), mirrors.end());
    return m;
}

double PixelRadius(const ScreenMapping& m, const std::array<double, 3>& centre,
                   const std::array<double, 2>& a, const std::array<double, 2>& b) {
    double largest = 0;
    for (const auto& [fx, fy] : m.copies) {
        const Vector c = {fx * centre[0], fy * centre[1], centre[2]};
        double ax = 0, ay = 0, bx = 0, by = 0;
        if (!ImageOfAxis(m, c, {fx * a[0], fy * a[1], 0}, ax, ay) ||
            !ImageOfAxis(m, c, {fx * b[0], fy * b[1], 0}, bx, by))
            return std::numeric_limits<double>::infinity();
        // The image ellipse's largest half axis: the larger singular value of the 2 × 2 map [image of a,
        // image of b].
        const double e = ax * ax + ay * ay, g = bx * bx + by * by, f = ax * bx + ay * by;
        const double major = std::sqrt((e + g + std::sqrt((e - g) * (e - g) + 4 * f * f)) / 2);
        largest = std::max(largest, major);
    }
    return largest;
}
