// The random choice of a list among those marked in AutoList, with the program's generator.
#pragma once

#include <cstdint>

// Seeds the generator for a draw: truncate(TimePhase) / 2 + the clock, so that draws differ from run to run
// and from switch to switch.
void SeedListDraw();

// Whether AutoList marks at least one of the ten lists.
bool AnyListMarked(int32_t autoList);

// The auto-switch draw: a draw equal to the previous kept draw is discarded; every kept draw becomes the
// value the next is compared with, and the first kept draw whose list is marked is the result. Starts by
// comparing with current. autoList must mark at least one list.
uint32_t DrawSwitchList(uint32_t current, int32_t autoList);

// The start-up draw: lists are drawn until one is marked; a repeat of the current list is accepted.
uint32_t DrawStartList(int32_t autoList);
