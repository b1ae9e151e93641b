#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/bitmap_source.h"
#include "platform/user_message.h"
#include "render/textures.h"
#include "resources/resource_ids.h"
#include "support/scene_gl.h"

namespace {

struct Message {
    std::string text, caption;
    MessageIcon icon;
};
std::vector<Message> Messages;
void Collect(const char* text, const char* caption, MessageIcon icon) {
    Messages.push_back({text, caption, icon});
}

class TexturesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl.ok());
        Messages.clear();
        SetUserMessageObserver(Collect);
    }
    void TearDown() override { SetUserMessageObserver(nullptr); }

    static GLint Level(GLuint texture, int level, GLenum parameter) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
        return value;
    }
    static GLint Filter(GLuint texture, GLenum which) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
        return value;
    }

    OffscreenGL gl{200, 200};
};

TEST_F(TexturesTest, EveryPictureLoadsWithFourBitsPerChannelAndItsFilters) {
    SetBitmapFolder(MakeTestBitmapFolder());
    LoadTextures();
    BuildDisplayLists();
    EXPECT_TRUE(Messages.empty());

    for (GLuint texture : SpriteTextures) {
        EXPECT_EQ(Level(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB4);
        EXPECT_EQ(Filter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
        EXPECT_EQ(Filter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    }
    EXPECT_EQ(Level(SpriteTextures[4], 0, GL_TEXTURE_HEIGHT), 8);  // milky way: half as high as wide

    for (GLuint texture : StripTextures) {
        EXPECT_EQ(Level(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB4);
        EXPECT_EQ(Filter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
        EXPECT_EQ(Level(texture, 1, GL_TEXTURE_WIDTH), 16);  // the mipmap chain is there
    }
    // The halley comet picture serves two strips, in two textures of its own.
    EXPECT_NE(StripTextures[1], StripTextures[3]);
    EXPECT_EQ(Level(StripTextures[3], 0, GL_TEXTURE_HEIGHT), 16);
}

TEST_F(TexturesTest, EachMissingPictureIsReportedAndTheListsAreStillBuilt) {
    SetBitmapFolder(
        MakeTestBitmapFolder({IDB_STAR, IDB_HALLEY_COMET}));  // star, and the halley comet loaded twice
    LoadTextures();
    BuildDisplayLists();
    ASSERT_EQ(Messages.size(), 3u);
    for (const Message& m : Messages) {
        EXPECT_EQ(m.text, "Load image Failed.");
        EXPECT_EQ(m.caption, "ERROR");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    EXPECT_TRUE(glIsList(LaserList));
    for (GLuint list : CircleLists)
        EXPECT_TRUE(glIsList(list));
    EXPECT_EQ(Level(SpriteTextures[0], 0, GL_TEXTURE_WIDTH), 16);  // the others still load
}

// The first stored row of a bitmap is its bottom: the "sun" test picture, red below and green above, shows
// red at the bottom of a square whose bottom edge has texture row 0, as the Sprinkle's squares have.
TEST_F(TexturesTest, PicturesStandUprightOnTheirSprites) {
    SetBitmapFolder(MakeTestBitmapFolder());
    LoadTextures();
    BuildDisplayLists();
    UseFlatView(1, 200);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, SpriteTextures[0]);
    glBegin(GL_QUADS);  // fills the view
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    uint8_t bottom[3], top[3];
    glReadPixels(100, 20, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, bottom);
    glReadPixels(100, 180, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, top);
    EXPECT_EQ(bottom[0], 255);
    EXPECT_EQ(bottom[1], 0);
    EXPECT_EQ(top[0], 0);
    EXPECT_EQ(top[1], 255);
}

// How many segments a circle needs, worked out from the stray of a chord over 2π / N of a circle of radius
// R: R (1 − cos(π / N)) at most a quarter of a pixel, with the fewest segments that manage it.
TEST(CircleSegments, AnOutlineStraysAtMostAQuarterPixel) {
    const std::pair<double, int> cases[] = {
        {0, 8},    {3, 8},      {3.5, 12},   {10, 16},
        {29, 24},  {50, 32},    {100, 48},   {250, 72},
        {450, 96}, {1000, 144}, {5000, 144}, {std::numeric_limits<double>::infinity(), 144},
    };
    for (const auto& [radius, segments] : cases)
        EXPECT_EQ(CircleSegmentsFor(radius), segments) << radius << " pixels";
    EXPECT_EQ(CircleSegmentsFor(std::nan("")), 144);
}

}  // namespace
