// Test helper: an offscreen context prepared for the overlay's text, whose glyphs report themselves, so that
// a test reads back the characters a draw would show.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "overlay/overlay.h"
#include "overlay/text.h"
#include "platform/clock.h"
#include "platform/frame_counter.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "support/gl_offscreen.h"

constexpr int Width = 640;
constexpr int Height = 480;

// Natively there is no Windows font: the glyph lists are replaced by ones that report their character
// through feedback mode, so the tests read back exactly the text that would be drawn.
inline void BuildReportingFont() {
    for (GLuint code = 0; code < 256; ++code) {
        glNewList(FontListBase + code, GL_COMPILE);
        glPassThrough(static_cast<GLfloat>(code));
        glEndList();
    }
}

template <class Draw>
std::string CaptureText(Draw draw) {
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    std::string text;
    for (GLint i = 0; i < count; ++i) {
        // Only glyph reports and bitmap tokens (one vertex each) occur in the overlay's output.
        if (buffer[i] == GL_PASS_THROUGH_TOKEN)
            text += static_cast<char>(buffer[++i]);
        else if (buffer[i] == GL_BITMAP_TOKEN)
            i += 2;
    }
    return text;
}

// A 640 × 480 context with the reporting glyphs and the overlay's lists, the frame counter as at process
// start and the factory setting, stored (so that no first-run prompt shows).
class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl_.ok());
        glViewport(0, 0, Width, Height);
        BuildReportingFont();
        BuildOverlayLists();
        ResetFrameRate();
        ApplyFactorySettings();
        SettingsStored = true;
    }
    void TearDown() override {
        ReleaseClock();
        ResetFrameRate();
        SettingsStored = false;
    }
    OffscreenGL gl_{Width, Height};
};
