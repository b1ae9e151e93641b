// The settings that choose one entry of a list: their values, named, each enumeration ending with its count,
// and the names the pages show for them, item index = value. Every table indexed by one of these settings is
// sized from that count, and a static_assert beside the table fails to compile when the two part. Adding a
// value means editing its enumeration and its names here, and the renderer's table it names; stored values
// outside 0 to count − 1 are kept within the range when they are loaded (settings/stored_values.cpp) and
// checked again by every table lookup. New values go at the end of their enumeration: a stored look holds
// the numbers, and a value moved up would turn every saved look that uses a later one into another.
//
// The names are wide so that the symmetry items show real arrows whatever the system's ANSI code page is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

// The items of a page's combo box: names[value] for every value of the setting.
struct ChoiceNames {
    const wchar_t* const* names;
    size_t count;
};

template <size_t Count>
constexpr ChoiceNames NamesOf(const wchar_t* const (&names)[Count]) {
    return {names, Count};
}
template <size_t Count>
constexpr ChoiceNames NamesOf(const std::array<const wchar_t*, Count>& names) {
    return {names.data(), Count};
}

// RenderingMode, the Laser's style. Tables: the style table below and the Laser's own in render/laser.cpp.
enum LaserStyle : uint32_t {
    LaserNull,  // draws no Laser
    LaserLineStrip,
    LaserLines,
    LaserTriangleStrip,
    LaserTriangleFan,
    LaserTriangles,
    LaserEllipse,
    LaserCircleChain,
    LaserBlueComet,
    LaserBlueCometEx,
    LaserHalleyComet,
    LaserHalleyCometEx,
    LaserGoldStick,
    LaserGoldStickEx,
    LaserPlasticTube,
    LaserStyleCount
};

// How a Laser style draws: OpenGL primitives through the path's points, one shape along every segment, or a
// textured strip over every segment. Points and shapes are plain lines, which alone can be stippled and
// smoothed.
enum class LaserKind : uint8_t { None, Points, Shapes, Strip };

// Each style's kind and the name the Laser page shows. The rows name their style, so their order is free;
// the names still appear in the order of the enumeration.
struct LaserStyleRow {
    LaserStyle style;
    LaserKind kind;
    const wchar_t* name;
};
inline constexpr LaserStyleRow LaserStyleRows[] = {
    {LaserNull, LaserKind::None, L"NULL"},
    {LaserLineStrip, LaserKind::Points, L"line strip"},
    {LaserLines, LaserKind::Points, L"lines"},
    {LaserTriangleStrip, LaserKind::Points, L"triangle strip"},
    {LaserTriangleFan, LaserKind::Points, L"triangle fan"},
    {LaserTriangles, LaserKind::Points, L"triangles"},
    {LaserEllipse, LaserKind::Shapes, L"ellipse"},
    {LaserCircleChain, LaserKind::Shapes, L"circle chain"},
    {LaserBlueComet, LaserKind::Strip, L"blue comet"},
    {LaserBlueCometEx, LaserKind::Strip, L"blue comet Ex"},
    {LaserHalleyComet, LaserKind::Strip, L"halley comet"},
    {LaserHalleyCometEx, LaserKind::Strip, L"halley comet Ex"},
    {LaserGoldStick, LaserKind::Strip, L"gold stick"},
    {LaserGoldStickEx, LaserKind::Strip, L"gold stick Ex"},
    {LaserPlasticTube, LaserKind::Strip, L"plastic tube"},
};

// Whether every style has exactly one row.
constexpr bool EveryStyleHasOneRow() {
    std::array<int, LaserStyleCount> rows{};
    for (const LaserStyleRow& row : LaserStyleRows) {
        if (row.style >= LaserStyleCount) return false;
        ++rows[row.style];
    }
    for (const int count : rows)
        if (count != 1) return false;
    return std::size(LaserStyleRows) == LaserStyleCount;
}
static_assert(EveryStyleHasOneRow(), "one row per Laser style");

