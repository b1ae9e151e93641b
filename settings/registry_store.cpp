#include "settings/registry_store.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <string>

#include "platform/user_message.h"
#include "settings/list_draw.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "settings/stored_values.h"

namespace {

constexpr const char* MainKeyPath = "Control Panel\\Screen Saver.Plumora";
constexpr const char* ControlPanelPath = "Control Panel";
constexpr const char* MainKeyName = "Screen Saver.Plumora";

// Subkeys of the main key that a key of an older format may hold; they go before the main key itself,
// which cannot be deleted while it has subkeys.
constexpr std::array<const char*, 5> OlderFormatSubkeys = {"custom1", "custom2", "custom3", "custom4",
                                                           "custom5"};

constexpr const char* LoadReadFailure = "RegistryLoad() -> RegQueryValueEx()";
constexpr const char* VersionReadFailure = "RegistryLoad() -> RegQueryValueEx() 1";

// The values whose read failure has a message of its own; every other value reports LoadReadFailure.
struct LoadMessage {
    const char* value;
    const char* message;
};
constexpr std::array<LoadMessage, 4> NumberedLoadMessages = {{
    {"ColorConst", "RegistryLoad() -> RegQueryValueEx() 1"},
    {"ColorAmplitude", "RegistryLoad() -> RegQueryValueEx() 2"},
    {"Period", "RegistryLoad() -> RegQueryValueEx() 9"},
    {"OffSprinkle", "RegistryLoad() -> RegQueryValueEx() 9"},
}};

void Report(const char* text) {
    ShowUserMessage(text, "ERROR", MessageIcon::Warning);
}

const char* LoadFailureMessage(const StoredValue& value) {
    for (const LoadMessage& numbered : NumberedLoadMessages)
        if (strcmp(numbered.value, value.name) == 0) return numbered.message;
    return LoadReadFailure;
}

bool IsSavedList(int64_t list) {
    return list >= FirstSavedList && list < ListCount;
}

// Reads one value (nullptr: the key's unnamed value) into the cleared buffer. The whole buffer is offered;
// a value that is missing or does not fit is unreadable.
bool ReadValue(HKEY key, const char* name, StoredBuffer& buffer) {
    buffer.fill(0);
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(key, name, nullptr, nullptr, buffer.data(), &size) == ERROR_SUCCESS) return true;
    buffer.fill(0);  // a read that did not fit may have left part of the value behind
    return false;
}

// The format version of the main key; 0 after its message when it cannot be read.
int32_t ReadFormatVersion(HKEY mainKey) {
    StoredBuffer buffer;
    if (!ReadValue(mainKey, nullptr, buffer)) Report(VersionReadFailure);
    return DwordFromBuffer(buffer);
}

// Reads the first count values of the table, in its order, into SceneSettings. A value that cannot be read
// is reported and keeps its field.
void ReadStoredValues(HKEY key, size_t count) {
    StoredBuffer buffer;
    for (size_t i = 0; i < count && i < StoredValues.size(); ++i) {
        if (ReadValue(key, StoredValues[i].name, buffer))
            DecodeBuffer(StoredValues[i], buffer, SceneSettings);
        else
            Report(LoadFailureMessage(StoredValues[i]));
    }
}

// The names of lists 6-9; a name that cannot be read is the empty name.
void ReadListNames(HKEY mainKey) {
    StoredBuffer buffer;
    for (uint32_t list = FirstSavedList; list < ListCount; ++list) {
        const std::string name = ReadValue(mainKey, ListKeys[list], buffer) ? TextFromBuffer(buffer) : "";
        SetListName(list, name.c_str());
    }
}

// Deletes the main key of an older format with its lists; takes the open main key and closes it.
void DeleteOlderFormat(HKEY mainKey) {
    for (const char* subkey : OlderFormatSubkeys)
        RegDeleteKeyA(mainKey, subkey);
    RegCloseKey(mainKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, MainKeyPath);
}

// Applies one of the lists marked in AutoList, drawn at random; the list applied before may come again.
void ChooseStartList() {
    SeedListDraw();
    CurrentList = DrawStartList(SceneSettings.AutoList);
    ApplyList(CurrentList);
}

bool WriteDword(HKEY key, const char* name, int32_t number) {
    const auto bits = static_cast<DWORD>(number);
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bits), sizeof bits) ==
           ERROR_SUCCESS;
}

