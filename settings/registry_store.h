// The settings that last: the main key "Control Panel\Screen Saver.Plumora" of the current user holds the
// look, the switch settings, the names of the saved lists and the format version; its subkeys "custom1" to
// "custom4" hold the looks of saved lists 6-9. Every failure is reported to the user where it happens and
// the work goes on where it can.
#pragma once

#include <cstdint>

// The format version the main key carries. A key of an older format is wiped on loading; a newer one is
// left alone. Either way the factory setting applies.
constexpr int32_t StoredFormatVersion = 25;

// A load, a save or a switch, from its start to its end. Their message boxes run message loops in which the
// auto-switch timer goes on ticking; a switch inside one would change the settings that the rest of the work
// reads or writes (a saved key mixing two looks). The auto-switch does nothing while one is under way.
class SettingsWork {
public:
    SettingsWork() { ++depth_; }
    ~SettingsWork() { --depth_; }
    SettingsWork(const SettingsWork&) = delete;
    SettingsWork& operator=(const SettingsWork&) = delete;
    static bool UnderWay() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

// While set (the preview in Windows' Screen Saver Settings, which never saves), loading changes nothing: keys
// are opened for reading only and a key of an older format stays where it is.
extern bool RegistryReadOnly;

// Where a load reads from: the main key (MainSettingsKey, or any index below 6), or saved list 6-9's subkey.
constexpr int32_t MainSettingsKey = -1;

// Loads the main key or the look of saved list listIndex into SceneSettings. With no key, or a key of another
// format, the factory setting applies instead. True when a key of this format was read.
bool RegistryLoad(int32_t listIndex);

// What a save writes: the main key (version, list names, switch settings and look), or the look alone into
// the subkey of SelectedList (6-9).
enum class SaveTarget { MainKey, SelectedListKey };

// Writes the target. SettingsStored is set afterwards whatever happened. True when every value was written.
bool RegistrySave(SaveTarget target);

// Deletes the subkey of saved list SelectedList (6-9); its name stays in the main key. True when it was
// deleted.
bool RegistryDelete();

// The lists that have a look to apply, as their ListBits: the built-in looks, and each saved list that
// SavedList marks as stored and whose subkey is there. A key written by hand or by another tool may mark a
// list that was never saved, or whose subkey was deleted since.
int32_t ListsWithALook();
bool ListHasALook(uint32_t list);

// Applies list 0-9 without touching the switch settings: a built-in look, or a saved list's look from the
// registry.
void ApplyList(uint32_t list);
