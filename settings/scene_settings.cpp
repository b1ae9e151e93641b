#include "settings/scene_settings.h"

#include <cstring>

SettingsRecord SceneSettings{};

const std::array<const char*, ListCount> ListKeys = {"Default1", "Default2", "Default3", "Default4",
                                                     "Default5", "Default6", "custom1",  "custom2",
                                                     "custom3",  "custom4"};
std::array<std::string, ListCount> ListNames = {"Default1", "Default2", "Default3", "Default4", "Default5",
                                                "Default6", "custom",   "custom",   "custom",   "custom"};

uint32_t CurrentList = 0;
bool CurrentListApplied = false;
uint32_t SelectedList = 0;
bool SettingsStored = false;
double TimePhase = 0.0;

void SetListName(uint32_t list, const char* name) {
    if (list < FirstSavedList || list >= ListCount) return;
    if (name == nullptr) name = "";
    ListNames[list].assign(name, strnlen(name, MaxListNameLength));
}
