// The primary display's size in pixels, read once while the process starts.
#pragma once

extern const int ScreenWidth;
extern const int ScreenHeight;