bool WriteText(HKEY key, const char* name, const std::string& text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

// Writes one value of the table; a failure is reported and the caller goes on with the next.
bool WriteStoredValue(HKEY key, const StoredValue& value) {
    const bool written = IsText(value.form) ? WriteText(key, value.name, EncodeText(value, SceneSettings))
                                            : WriteDword(key, value.name, EncodeDword(value, SceneSettings));
    if (!written) Report("RegistrySave() -> RegSetValueEx()");
    return written;
}

bool WriteLook(HKEY key) {
    bool complete = true;
    for (const StoredValue* value : LookValuesInSaveOrder())
        complete = WriteStoredValue(key, *value) && complete;
    return complete;
}

// The main key's own part: version, list names and switch settings.
bool WriteMainPart(HKEY mainKey) {
    bool complete = true;
    if (!WriteDword(mainKey, nullptr, StoredFormatVersion)) {
        Report("RegistrySave() -> RegSetValueEx()");
        complete = false;
    }
    for (uint32_t list = FirstSavedList; list < ListCount; ++list) {
        if (!WriteText(mainKey, ListKeys[list], ListNames[list])) {
            Report("RegistrySave() -> RegSetValueEx() list");
            complete = false;
        }
    }
    for (const StoredValue* value : SwitchValuesInSaveOrder())
        complete = WriteStoredValue(mainKey, *value) && complete;
    return complete;
}

bool WriteSettings(bool toList) {
    HKEY controlPanel = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ControlPanelPath, 0, KEY_ALL_ACCESS, &controlPanel) !=
        ERROR_SUCCESS) {
        Report("RegistrySave() -> RegOpenKeyEx()");
        return false;
    }
    HKEY mainKey = nullptr;
    if (RegCreateKeyA(controlPanel, MainKeyName, &mainKey) != ERROR_SUCCESS) {
        Report("RegistrySave() -> RegCreateKey()");
        RegCloseKey(controlPanel);
        return false;
    }

    bool complete = false;
    if (toList) {
        // Only lists 6-9 have a subkey; any other index would name no list or lie beyond the table.
        HKEY listKey = nullptr;
        if (IsSavedList(SelectedList) &&
            RegCreateKeyA(mainKey, ListKeys[SelectedList], &listKey) == ERROR_SUCCESS) {
            complete = WriteLook(listKey);
            RegCloseKey(listKey);
        } else {
            Report("RegistrySave() -> RegCreateKey()");
        }
    } else {
        complete = WriteMainPart(mainKey);
        complete = WriteLook(mainKey) && complete;
        // The main key goes to disk at once: settings are saved rarely and must survive a crash.
        RegFlushKey(mainKey);
    }
    RegCloseKey(mainKey);
    RegCloseKey(controlPanel);
    return complete;
}

}  // namespace

bool RegistryLoad(int32_t listIndex, bool chooseRandom) {
    HKEY mainKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MainKeyPath, 0, KEY_ALL_ACCESS, &mainKey) != ERROR_SUCCESS) {
        Preset(0, false);
        return false;
    }

    const int32_t version = ReadFormatVersion(mainKey);
    if (version != StoredFormatVersion) {
        if (version < StoredFormatVersion)
            DeleteOlderFormat(mainKey);
        else
            RegCloseKey(mainKey);
        Preset(0, false);
        return false;
    }
    SettingsStored = true;

    const bool fromList = listIndex >= static_cast<int32_t>(FirstSavedList);
    HKEY source = mainKey;
    if (fromList) {
        // An index beyond list 9 names no subkey and is treated like a missing one.
        if (!IsSavedList(listIndex) ||
            RegOpenKeyExA(mainKey, ListKeys[listIndex], 0, KEY_ALL_ACCESS, &source) != ERROR_SUCCESS) {
            Report("RegistryLoad() -> RegOpenKeyEx()");
            RegCloseKey(mainKey);
            return false;
        }
        ReadStoredValues(source, LookValueCount);
        RegCloseKey(source);
    } else {
        ReadStoredValues(mainKey, StoredValues.size());
        ReadListNames(mainKey);
    }
    RegCloseKey(mainKey);

    if (chooseRandom && SceneSettings.Period != 0 && AnyListMarked(SceneSettings.AutoList)) ChooseStartList();
    return true;
}

bool RegistrySave(bool toList) {
    const bool complete = WriteSettings(toList);
    SettingsStored = true;
    return complete;
}

bool RegistryDelete() {
    HKEY mainKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MainKeyPath, 0, KEY_ALL_ACCESS, &mainKey) != ERROR_SUCCESS)
        return false;
    const bool deleted =
        IsSavedList(SelectedList) && RegDeleteKeyA(mainKey, ListKeys[SelectedList]) == ERROR_SUCCESS;
    RegCloseKey(mainKey);
    return deleted;
}

void ApplyList(uint32_t list) {
    if (IsSavedList(list))
        RegistryLoad(static_cast<int32_t>(list), false);
    else
        Preset(list, true);
}
