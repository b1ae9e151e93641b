// Test helper for the Windows tests around the render window: every test starts from the factory setting
// with the messages to the user collected as "caption: text", and ends with no render window and the real
// clock.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/user_message.h"
#include "settings/presets.h"
#include "window/render_window.h"

// Messages shown while a test runs.
inline std::vector<std::string> Messages;

inline void Collect(const char* text, const char* caption, MessageIcon) {
    Messages.push_back(std::string(caption) + ": " + text);
}

class RenderWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Messages.clear();
        SetUserMessageObserver(Collect);
        ApplyFactorySettings();
    }
    void TearDown() override {
        if (RenderWindow != nullptr) DestroyRenderWindow();
        SetUserMessageObserver(nullptr);
        ReleaseClock();
    }
};
