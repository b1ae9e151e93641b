// The settings record: every value the user can adjust, and the few companion values that belong with it
// (the ten lists, the list indices, whether settings are stored, the random time phase).
//
// Field names are the registry value names. The look (fields that a built-in look sets and a saved list
// stores) is its own struct, so that applying or saving a look is one assignment.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/choices.h"

// How the Laser, the Sprinkle, the colours and the view look. Flags hold 0 (off) or 1 (on).
struct SceneLook {
    // Laser
    uint32_t RenderingMode;  // a LaserStyle; LaserNull draws no Laser
    int32_t StippleMode;     // a StippleChoice
    int32_t StippleSize;     // screen pixels per stipple bit
    int32_t SymmetryMode;    // a SymmetryChoice: once, mirrored left-right, or four mirrored copies
    float LineWidth;         // pixels
    double AlphaLaser;       // 0.0-1.0
    uint32_t SpeedLaser;     // 0-100
    int32_t Stack;           // flag: keep the picture between frames, so trails pile up
    int32_t Doubled;         // flag: half-speed Laser with a mirrored twin of every point
    int32_t Stencil;         // flag: the Laser only opens a stencil window for the Sprinkle
    int32_t Antialias;       // flag: smoothed lines

    // Sprinkle
    int32_t RouteA;          // a RouteChoice: the sprite of the first path
    int32_t RouteB;          // a RouteChoice: the sprite of the mirrored path
    int32_t BlendingMode;    // a BlendingChoice
    uint32_t Density;        // 0-90 on the slider, built-in looks use up to 100
    uint32_t SpeedTexture;   // 0-100
    uint32_t AlphaSprinkle;  // 0-511, divided by 255

    // Colour, channels in the order red, green, blue
    double ColorConst[3];      // 0.0-1.0
    double ColorAmplitude[3];  // 0.0-1.0
    double ColorGrads[3];      // weights of radius (0-0.001), angle (0-0.001) and time (0-100)

    // View and general
    uint32_t FuncRadius;  // a RadiusFunction
    uint32_t FuncAngle;   // an AngleFunction
    int32_t RotateX;      // flag
    int32_t RotateY;      // flag
    int32_t RotateZ;      // flag: the point looked at wanders and the view rolls
    uint32_t SpeedView;   // 0-100
    int32_t DepthTest;    // flag: hidden-surface removal
    double DepthAmpl;     // -1.0 to +1.0
    double DepthFreq;     // whole numbers 0-511
};

// The look plus the switch settings, which live only in the main settings key.
struct SettingsRecord : SceneLook {
    int32_t Period;       // auto-switch period in seconds; 0 switches it off
    int32_t AutoList;     // bit i: list i takes part in the auto-switch
    int32_t SavedList;    // bit i: saved list i (6-9) is stored
    int32_t OffSprinkle;  // not 0: the Sprinkle is never drawn
};

extern SettingsRecord SceneSettings;

// The ten lists: 0-5 the built-in looks, 6-9 the looks the user saved.
constexpr uint32_t ListCount = 10;
constexpr uint32_t BuiltInLookCount = 6;
constexpr uint32_t FirstSavedList = BuiltInLookCount;
// A saved list's display name keeps at most this many characters.
constexpr size_t MaxListNameLength = 63;

constexpr std::array<int32_t, ListCount> ListBits = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512};
extern const std::array<const char*, ListCount> ListKeys;
extern std::array<std::string, ListCount> ListNames;

extern uint32_t CurrentList;     // the list applied last by the auto-switch or the start-up choice
extern bool CurrentListApplied;  // this run applied CurrentList; until then it is only where draws start
extern uint32_t SelectedList;    // the list selected on the Switch page
extern bool SettingsStored;      // the registry is known to hold settings of this program's format
extern double TimePhase;  // a random whole number 0-32767 drawn at start-up, added to every animation time

// Renames saved list 6-9, keeping at most MaxListNameLength characters of the text. The built-in lists keep
// their names: any other index changes nothing.
void SetListName(uint32_t list, const char* name);
