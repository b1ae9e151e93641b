#include "render/textures.h"

#include <GL/glu.h>

#include <cmath>

#include "platform/bitmap_source.h"
#include "platform/user_message.h"
#include "render/recursion.h"
#include "resources/resource_ids.h"

std::array<GLuint, SpriteCount> SpriteTextures{};
std::array<GLuint, StripCount> StripTextures{};
GLuint LaserList = 0;
std::array<GLuint, CircleSegmentCounts.size()> CircleLists{};

namespace {

// The sprite pictures, in the order of SpriteTextures and SpriteHalfSides.
constexpr std::array SpriteImages = {
    IDB_SUN,          // 128 × 128
    IDB_STAR,         // 128 × 128
    IDB_FANCY_STAR,   // 128 × 128
    IDB_BLUE_PLANET,  // 128 × 128
    IDB_MILKY_WAY,    // 128 × 64: stretched to a square
};
static_assert(SpriteImages.size() == SpriteCount, "one bitmap per sprite picture");

// The strip pictures, in the order of StripTextures and StripHalfHeights.
constexpr std::array StripImages = {
    IDB_BLUE_COMET,    // 256 × 64
    IDB_HALLEY_COMET,  // 256 × 128
    IDB_GOLD_STICK,    // 256 × 32
    IDB_HALLEY_COMET,  // plastic tube: the halley comet picture again, in a texture of its own
};
static_assert(StripImages.size() == StripCount, "one bitmap per strip picture");

// The most a circle's outline may stray from the true circle, in pixels.
constexpr double OutlineTolerance = 0.25;

size_t CircleListIndex(double pixelRadius) {
    constexpr double Pi = 3.141592653589793;
    for (size_t i = 0; i + 1 < CircleSegmentCounts.size(); ++i)
        if (pixelRadius * (1 - std::cos(Pi / CircleSegmentCounts[i])) <= OutlineTolerance) return i;
    return CircleSegmentCounts.size() - 1;
}

// How a texture is shrunk. Sprites are magnified far more often than minified and take the nearest texel when
// shrunk; strips, which shrink along long segments, are mipmapped. Both are magnified linearly.
enum class Shrinking { Nearest, Mipmapped };

// Fills texture name from a bitmap with four bits per channel.
void UploadTexture(GLuint name, int resourceId, Shrinking shrinking) {
    const bool mipmapped = shrinking == Shrinking::Mipmapped;
    BitmapPixels bitmap;
    if (!FetchBitmap(resourceId, bitmap)) {
        ShowUserMessage("Load image Failed.", "ERROR", MessageIcon::Information);
        return;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (mipmapped)
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB4, bitmap.width, bitmap.height, GL_BGR_EXT, GL_UNSIGNED_BYTE,
                          bitmap.bgr);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB4, bitmap.width, bitmap.height, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE,
                     bitmap.bgr);
    ReleaseBitmap(bitmap);
}

}  // namespace

void LoadTextures() {
    glGenTextures(SpriteCount, SpriteTextures.data());
    for (int i = 0; i < SpriteCount; ++i)
        UploadTexture(SpriteTextures[i], SpriteImages[i], Shrinking::Nearest);
    glGenTextures(StripCount, StripTextures.data());
    for (int q = 0; q < StripCount; ++q)
        UploadTexture(StripTextures[q], StripImages[q], Shrinking::Mipmapped);
}

void BuildDisplayLists() {
    LaserList = glGenLists(1);  // compiled by the Laser in every frame

    const GLuint first = glGenLists(static_cast<GLsizei>(CircleLists.size()));
    for (size_t i = 0; i < CircleLists.size(); ++i) {
        CircleLists[i] = first + static_cast<GLuint>(i);
        glNewList(CircleLists[i], GL_COMPILE);
        DrawEllipseOutline(1.0, 1.0, CircleSegmentCounts[i]);
        glEndList();
    }
}

int CircleSegmentsFor(double pixelRadius) {
    return CircleSegmentCounts[CircleListIndex(pixelRadius)];
}

GLuint CircleListFor(double pixelRadius) {
    return CircleLists[CircleListIndex(pixelRadius)];
}
