#include <gtest/gtest.h>

#include "settings/random.h"

namespace {

TEST(Random, DrawsFollowTheRecurrence) {
    // The first draws after seeding with 1, as Windows' C library gives them.
    SeedRandom(1);
    for (int32_t expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(DrawRandom(), expected);

    for (uint32_t seed : {0u, 9999u, 0x80000000u, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        uint64_t state = seed;
        for (int i = 0; i < 1000; ++i) {
            state = (state * 214013 + 2531011) % (uint64_t{1} << 32);
            ASSERT_EQ(DrawRandom(), static_cast<int32_t>((state >> 16) & 0x7FFF)) << "seed " << seed;
        }
    }
}

}  // namespace
