// The screen-saver command line: which mode the program runs in, and the window handle that the
// configure, preview and password modes are given.
#pragma once

#include <cstdint>

enum RunModeValue : int32_t { Config = 0, Preview = 1, Password = 2, Saver = 3, Other = 4 };

struct ParsedCommandLine {
    RunModeValue mode;
    // The handle given after the letter (0 when none was parsed), or, when the mode takes a handle but
    // none follows, the foreground window.
    uint64_t parentWindow;
    bool ownerIsForegroundWindow;
};

// Parses the whole process command line. The program's path comes first, in quotes when Windows quoted it
// (a path with blanks), otherwise up to the first blank; the rest is split at blanks only. From the start of
// the argument the first letter decides the mode, scanning on through the words that follow; for the modes
// that take a handle the first run of digits after the letter is the handle. With no argument the mode is
// Config, and with no letter anywhere it is Other.
ParsedCommandLine ParseCommandLine(const char* commandLine);
