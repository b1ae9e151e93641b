// The OpenGL side of the render window that needs no Windows: the extension and vendor checks, the fixed
// state of a new context, and the projection for a window size.
#pragma once

// Whether name is one whole blank-separated word of extensions.
bool ExtensionListHas(const char* extensions, const char* name);

// Whether the swap interval can be set (WGL_EXT_swap_control): some drivers name it in the OpenGL extension
// string, others only in the WGL one. Either may be null.
bool SwapControlOffered(const char* glExtensions, const char* wglExtensions);

// The refresh rate of the render window's display in Hz, as its device context reported it when the context
// was created; 0 natively, and 0 or 1 where the driver does not say.
extern int DisplayRefreshRate;

// Whether every shown frame is copied back into the back buffer: in full screen, unless the vendor string is
// exactly "Intel" or "Microsoft Corporation".
// WORKAROUND: those two vendors' drivers are known not to need the copy, or to mishandle it.
bool VendorCopiesFrontBuffer(const char* vendor, bool fullScreen);

// Whether swap, the context's buffer swap, leaves the back buffer as it was, tried on the current context:
// two nearly black frames of different blues are shown one after the other, and the buffer read after the
// second must still hold the second. A swap that exchanges the buffers leaves the first there, one that
// discards the buffer anything. Reads the current read buffer (the back buffer of a new double-buffered
// context) and leaves it black.
// A format's promise of a copying swap (PFD_SWAP_COPY, WGL_SWAP_COPY_ARB) is only a hint to some drivers.
bool SwapKeepsBackBufferOn(void (*swap)());

// Whether the renderer named is llvmpipe, Mesa's software rasteriser, whose frame memory goes back to the
// system after every frame unless KeepRendererFrameMemory has run.
bool RendererReturnsFrameMemory(const char* renderer);

// WORKAROUND: llvmpipe copies its rasteriser state, some 30 KB, into the frame's scene at every draw that
// changes the texture, in 64 KB blocks from the C library's malloc, and frees them once the frame is drawn.
// glibc gives freed memory at the top of its heap back to the system once it exceeds the trim threshold,
// 128 KB at the start, and the next frame has it faulted in again page by page: the some 180 texture changes
// of Default5's sprites (drawn one by one, as "darkening" depends on the order) cost 500-1,200 page faults a
// frame, each 10-15 µs in a virtual machine, and halved its frame rate on such hosts. glibc raises the
// threshold to twice the size of a large block when one is freed (mallopt(3), M_MMAP_THRESHOLD): on llvmpipe
// this creates and deletes one texture of 16 MB, which keeps up to 32 MB of freed frame memory in the
// process. Elsewhere it does nothing.
void KeepRendererFrameMemory();

// The state a new context keeps for its whole life: depth and stencil functions, hints, the read buffer
// and the clear colour. Nothing is enabled; the renderers switch what they need per frame.
void SetFixedGLState(bool copyFrontBuffer);

// Viewport and perspective projection for a client area; a height of 0 counts as 1. Leaves the projection
// matrix selected and wipes the colour buffer.
void ResizeScene(int width, int height);
