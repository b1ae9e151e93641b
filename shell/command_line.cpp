#include "shell/command_line.h"

#include <limits>

namespace {

// The C locale's isalpha and isdigit, without their undefined behaviour for negative characters.
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

RunModeValue ModeOfLetter(char letter) {
    switch (letter) {
        case 'A':
        case 'a': return Password;
        case 'C':
        case 'c': return Config;
        case 'L':
        case 'l':
        case 'P':
        case 'p': return Preview;
        case 'S':
        case 's': return Saver;
        default: return Other;
    }
}

// The digits at text as a number, saturating rather than overflowing.
uint64_t ParseHandle(const char* text) {
    uint64_t value = 0;
    constexpr uint64_t Max = std::numeric_limits<uint64_t>::max();
    for (; IsDigit(*text); ++text) {
        const uint64_t digit = static_cast<uint64_t>(*text - '0');
        value = value > (Max - digit) / 10 ? Max : value * 10 + digit;
    }
    return value;
}

// Past the program's path as Windows writes it: in quotes when it holds a blank (the argument follows the
// closing quote), otherwise up to the first blank. A quote that never closes takes the whole line.
const char* SkipProgramPath(const char* cursor) {
    while (*cursor == ' ')
        ++cursor;
    if (*cursor == '"') {
        ++cursor;
        while (*cursor != '\0' && *cursor != '"')
            ++cursor;
        return *cursor == '"' ? cursor + 1 : cursor;
    }
    while (*cursor != '\0' && *cursor != ' ')
        ++cursor;
    return cursor;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const char* commandLine) {
    ParsedCommandLine parsed{Config, 0, false};
    if (commandLine == nullptr) return parsed;

    const char* cursor = SkipProgramPath(commandLine);
    while (*cursor == ' ')
        ++cursor;
    if (*cursor == '\0') return parsed;  // no argument

    while (*cursor != '\0' && !IsLetter(*cursor))
        ++cursor;
    if (*cursor == '\0') {
        parsed.mode = Other;
        return parsed;
    }
    parsed.mode = ModeOfLetter(*cursor);
    if (parsed.mode == Saver || parsed.mode == Other) return parsed;

    while (*cursor != '\0' && !IsDigit(*cursor))
        ++cursor;
    if (*cursor == '\0')
        parsed.ownerIsForegroundWindow = true;
    else
        parsed.parentWindow = ParseHandle(cursor);
    return parsed;
}
