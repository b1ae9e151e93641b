#include "platform/frame_pacing.h"

#include <algorithm>

uint32_t MsUntilFrame(int64_t now, int64_t due) {
    return now >= due ? 0 : static_cast<uint32_t>(std::min(due - now, PacedFramePeriodMs));
}

int64_t NextFrameDue(int64_t due, int64_t now) {
    return now - due <= PacedFramePeriodMs / 2 ? due + PacedFramePeriodMs : now + PacedFramePeriodMs;
}
