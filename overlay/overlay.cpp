#include "overlay/overlay.h"

#include <GL/glu.h>

#include <array>
#include <cstring>

#include "overlay/frame_rate.h"
#include "overlay/text.h"

GLuint BufferBitsList = 0;
GLuint GLStringsList = 0;
GLuint InfoOverlayList = 0;
GLuint FirstRunPromptList = 0;

namespace {

struct BufferBitsRow {
    const char* label;
    std::array<GLenum, 4> queries;  // 0 ends a shorter row
};

constexpr std::array<BufferBitsRow, 5> BufferBitsRows = {{
    {"Colour Bits -> ", {GL_RED_BITS, GL_GREEN_BITS, GL_BLUE_BITS, GL_ALPHA_BITS}},
    {"Accum Bits -> ", {GL_ACCUM_RED_BITS, GL_ACCUM_GREEN_BITS, GL_ACCUM_BLUE_BITS, GL_ACCUM_ALPHA_BITS}},
    {"Depth Bits -> ", {GL_DEPTH_BITS}},
    {"Stencil Bits -> ", {GL_STENCIL_BITS}},
    {"Auxs buffers -> ", {GL_AUX_BUFFERS}},
}};

constexpr const char* FirstRunPrompt = "Press F1 to initialize configuration";

// Keeps the scene's colour and raster position, and sets a 2D system spanning -100 to +100.
void BeginOverlay() {
    glPushAttrib(GL_CURRENT_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(-100, 100, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void EndOverlay() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void CompileBufferBits() {
    glNewList(BufferBitsList, GL_COMPILE);
    double y = -37;
    for (const BufferBitsRow& row : BufferBitsRows) {
        y -= 7;
        glColor3d(0.5, 1.0, 0.0);
        glRasterPos2d(50, y);
        PrintText("%s", row.label);
        for (GLenum query : row.queries) {
            if (query == 0) break;
            GLint value = 0;
            glGetIntegerv(query, &value);
            PrintText("%d ", value);
        }
    }
    glEndList();
}

void CompileGLStrings() {
    const std::array<const GLubyte*, 4> strings = {glGetString(GL_VENDOR), glGetString(GL_RENDERER),
                                                   glGetString(GL_VERSION), gluGetString(GLU_VERSION)};
    glNewList(GLStringsList, GL_COMPILE);
    double y = -50;
    for (const GLubyte* text : strings) {
        y -= 8;
        glColor3d(1, 0, 1);
        glRasterPos2d(-92, y);
        // The strings are text, not formats.
        if (text != nullptr) PrintText("%s", reinterpret_cast<const char*>(text));
    }
    glEndList();
}

void CompileInfoOverlay() {
    glNewList(InfoOverlayList, GL_COMPILE);
    BeginOverlay();
    glCallList(BufferBitsList);
    glCallList(GLStringsList);
    // Called by name, so every run shows the read-out compiled last.
    glCallList(FrameRateList);
    EndOverlay();
    glEndList();
}

void CompileFirstRunPrompt() {
    glNewList(FirstRunPromptList, GL_COMPILE);
    BeginOverlay();
    // No colour is set first: the backing takes the colour that the scene used last.
    glRasterPos2d(-95, 85);
    DrawTextBacking(static_cast<int>(strlen(FirstRunPrompt) * 8.9), 22);
    glColor3d(1, 1, 1);
    glRasterPos2d(-93, 86);
    PrintText("%s", FirstRunPrompt);
    EndOverlay();
    glEndList();
}

}  // namespace

void BuildOverlayLists() {
    FrameRateList = glGenLists(1);
    BufferBitsList = glGenLists(1);
    GLStringsList = glGenLists(1);
    InfoOverlayList = glGenLists(1);
    FirstRunPromptList = glGenLists(1);
    CompileBufferBits();
    CompileGLStrings();
    CompileInfoOverlay();
    CompileFirstRunPrompt();
}

void DrawInfoOverlay() {
    glCallList(InfoOverlayList);
}

void DrawFirstRunPrompt() {
    glCallList(FirstRunPromptList);
}
