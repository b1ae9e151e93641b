// The frame driver: draws one frame into the render window and shows it.
#pragma once

// Draws the frame, swaps the buffers and, when CopyFrontBuffer is set, copies the shown picture back into
// the back buffer, so that a frame which clears no colour continues exactly what is on screen.
void RenderFrame();
