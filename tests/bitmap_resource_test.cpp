// The Windows build's bitmaps: the textures of a render window come from the program's own bitmap resources
// (this test program links the resource script).
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "platform/user_message.h"
#include "render/textures.h"
#include "settings/presets.h"
#include "window/render_window.h"

namespace {

std::vector<std::string> Messages;
void Collect(const char* text, const char*, MessageIcon) {
    Messages.push_back(text);
}

GLint Level(GLuint texture, int level, GLenum parameter) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    return value;
}

class BitmapResourceTest : public testing::Test {
protected:
    void SetUp() override {
        Messages.clear();
        SetUserMessageObserver(Collect);
        ApplyFactorySettings();
        ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    }
    void TearDown() override {
        DestroyRenderWindow();
        SetUserMessageObserver(nullptr);
    }
};

TEST_F(BitmapResourceTest, TexturesComeFromTheProgramsBitmaps) {
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    EXPECT_EQ(Level(SpriteTextures[0], 0, GL_TEXTURE_WIDTH), 128);
    EXPECT_EQ(Level(SpriteTextures[4], 0, GL_TEXTURE_HEIGHT), 64);  // milky way
    EXPECT_EQ(Level(StripTextures[1], 0, GL_TEXTURE_HEIGHT), 128);  // halley comet
    EXPECT_EQ(Level(StripTextures[3], 0, GL_TEXTURE_WIDTH), 256);   // and again for the plastic tube
    EXPECT_EQ(Level(StripTextures[2], 1, GL_TEXTURE_WIDTH), 128);   // gold stick, mipmapped
    EXPECT_EQ(Level(StripTextures[0], 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB4);
}

}  // namespace
