#include "settings/list_draw.h"

#include "platform/clock.h"
#include "settings/random.h"
#include "settings/scene_settings.h"

namespace {

// The generator's numbers modulo 10 reach every list within a few dozen draws. The bound only guarantees
// that the loop ends whatever happens; should it ever be reached, the lowest marked list is taken.
constexpr int MaxDraws = 100000;

bool Marked(int32_t autoList, uint32_t list) {
    return list < ListCount && (autoList & ListBits[list]) != 0;
}

uint32_t LowestMarked(int32_t autoList) {
    for (uint32_t list = 0; list < ListCount; ++list)
        if (Marked(autoList, list)) return list;
    return 0;
}

}  // namespace

void SeedListDraw() {
    // The clock's low 32 bits: the seed only needs to differ from one draw to the next.
    SeedRandom(static_cast<uint32_t>(static_cast<int32_t>(TimePhase) / 2) + static_cast<uint32_t>(ClockMs()));
}

bool AnyListMarked(int32_t autoList) {
    return Marked(autoList, LowestMarked(autoList));
}

uint32_t DrawSwitchList(uint32_t current, int32_t autoList) {
    for (int draws = 0; draws < MaxDraws; ++draws) {
        const auto list = static_cast<uint32_t>(DrawRandom() % ListCount);
        if (list == current) continue;
        current = list;
        if (Marked(autoList, list)) return list;
    }
    return LowestMarked(autoList);
}

uint32_t DrawStartList(int32_t autoList) {
    for (int draws = 0; draws < MaxDraws; ++draws) {
        const auto list = static_cast<uint32_t>(DrawRandom() % ListCount);
        if (Marked(autoList, list)) return list;
    }
    return LowestMarked(autoList);
}
