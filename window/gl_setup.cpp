#include "window/gl_setup.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

#include "render/recursion.h"

bool ExtensionListHas(const char* extensions, const char* name) {
    if (extensions == nullptr || name == nullptr) return false;
    const size_t length = strlen(name);
    for (const char* word = extensions; *word != '\0';) {
        const size_t wordLength = strcspn(word, " ");
        if (wordLength == length && strncmp(word, name, length) == 0) return true;
        word += wordLength;
        if (*word == ' ') ++word;
    }
    return false;
}

bool SwapControlOffered(const char* glExtensions, const char* wglExtensions) {
    return ExtensionListHas(glExtensions, "WGL_EXT_swap_control") ||
           ExtensionListHas(wglExtensions, "WGL_EXT_swap_control");
}

int DisplayRefreshRate = 0;

bool VendorCopiesFrontBuffer(const char* vendor, bool fullScreen) {
    if (vendor != nullptr && (strcmp(vendor, "Intel") == 0 || strcmp(vendor, "Microsoft Corporation") == 0))
        return false;
    return fullScreen;
}

bool SwapKeepsBackBufferOn(void (*swap)()) {
    // Blues 32 and 96 of 255 stay apart in any colour depth down to 5 bits a channel.
    constexpr GLubyte FirstBlue = 32, SecondBlue = 96;
    for (const GLubyte blue : {FirstBlue, SecondBlue}) {
        glClearColor(0, 0, blue / 255.0f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        swap();
    }
    GLubyte pixel[4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return pixel[0] == 0 && pixel[2] > (FirstBlue + SecondBlue) / 2 && pixel[2] < SecondBlue + 16;
}

bool RendererReturnsFrameMemory(const char* renderer) {
    return renderer != nullptr && strncmp(renderer, "llvmpipe", strlen("llvmpipe")) == 0;
}

void KeepRendererFrameMemory() {
    if (!RendererReturnsFrameMemory(reinterpret_cast<const char*>(glGetString(GL_RENDERER)))) return;
    // 2048 × 2048 RGBA: 16 MB, within the 32 MB up to which glibc lets the threshold follow a freed block.
    constexpr GLsizei Side = 2048;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (largest < Side) return;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, Side, Side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glDeleteTextures(1, &texture);
}

void SetFixedGLState(bool copyFrontBuffer) {
    glDepthFunc(GL_LEQUAL);
    glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
    glStencilFunc(GL_EQUAL, 1, 1);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glReadBuffer(copyFrontBuffer ? GL_FRONT : GL_BACK);
    glClearColor(0, 0, 0, 1);
}

void ResizeScene(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, static_cast<double>(width) / height, 100, 3 * SceneDepth);
    glClear(GL_COLOR_BUFFER_BIT);
}
