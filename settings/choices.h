// The settings that choose one entry of a list: their values, named, each enumeration ending with its count.
// Every table indexed by one of these settings is sized from that count, and a static_assert beside the table
// fails to compile when the two part. Adding a value means editing its enumeration here and the tables it
// names; stored values outside 0 to count − 1 are kept within the range when they are loaded
// (settings/stored_values.cpp) and checked again by every table lookup.
#pragma once

#include <cstdint>

// RenderingMode, the Laser's style. Tables: the style table in render/laser.cpp, the Laser page's combo items
// in config_ui/settings_pages.cpp.
enum LaserStyle : uint32_t {
    LaserNull,  // draws no Laser
    LaserLineStrip,
    LaserLines,
    LaserTriangleStrip,
    LaserTriangleFan,
    LaserTriangles,
    LaserEllipse,  // the first style that draws one shape per segment rather than OpenGL primitives through
                   // points
    LaserCircleChain,
    LaserBlueComet,  // the first textured style
    LaserBlueCometEx,
    LaserHalleyComet,
    LaserHalleyCometEx,
    LaserGoldStick,
    LaserGoldStickEx,
    LaserPlasticTube,
    LaserStyleCount
};

// The first style that draws shapes along the segments, and the first that draws textured strips; the styles
// below FirstTexturedMode draw plain lines, which alone can be stippled and smoothed.
constexpr uint32_t FirstSegmentMode = LaserEllipse;
constexpr uint32_t FirstTexturedMode = LaserBlueComet;

// Whether RenderingMode names a Laser style. "NULL" and any stored value beyond the styles draw no Laser, and
// the frame is then cleared as without one.
constexpr bool DrawsLaser(uint32_t renderingMode) {
    return renderingMode != LaserNull && renderingMode < LaserStyleCount;
}

// StippleMode, named after the pictures the Laser page shows. Tables: the stipple patterns in
// render/laser.cpp, the combo items.
enum StippleChoice : int32_t { StippleNull, StippleDotted, StippleSparse, StippleDashDot, StippleModeCount };

// SymmetryMode. Tables: the mirror sets in render/laser.cpp, the combo items.
enum SymmetryChoice : int32_t { SymmetryNull, SymmetryLeftRight, SymmetryFourWay, SymmetryModeCount };

// BlendingMode, how the sprites meet the picture. Tables: the blend factors in render/sprinkle.cpp, the combo
// items.
enum BlendingChoice : int32_t { BlendLightening, BlendGreying, BlendDarkening, BlendingModeCount };

// RouteA and RouteB, the sprite picture of each path. Tables: the sprite pictures and sizes in
// render/textures.{h,cpp} (one per route but "NULL"), the combo items of both texture combos.
enum RouteChoice : int32_t {
    RouteNull,  // draws no sprite
    RouteSun,
    RouteStar,
    RouteFancyStar,
    RouteBluePlanet,
    RouteMilkyWay,
    RouteCount
};

// FuncRadius and FuncAngle, the recursion functions of the path. Tables: the steps in render/recursion.cpp,
// the General page's combo items.
enum RadiusFunction : uint32_t {
    RadiusLinear,
    RadiusPower,
    RadiusPolynome,
    RadiusTangent,
    RadiusFunctionCount
};
enum AngleFunction : uint32_t {
    AngleLinear,
    AnglePower,
    AnglePolynome,
    AngleExponential,
    AngleFunctionCount
};
