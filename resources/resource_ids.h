// Resource ids shared by the code and the resource script.
#pragma once

#define IDI_PLUMORA 112

// Texture bitmaps: the Sprinkle's sprites and the Laser's strips.
#define IDB_FANCY_STAR 105
#define IDB_MILKY_WAY 106
#define IDB_STAR 107
#define IDB_SUN 108
#define IDB_BLUE_PLANET 111
#define IDB_GOLD_STICK 113
#define IDB_BLUE_COMET 114
#define IDB_HALLEY_COMET 115

// Sounds of the Configuration dialog (resource type "WAVE").
#define IDW_TAB 123
#define IDW_DONE 124
#define IDW_SAVE 125
#define IDW_DEFAULT 129
#define IDW_CLEAR 131
