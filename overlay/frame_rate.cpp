#include "overlay/frame_rate.h"

float FrameRate = 0.0f;
