#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/clock.h"
#include "render/view.h"
#include "settings/scene_settings.h"
#include "support/gl_offscreen.h"

namespace {

using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it
constexpr double Pi = 3.141592653589793;

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                m[c * 4 + r] += a[k * 4 + r] * b[c * 4 + k];
    return m;
}

// The camera matrix of an eye looking at a centre, built from its three axes.
Matrix LookAt(const std::array<double, 3>& eye, const std::array<double, 3>& centre,
              const std::array<double, 3>& up) {
    auto normalise = [](std::array<double, 3> v) {
        const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        return std::array<double, 3>{v[0] / n, v[1] / n, v[2] / n};
    };
    auto cross = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
        return std::array<double, 3>{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                     a[0] * b[1] - a[1] * b[0]};
    };
    const auto f = normalise({centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]});
    const auto s = normalise(cross(f, up));
    const auto u = cross(s, f);
    Matrix m = {s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1};
    for (int r = 0; r < 3; ++r)
        m[12 + r] = -(m[r] * eye[0] + m[4 + r] * eye[1] + m[8 + r] * eye[2]);
    return m;
}

Matrix Rotation(double degrees, int axis) {
    const double a = degrees * Pi / 180, c = std::cos(a), s = std::sin(a);
    Matrix m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;  // the plane the rotation turns
    m[i * 4 + i] = c;
    m[j * 4 + j] = c;
    m[i * 4 + j] = s;
    m[j * 4 + i] = -s;
    return m;
}

Matrix CurrentModelview() {
    Matrix m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// Mesa keeps its matrices in single precision.
void ExpectNear(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 4e-6 * (1 + std::fabs(expected[i]))) << i;
}

class SetupViewTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl.ok());
        SceneSettings = {};
        SceneSettings.SpeedView = 10;
        TimePhase = 1234;
        FixClock(56789);
    }
    void TearDown() override { ReleaseClock(); }
    double ViewTime() const { return 56789 * (10 * 0.005 / 1000) + 1234; }
    OffscreenGL gl{64, 64};
};

TEST_F(SetupViewTest, WithTheFlagsOffTheCameraOnlyDriftsInDepth) {
    glMatrixMode(GL_PROJECTION);
    SetupView(SceneSettings);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    const double eye = (0.2 * std::sin(10 * ViewTime()) + 0.7) * 1500;
    ExpectNear(CurrentModelview(), LookAt({0, 0, eye}, {1, 0, 0}, {0, 1, 0}));
}

TEST_F(SetupViewTest, TheFlagsWanderRollAndTurnTheScene) {
    SceneSettings.RotateX = SceneSettings.RotateY = SceneSettings.RotateZ = 1;
    SetupView(SceneSettings);

    const double t = ViewTime();
    const double eye = (0.2 * std::sin(10 * t) + 0.7) * 1500;
    const double x = 200 * std::cos(5.5 * t), y = 150 * std::cos(8.1 * t);
    const double aboutY = std::cos(3.1 * t) * 360 * std::cos(3 * t);
    const double aboutX = std::sin(3.1 * t) * 360 * std::sin(3 * t);
    const Matrix expected = Multiply(Multiply(LookAt({0, 0, eye}, {x, y, 0}, {y, x, 0}), Rotation(aboutY, 1)),
                                     Rotation(aboutX, 0));
    ExpectNear(CurrentModelview(), expected);

    // Each flag alone turns the scene about its own axis.
    const Matrix camera = LookAt({0, 0, eye}, {1, 0, 0}, {0, 1, 0});
    SceneSettings.RotateY = SceneSettings.RotateZ = 0;
    SetupView(SceneSettings);
    ExpectNear(CurrentModelview(), Multiply(camera, Rotation(aboutX, 0)));
    SceneSettings.RotateX = 0;
    SceneSettings.RotateY = 1;
    SetupView(SceneSettings);
    ExpectNear(CurrentModelview(), Multiply(camera, Rotation(aboutY, 1)));
}

TEST_F(SetupViewTest, TheSameClockAndPhaseGiveTheSamePoseAndSpeedZeroStandsStill) {
    SceneSettings.RotateZ = 1;
    SetupView(SceneSettings);
    const Matrix first = CurrentModelview();
    glLoadIdentity();
    SetupView(SceneSettings);
    EXPECT_EQ(CurrentModelview(), first);

    SceneSettings.SpeedView = 0;
    SetupView(SceneSettings);
    const Matrix still = CurrentModelview();
    FixClock(999999);
    SetupView(SceneSettings);
    EXPECT_EQ(CurrentModelview(), still);
}

}  // namespace
