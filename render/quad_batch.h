// Textured quads drawn from arrays: the Sprinkle's sprites and the Laser's strips. Each quad is placed where
// a translation, a turn about Z and a scaling of the modelview matrix would put its picture, and a run of
// quads with the same texture is one draw.
// WORKAROUND: Mesa spends tens of thousands of instructions on every draw whose matrix changed; one draw per
// run leaves only the vertices.
#pragma once

#include <GL/gl.h>

#include <vector>

#include "render/colour.h"

// A quad's corner as the arrays hand it to OpenGL.
struct QuadCorner {
    GLdouble x, y, z;
    GLdouble red, green, blue, alpha;
    GLfloat s, t;
};

// Where glTranslated(x, y, z), glRotated(degrees, 0, 0, 1) and glScaled(scaleX, scaleY, 1) put a local
// point. Those calls take their numbers in single precision: the same rounding is made here, so that a quad
// lies where the matrix calls would have put it.
struct QuadPlacement {
    QuadPlacement(double x, double y, double z, double degrees, double scaleX, double scaleY);
    double x, y, z;
    double cosine, sine;
    double scaleX, scaleY;
};

// Quads in the order they are drawn.
struct QuadBatch {
    std::vector<GLuint> textures;  // one per quad
    std::vector<QuadCorner> corners;

    void Clear();
    // Adds the quad with corners (left, bottom), (right, bottom), (right, top), (left, top) in local units,
    // which take the texture corners (0, 0), (1, 0), (1, 1) and (0, 1), all of the given colour and alpha.
    void Add(GLuint texture, const QuadPlacement& place, double left, double bottom, double right, double top,
             const Colour& colour, double alpha);
};

// Draws the batch in its order, one draw per run of quads with the same texture, and leaves the vertex,
// colour and texture-coordinate arrays disabled and the last run's texture bound.
void DrawQuadBatch(const QuadBatch& batch);
