// How large a shape of the Laser's path shows on screen: the modelview, projection and viewport in force, and
// the mirrored copies in which the frame replays the path. The circle styles choose their segment counts by
// it, so that a circle a few pixels across is not drawn with as many segments as one that fills the screen.
#pragma once

#include <array>
#include <vector>

struct ScreenMapping {
    std::array<double, 16> transform{};  // projection × modelview, column-major as OpenGL keeps them
    double halfWidth = 0;                // half the viewport, in pixels
    double halfHeight = 0;
    std::vector<std::array<double, 2>> copies;  // (x, y) factors of each copy drawn, the path itself first
};

// The mapping of the matrices and viewport in force, for the path and the given mirror copies.
ScreenMapping CurrentScreenMapping(const std::vector<std::array<double, 2>>& mirrors);

// The largest half axis, in pixels, of the ellipse in the plane z = centre z with the given centre and two
// perpendicular half axes (a and b, in that plane), over every copy the mapping draws. A copy whose centre
// lies at or behind the eye counts as larger than any screen.
double PixelRadius(const ScreenMapping& mapping, const std::array<double, 3>& centre,
                   const std::array<double, 2>& a, const std::array<double, 2>& b);
