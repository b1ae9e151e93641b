// The information overlay (F2) and the first-run prompt, compiled into display lists once per context.
// Overlay positions span -100 to +100 on both axes over the whole viewport.
#pragma once

#include <GL/gl.h>

extern GLuint BufferBitsList;      // the five lines of buffer depths
extern GLuint GLStringsList;       // the OpenGL and GLU strings
extern GLuint InfoOverlayList;     // 2D set-up and the three lines lists, the frame rate by name
extern GLuint FirstRunPromptList;  // "Press F1 to initialize configuration" on its backing

// Generates the frame-rate list's name and compiles the others. The depths and strings shown are those of
// the context current now.
void BuildOverlayLists();

// Both leave the projection matrix selected; the next frame's view set-up selects the modelview again.
void DrawInfoOverlay();
void DrawFirstRunPrompt();
