#include "support/scene_gl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "overlay/overlay.h"
#include "platform/bitmap_source.h"
#include "render/textures.h"
#include "resources/resource_ids.h"
#include "window/gl_setup.h"

namespace {

void PutLittle(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

struct TestPicture {
    int resourceId;
    int width;
    int height;
};
// The program's sizes divided by 8: small, but with the same shapes.
constexpr TestPicture TestPictures[] = {
    {IDB_SUN, 16, 16},      {IDB_STAR, 16, 16},      {IDB_FANCY_STAR, 16, 16},   {IDB_BLUE_PLANET, 16, 16},
    {IDB_MILKY_WAY, 16, 8}, {IDB_BLUE_COMET, 32, 8}, {IDB_HALLEY_COMET, 32, 16}, {IDB_GOLD_STICK, 32, 4},
};

}  // namespace

bool WriteTestBitmap(const std::string& path, int width, int height,
                     const std::function<Rgb8(int, int)>& pixel) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> bytes = {'B', 'M'};
    PutLittle(bytes, 54 + imageSize, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, 54, 4);
    PutLittle(bytes, 40, 4);
    PutLittle(bytes, static_cast<uint32_t>(width), 4);
    PutLittle(bytes, static_cast<uint32_t>(height), 4);
    PutLittle(bytes, 1, 2);
    PutLittle(bytes, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLittle(bytes, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb8 c = pixel(x, y);
            bytes.insert(bytes.end(), {c[2], c[1], c[0]});
        }
        bytes.resize(bytes.size() + (stride - static_cast<uint32_t>(width) * 3), 0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string MakeTestBitmapFolder(const std::vector<int>& leaveOut) {
    static int serial = 0;
    const std::string folder =
        testing::TempDir() + "plumora_bitmaps_" + std::to_string(getpid()) + "_" + std::to_string(serial++);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const TestPicture& picture : TestPictures) {
        if (std::find(leaveOut.begin(), leaveOut.end(), picture.resourceId) != leaveOut.end()) continue;
        const int half = picture.height / 2;
        const auto pixel = [&](int, int y) -> Rgb8 {
            if (picture.resourceId == IDB_STAR) return {0, 255, 0};
            if (picture.resourceId == IDB_SUN) return y < half ? Rgb8{255, 0, 0} : Rgb8{0, 255, 0};
            return {255, 255, 255};
        };
        WriteTestBitmap(folder + "/" + BitmapFileName(picture.resourceId) + ".bmp", picture.width,
                        picture.height, pixel);
    }
    return folder;
}

SceneGL::SceneGL(int width, int height) : width_(width), height_(height), gl_(width, height) {
    if (!gl_.ok()) return;
    SetBitmapFolder(MakeTestBitmapFolder());
    LoadTextures();
    BuildDisplayLists();
    BuildOverlayLists();
    SetFixedGLState(false);
    ResizeScene(width, height);
}

std::vector<uint8_t> SceneGL::ReadColour() const {
    std::vector<uint8_t> pixels(static_cast<size_t>(width_) * height_ * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void UseFlatView(double extent, int size) {
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -FlatViewDepth, FlatViewDepth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

CommonColour MostCommonColour(const std::vector<uint8_t>& rgb, Rgb8 background) {
    std::map<Rgb8, size_t> counts;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
        const Rgb8 c = {rgb[i], rgb[i + 1], rgb[i + 2]};
        if (c != background) ++counts[c];
    }
    CommonColour common{background, 0};
    for (const auto& [colour, count] : counts)
        if (count > common.count) common = {colour, count};
    return common;
}

void SetTestColours(SettingsRecord& settings) {
    for (int c = 0; c < 3; ++c) {
        settings.ColorConst[c] = 0.5;
        settings.ColorAmplitude[c] = 0.4;
    }
    settings.ColorGrads[0] = 0.0001;
    settings.ColorGrads[1] = 0.01;
    settings.ColorGrads[2] = 1;
}

std::array<double, 3> TestColourAt(double r, double a, double time, double blueRadius) {
    return {std::sin(std::sin(0.0001 * 51 * r + 0.01 * 0.5 * a + 3 * time) * 5) * 0.4 + 0.5,
            std::cos(std::cos(0.0001 * 70 * r + 0.01 * 0.9 * a + 2 * time) * 2) * 0.4 + 0.5,
            std::sin(std::cos(0.0001 * blueRadius * r + 0.01 * 0.5 * a + time) * 2) * 0.4 + 0.5};
}

RendererExit ReadRendererExit() {
    RendererExit exit{};
    exit.depthTest = glIsEnabled(GL_DEPTH_TEST);
    exit.stencilTest = glIsEnabled(GL_STENCIL_TEST);
    exit.blend = glIsEnabled(GL_BLEND);
    exit.texture2D = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &exit.modelviewDepth);
    return exit;
}