// The rows in the order of the enumeration.
inline constexpr std::array<LaserStyleRow, LaserStyleCount> LaserStylesInOrder = [] {
    std::array<LaserStyleRow, LaserStyleCount> ordered{};
    for (const LaserStyleRow& row : LaserStyleRows)
        ordered[row.style] = row;
    return ordered;
}();

inline constexpr std::array<const wchar_t*, LaserStyleCount> LaserStyleNames = [] {
    std::array<const wchar_t*, LaserStyleCount> names{};
    for (const LaserStyleRow& row : LaserStyleRows)
        names[row.style] = row.name;
    return names;
}();

// The kind of a stored RenderingMode: None for "NULL" and for any value beyond the styles.
constexpr LaserKind LaserKindOf(uint32_t renderingMode) {
    return renderingMode < LaserStyleCount ? LaserStylesInOrder[renderingMode].kind : LaserKind::None;
}

// Whether RenderingMode names a Laser style. "NULL" and any stored value beyond the styles draw no Laser, and
// the frame is then cleared as without one.
constexpr bool DrawsLaser(uint32_t renderingMode) {
    return LaserKindOf(renderingMode) != LaserKind::None;
}

// StippleMode, named after the pictures the Laser page shows. Tables: the stipple patterns in
// render/laser.cpp.
enum StippleChoice : int32_t { StippleNull, StippleDotted, StippleSparse, StippleDashDot, StippleModeCount };
inline constexpr const wchar_t* StippleNames[] = {L"NULL", L"- - - - - - - - ", L"            ----",
                                                  L"    --    ----"};
static_assert(std::size(StippleNames) == StippleModeCount, "one name per stipple choice");

// SymmetryMode. Tables: the mirror sets in render/laser.cpp.
enum SymmetryChoice : int32_t { SymmetryNull, SymmetryLeftRight, SymmetryFourWay, SymmetryModeCount };
inline constexpr const wchar_t* SymmetryNames[] = {L"NULL", L"\u2190\u2192", L"\u2190\u2192\u2191\u2193"};
static_assert(std::size(SymmetryNames) == SymmetryModeCount, "one name per symmetry choice");

// BlendingMode, how the sprites meet the picture. Tables: the blend factors in render/sprinkle.cpp.
enum BlendingChoice : int32_t { BlendLightening, BlendGreying, BlendDarkening, BlendingModeCount };
inline constexpr const wchar_t* BlendingNames[] = {L"lightening", L"greying", L"darkening"};
static_assert(std::size(BlendingNames) == BlendingModeCount, "one name per blending choice");

// RouteA and RouteB, the sprite picture of each path. Tables: the sprite pictures and sizes in
// render/textures.{h,cpp} (one per route but "NULL"); both texture combos show the same names.
enum RouteChoice : int32_t {
    RouteNull,  // draws no sprite
    RouteSun,
    RouteStar,
    RouteFancyStar,
    RouteBluePlanet,
    RouteMilkyWay,
    RouteCount
};
inline constexpr const wchar_t* RouteNames[] = {L"NULL",       L"sun",         L"star",
                                                L"fancy star", L"blue planet", L"milky way"};
static_assert(std::size(RouteNames) == RouteCount, "one name per route");

// FuncRadius and FuncAngle, the recursion functions of the path. Tables: the steps in render/recursion.cpp.
enum RadiusFunction : uint32_t {
    RadiusLinear,
    RadiusPower,
    RadiusPolynome,
    RadiusTangent,
    RadiusFunctionCount
};
inline constexpr const wchar_t* RadiusFunctionNames[] = {L"Linear", L"Power", L"polynome", L"Tangent"};
static_assert(std::size(RadiusFunctionNames) == RadiusFunctionCount, "one name per radius function");

enum AngleFunction : uint32_t {
    AngleLinear,
    AnglePower,
    AnglePolynome,
    AngleExponential,
    AngleFunctionCount
};
inline constexpr const wchar_t* AngleFunctionNames[] = {L"Linear", L"Power", L"polynome", L"Exponential"};
static_assert(std::size(AngleFunctionNames) == AngleFunctionCount, "one name per angle function");
