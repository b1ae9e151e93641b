#include "settings/presets.h"

// Field order as in SceneLook:
//   Laser:    RenderingMode, StippleMode, StippleSize, SymmetryMode, LineWidth, AlphaLaser, SpeedLaser,
//             Stack, Doubled, Stencil, Antialias
//   Sprinkle: RouteA, RouteB, BlendingMode, Density, SpeedTexture, AlphaSprinkle
//   Colour:   ColorConst, ColorAmplitude, ColorGrads (radius, angle, time)
//   View:     FuncRadius, FuncAngle, RotateX, RotateY, RotateZ, SpeedView, DepthTest, DepthAmpl, DepthFreq
// clang-format off
const std::array<SceneLook, BuiltInLookCount> BuiltInLooks = {{
    // Default1: line strip, sun and blue planet
    {1, 0, 5, 0, 1.0f, 0.8, 10, 1, 0, 0, 1,
     1, 4, 0, 70, 10, 128,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000128, 0.0000096, 10},
     1, 0, 1, 0, 1, 10, 0, 0.04, 64},
    // Default2: circle chain, sun and star
    {7, 0, 5, 0, 1.0f, 0.8, 10, 1, 0, 0, 1,
     1, 2, 0, 70, 10, 192,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000096, 0.0000064, 10},
     1, 0, 1, 0, 1, 10, 0, 0.04, 64},
    // Default3: circle chain in four mirrored copies on tangent and exponential paths
    {7, 0, 5, 2, 1.0f, 0.8, 10, 1, 0, 0, 1,
     1, 4, 0, 100, 10, 511,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000128, 0.0000096, 10},
     3, 3, 0, 0, 1, 10, 0, 0.04, 64},
    // Default4: faint wide triangle fan, mirrored, on polynome paths
    {4, 0, 5, 1, 2.0f, 0.05, 10, 1, 0, 0, 1,
     1, 3, 0, 85, 10, 511,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000128, 0.0000096, 10},
     2, 2, 0, 0, 1, 10, 0, 0.04, 64},
    // Default5: tinted blue comets, darkening sprites, deep depth wave
    {9, 0, 5, 0, 0.6f, 1.0, 10, 1, 0, 0, 1,
     1, 4, 2, 70, 10, 192,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000096, 0.0000064, 10},
     1, 0, 1, 0, 1, 10, 0, 0.8, 64},
    // Default6: tinted blue comets alone, no trails, hidden-surface removal
    {9, 0, 5, 0, 0.5f, 1.0, 15, 0, 0, 0, 1,
     0, 0, 0, 70, 12, 255,
     {0.4, 0.4, 0.4}, {0.7, 0.7, 0.7}, {0.0000096, 0.0000032, 15},
     1, 0, 0, 1, 1, 7, 1, 1.0, 8},
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
