#include "settings/presets.h"

// Every look names each of its fields, in the order of SceneLook; the choices by their enumerators
// (settings/choices.h).
// clang-format off
const std::array<SceneLook, BuiltInLookCount> BuiltInLooks = {{
    // Default1: line strip, sun and blue planet
    {.RenderingMode = LaserLineStrip, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryNull, .LineWidth = 1.0f, .AlphaLaser = 0.8, .SpeedLaser = 10,
     .Stack = 1, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteSun, .RouteB = RouteBluePlanet, .BlendingMode = BlendLightening,
     .Density = 70, .SpeedTexture = 10, .AlphaSprinkle = 128,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000128, 0.0000096, 10},
     .FuncRadius = RadiusPower, .FuncAngle = AngleLinear,
     .RotateX = 1, .RotateY = 0, .RotateZ = 1, .SpeedView = 10,
     .DepthTest = 0, .DepthAmpl = 0.04, .DepthFreq = 64},
    // Default2: circle chain, sun and star
    {.RenderingMode = LaserCircleChain, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryNull, .LineWidth = 1.0f, .AlphaLaser = 0.8, .SpeedLaser = 10,
     .Stack = 1, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteSun, .RouteB = RouteStar, .BlendingMode = BlendLightening,
     .Density = 70, .SpeedTexture = 10, .AlphaSprinkle = 192,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000096, 0.0000064, 10},
     .FuncRadius = RadiusPower, .FuncAngle = AngleLinear,
     .RotateX = 1, .RotateY = 0, .RotateZ = 1, .SpeedView = 10,
     .DepthTest = 0, .DepthAmpl = 0.04, .DepthFreq = 64},
    // Default3: circle chain in four mirrored copies on tangent and exponential paths
    {.RenderingMode = LaserCircleChain, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryFourWay, .LineWidth = 1.0f, .AlphaLaser = 0.8, .SpeedLaser = 10,
     .Stack = 1, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteSun, .RouteB = RouteBluePlanet, .BlendingMode = BlendLightening,
     .Density = 100, .SpeedTexture = 10, .AlphaSprinkle = 511,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000128, 0.0000096, 10},
     .FuncRadius = RadiusTangent, .FuncAngle = AngleExponential,
     .RotateX = 0, .RotateY = 0, .RotateZ = 1, .SpeedView = 10,
     .DepthTest = 0, .DepthAmpl = 0.04, .DepthFreq = 64},
    // Default4: faint wide triangle fan, mirrored, on polynome paths
    {.RenderingMode = LaserTriangleFan, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryLeftRight, .LineWidth = 2.0f, .AlphaLaser = 0.05, .SpeedLaser = 10,
     .Stack = 1, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteSun, .RouteB = RouteFancyStar, .BlendingMode = BlendLightening,
     .Density = 85, .SpeedTexture = 10, .AlphaSprinkle = 511,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000128, 0.0000096, 10},
     .FuncRadius = RadiusPolynome, .FuncAngle = AnglePolynome,
     .RotateX = 0, .RotateY = 0, .RotateZ = 1, .SpeedView = 10,
     .DepthTest = 0, .DepthAmpl = 0.04, .DepthFreq = 64},
    // Default5: tinted blue comets, darkening sprites, deep depth wave
    {.RenderingMode = LaserBlueCometEx, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryNull, .LineWidth = 0.6f, .AlphaLaser = 1.0, .SpeedLaser = 10,
     .Stack = 1, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteSun, .RouteB = RouteBluePlanet, .BlendingMode = BlendDarkening,
     .Density = 70, .SpeedTexture = 10, .AlphaSprinkle = 192,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000096, 0.0000064, 10},
     .FuncRadius = RadiusPower, .FuncAngle = AngleLinear,
     .RotateX = 1, .RotateY = 0, .RotateZ = 1, .SpeedView = 10,
     .DepthTest = 0, .DepthAmpl = 0.8, .DepthFreq = 64},
    // Default6: tinted blue comets alone, no trails, hidden-surface removal
    {.RenderingMode = LaserBlueCometEx, .StippleMode = StippleNull, .StippleSize = 5,
     .SymmetryMode = SymmetryNull, .LineWidth = 0.5f, .AlphaLaser = 1.0, .SpeedLaser = 15,
     .Stack = 0, .Doubled = 0, .Stencil = 0, .Antialias = 1,
     .RouteA = RouteNull, .RouteB = RouteNull, .BlendingMode = BlendLightening,
     .Density = 70, .SpeedTexture = 12, .AlphaSprinkle = 255,
     .ColorConst = {0.4, 0.4, 0.4}, .ColorAmplitude = {0.7, 0.7, 0.7},
     .ColorGrads = {0.0000096, 0.0000032, 15},
     .FuncRadius = RadiusPower, .FuncAngle = AngleLinear,
     .RotateX = 0, .RotateY = 1, .RotateZ = 1, .SpeedView = 7,
     .DepthTest = 1, .DepthAmpl = 1.0, .DepthFreq = 8},
}};
// clang-format on

void Preset(uint32_t listIndex, SwitchSettings switchSettings) {
    if (switchSettings == SwitchSettings::Reset) {
        SceneSettings.Period = ResetPeriod;
        SceneSettings.AutoList = ResetAutoList;
    }
    if (listIndex >= BuiltInLookCount) return;
    static_cast<SceneLook&>(SceneSettings) = BuiltInLooks[listIndex];
}

void ApplyFactorySettings() {
    Preset(FactoryLook, SwitchSettings::Reset);
}
