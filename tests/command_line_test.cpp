#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

struct Case {
    const char* line;
    RunModeValue mode;
    uint64_t parent;
    bool foreground;
};

TEST(ParseCommandLine, ScreenSaverArguments) {
    const Case cases[] = {
        {"C:\\Savers\\Plumora.scr", Config, 0, false},
        {"Plumora.scr   ", Config, 0, false},
        {"Plumora.scr /c", Config, 0, true},
        {"Plumora.scr /C:0", Config, 0, false},
        {"Plumora.scr /c:1234", Config, 1234, false},
        {"Plumora.scr /p 1234", Preview, 1234, false},
        {"Plumora.scr /l 1234", Preview, 1234, false},
        {"Plumora.scr /a", Password, 0, true},
        {"Plumora.scr /a 99", Password, 99, false},
        {"Plumora.scr /s", Saver, 0, false},
        {"Plumora.scr /s 1234", Saver, 0, false},
        {"Plumora.scr -S", Saver, 0, false},
        {"Plumora.scr s", Saver, 0, false},
        {"Plumora.scr //s", Saver, 0, false},
        {"Plumora.scr /x", Other, 0, false},
        {"Plumora.scr /d", Other, 0, false},
        // The scan for the letter, and for the handle after it, runs on through the following words.
        {"Plumora.scr // 12 /c 34", Config, 34, false},
        {"Plumora.scr /c // 7", Config, 7, false},
        // A path in quotes, as Windows writes one with blanks, is skipped whole; the argument may follow
        // the closing quote at once. A quote that never closes takes the whole line.
        {"\"C:\\Program Files\\Plumora.scr\" /c", Config, 0, true},
        {"\"C:\\My Savers\\Plumora.scr\" /p 1234", Preview, 1234, false},
        {"\"C:\\My Savers\\Plumora.scr\"", Config, 0, false},
        {"  \"C:\\Plumora.scr\"/s", Saver, 0, false},
        {"\"C:\\My Savers\\Plumora.scr /s", Config, 0, false},
        // Unquoted, the path ends at the first blank, and what follows is the argument.
        {"C:\\Apps Plumora.scr /s", Preview, 0, true},
        // No letter anywhere: the scan stops at the end of the line.
        {"Plumora.scr /123", Other, 0, false},
        {"Plumora.scr -- //", Other, 0, false},
        // A handle too long for any number saturates instead of overflowing.
        {"Plumora.scr /c:99999999999999999999999", Config, UINT64_MAX, false},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.line);
        EXPECT_EQ(parsed.mode, c.mode) << c.line;
        EXPECT_EQ(parsed.parentWindow, c.parent) << c.line;
        EXPECT_EQ(parsed.ownerIsForegroundWindow, c.foreground) << c.line;
    }
}

}  // namespace
