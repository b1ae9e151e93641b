#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <random>

#include "platform/frame_pacing.h"

namespace {

// A minute of the preview's loop on a coarse, busy machine: waits overrun by up to a timer tick (16 ms),
// frames take 1-40 ms, and now and then the loop stalls for up to half a second. No second ever holds 31
// frame starts, a stall is not made up with a burst, and the coarse timer still leaves nearly 30 a second.
TEST(FramePacing, NoSecondHoldsMoreThanThirtyFramesAndOverrunsDoNotSlowThePace) {
    for (const bool stalls : {false, true}) {
        std::mt19937 random(stalls ? 7 : 3);
        int64_t now = 0, due = 0, frames = 0;
        std::deque<int64_t> lastSecond;
        while (now < 60000) {
            const uint32_t wait = MsUntilFrame(now, due);
            ASSERT_LE(wait, static_cast<uint32_t>(PacedFramePeriodMs));
            if (wait > 0) {
                now += wait + random() % 17;
                continue;
            }
            ++frames;
            lastSecond.push_back(now);
            while (lastSecond.front() <= now - 1000)
                lastSecond.pop_front();
            ASSERT_LE(lastSecond.size(), 30u) << "at " << now << " ms";
            due = NextFrameDue(due, now);
            ASSERT_GT(due, now);
            now += 1 + random() % 40;
            if (stalls && random() % 50 == 0) now += random() % 500;
        }
        if (!stalls) {
            EXPECT_GE(frames, 28 * 60);
        }
    }
}

}  // namespace
