#include <gtest/gtest.h>

#include <vector>

#include "settings/list_draw.h"
#include "settings/random.h"

namespace {

// The generator's lists modulo 10 from a seed, computed from the recurrence itself.
std::vector<uint32_t> Lists(uint32_t seed, int count) {
    std::vector<uint32_t> lists;
    uint32_t state = seed;
    for (int i = 0; i < count; ++i) {
        state = state * 214013u + 2531011u;
        lists.push_back(((state >> 16) & 0x7FFF) % 10);
    }
    return lists;
}

// The auto-switch rule applied by hand to a list sequence.
uint32_t ExpectedSwitch(const std::vector<uint32_t>& lists, uint32_t current, int32_t autoList) {
    for (uint32_t list : lists) {
        if (list == current) continue;
        current = list;
        if (autoList & (1 << list)) return list;
    }
    return 99;
}

TEST(DrawSwitchList, FollowsTheRecurrenceAndDiscardsRepeats) {
    for (uint32_t seed = 0; seed < 300; ++seed) {
        for (int32_t autoList : {63, 1 << 4, (1 << 2) | (1 << 7), 1023}) {
            for (uint32_t current : {0u, 2u, 4u, 9u}) {
                SeedRandom(seed);
                EXPECT_EQ(DrawSwitchList(current, autoList),
                          ExpectedSwitch(Lists(seed, 500), current, autoList))
                    << seed << " " << autoList << " " << current;
            }
        }
    }
}

TEST(DrawSwitchList, ASingleCurrentListIsAppliedAgainAfterAnotherDraw) {
    SeedRandom(1);  // lists 1, 7, 4, 0, 9, ...
    EXPECT_EQ(DrawSwitchList(4, 1 << 4), 4u);
    SeedRandom(1);
    EXPECT_EQ(DrawSwitchList(1, 1 << 1), 1u);  // 1 repeats the current one, 7 is kept, then ... 1 again
}

TEST(DrawSwitchList, TwoListsAlternateUnlessARejectedListIsKeptBetween) {
    // From 2 with lists 2 and 7 marked: the draw 7 comes first unless another kept draw makes 2 new again.
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SeedRandom(seed);
        const uint32_t drawn = DrawSwitchList(2, (1 << 2) | (1 << 7));
        EXPECT_EQ(drawn, ExpectedSwitch(Lists(seed, 500), 2, (1 << 2) | (1 << 7)));
        EXPECT_TRUE(drawn == 2 || drawn == 7);
    }
}

TEST(DrawStartList, AcceptsTheFirstMarkedList) {
    SeedRandom(1);
    EXPECT_EQ(DrawStartList(63), 1u);
    SeedRandom(1);
    EXPECT_EQ(DrawStartList(1 << 9), 9u);  // 1, 7, 4, 0, then 9
    EXPECT_FALSE(AnyListMarked(0));
    EXPECT_FALSE(AnyListMarked(1 << 10));
    EXPECT_TRUE(AnyListMarked(1 << 9));
}

}  // namespace
