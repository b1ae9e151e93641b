#include "settings/registry_store.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <iterator>
#include <string>

#include "platform/user_message.h"
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

// What the store tells the user when a registry call fails: the routine and the call, as the user reads them.
enum class StoreFailure {
    LoadRead,
    LoadVersion,
    LoadOpenList,
    SaveOpen,
    SaveCreate,
    SaveValue,
    SaveListName
};
constexpr const char* StoreFailureTexts[] = {
    "RegistryLoad() -> RegQueryValueEx()",     // LoadRead: every value without a number of its own
    "RegistryLoad() -> RegQueryValueEx() 1",   // LoadVersion: the format version
    "RegistryLoad() -> RegOpenKeyEx()",        // LoadOpenList: a saved list's subkey
    "RegistrySave() -> RegOpenKeyEx()",        // SaveOpen: "Control Panel"
    "RegistrySave() -> RegCreateKey()",        // SaveCreate: the main key or a list's subkey
    "RegistrySave() -> RegSetValueEx()",       // SaveValue: the version and every setting
    "RegistrySave() -> RegSetValueEx() list",  // SaveListName: a saved list's name
};
static_assert(std::size(StoreFailureTexts) == static_cast<size_t>(StoreFailure::SaveListName) + 1,
              "one text per failure");

// The values whose read failure has a message of its own, beside StoreFailure::LoadRead.
struct LoadMessage {
    const char* value;
    const char* message;
};
constexpr LoadMessage NumberedLoadMessages[] = {
    {"ColorConst", "RegistryLoad() -> RegQueryValueEx() 1"},
    {"ColorAmplitude", "RegistryLoad() -> RegQueryValueEx() 2"},
    {"Period", "RegistryLoad() -> RegQueryValueEx() 9"},
    {"OffSprinkle", "RegistryLoad() -> RegQueryValueEx() 9"},
};

void Report(const char* text) {
    ShowUserMessage(text, "ERROR", MessageIcon::Warning);
}

void Report(StoreFailure failure) {
    Report(StoreFailureTexts[static_cast<size_t>(failure)]);
}

void ReportReadFailure(const StoredValue& value) {
    for (const LoadMessage& numbered : NumberedLoadMessages)
        if (strcmp(numbered.value, value.name) == 0) return Report(numbered.message);
    Report(StoreFailure::LoadRead);
}

// An open registry key, closed when it goes out of scope; null while nothing was opened into it.
class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { Close(); }

    // Where RegOpenKeyExA and RegCreateKeyA put the handle.
    HKEY* Receive() {
        Close();
        return &handle_;
    }
    HKEY get() const { return handle_; }
    void Close() {
        if (handle_ != nullptr) RegCloseKey(handle_);
        handle_ = nullptr;
    }

private:
    HKEY handle_ = nullptr;
};

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
    if (!ReadValue(mainKey, nullptr, buffer)) Report(StoreFailure::LoadVersion);
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
            ReportReadFailure(StoredValues[i]);
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

// Deletes the main key of an older format with its lists; closes the open main key first, since an open key
// cannot go.
void DeleteOlderFormat(OpenKey& mainKey) {
    for (const char* subkey : OlderFormatSubkeys)
        RegDeleteKeyA(mainKey.get(), subkey);
    mainKey.Close();
    RegDeleteKeyA(HKEY_CURRENT_USER, MainKeyPath);
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
    if (!written) Report(StoreFailure::SaveValue);
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
        Report(StoreFailure::SaveValue);
        complete = false;
    }
    for (uint32_t list = FirstSavedList; list < ListCount; ++list) {
        if (!WriteText(mainKey, ListKeys[list], ListNames[list])) {
            Report(StoreFailure::SaveListName);
            complete = false;
        }
    }
    for (const StoredValue* value : SwitchValuesInSaveOrder())
        complete = WriteStoredValue(mainKey, *value) && complete;
    return complete;
}

bool WriteSettings(SaveTarget target) {
    OpenKey controlPanel;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ControlPanelPath, 0, KEY_ALL_ACCESS, controlPanel.Receive()) !=
        ERROR_SUCCESS) {
        Report(StoreFailure::SaveOpen);
        return false;
    }
    OpenKey mainKey;
    if (RegCreateKeyA(controlPanel.get(), MainKeyName, mainKey.Receive()) != ERROR_SUCCESS) {
        Report(StoreFailure::SaveCreate);
        return false;
    }
    if (target == SaveTarget::SelectedListKey) {
        // Only lists 6-9 have a subkey; any other index would name no list or lie beyond the table.
        OpenKey listKey;
        if (!IsSavedList(SelectedList) ||
            RegCreateKeyA(mainKey.get(), ListKeys[SelectedList], listKey.Receive()) != ERROR_SUCCESS) {
            Report(StoreFailure::SaveCreate);
            return false;
        }
        return WriteLook(listKey.get());
    }
    bool complete = WriteMainPart(mainKey.get());
    complete = WriteLook(mainKey.get()) && complete;
    // The main key goes to disk at once: settings are saved rarely and must survive a crash.
    RegFlushKey(mainKey.get());
    return complete;
}

}  // namespace

bool RegistryReadOnly = false;

bool RegistryLoad(int32_t listIndex) {
    const SettingsWork work;
    const REGSAM access = RegistryReadOnly ? KEY_READ : KEY_ALL_ACCESS;
    OpenKey mainKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MainKeyPath, 0, access, mainKey.Receive()) != ERROR_SUCCESS) {
        ApplyFactorySettings();
        return false;
    }

    const int32_t version = ReadFormatVersion(mainKey.get());
    if (version != StoredFormatVersion) {
        if (version < StoredFormatVersion && !RegistryReadOnly) DeleteOlderFormat(mainKey);
        ApplyFactorySettings();
        return false;
    }
    SettingsStored = true;

    if (listIndex >= static_cast<int32_t>(FirstSavedList)) {
        // An index beyond list 9 names no subkey and is treated like a missing one.
        OpenKey listKey;
        if (!IsSavedList(listIndex) || RegOpenKeyExA(mainKey.get(), ListKeys[listIndex], 0, access,
                                                     listKey.Receive()) != ERROR_SUCCESS) {
            Report(StoreFailure::LoadOpenList);
            return false;
        }
        ReadStoredValues(listKey.get(), LookValueCount);
    } else {
        ReadStoredValues(mainKey.get(), StoredValues.size());
        ReadListNames(mainKey.get());
    }
    return true;
}

bool RegistrySave(SaveTarget target) {
    const SettingsWork work;
    const bool complete = WriteSettings(target);
    SettingsStored = true;
    return complete;
}

bool RegistryDelete() {
    const SettingsWork work;
    OpenKey mainKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MainKeyPath, 0, KEY_ALL_ACCESS, mainKey.Receive()) != ERROR_SUCCESS)
        return false;
    return IsSavedList(SelectedList) && RegDeleteKeyA(mainKey.get(), ListKeys[SelectedList]) == ERROR_SUCCESS;
}

int32_t ListsWithALook() {
    int32_t lists = 0;
    for (uint32_t list = 0; list < BuiltInLookCount; ++list)
        lists |= ListBits[list];
    OpenKey mainKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MainKeyPath, 0, KEY_READ, mainKey.Receive()) != ERROR_SUCCESS)
        return lists;
    for (uint32_t list = FirstSavedList; list < ListCount; ++list) {
        OpenKey listKey;
        if ((SceneSettings.SavedList & ListBits[list]) != 0 &&
            RegOpenKeyExA(mainKey.get(), ListKeys[list], 0, KEY_READ, listKey.Receive()) == ERROR_SUCCESS)
            lists |= ListBits[list];
    }
    return lists;
}

bool ListHasALook(uint32_t list) {
    return list < ListCount && (ListsWithALook() & ListBits[list]) != 0;
}

void ApplyList(uint32_t list) {
    if (IsSavedList(list))
        RegistryLoad(static_cast<int32_t>(list));
    else
        Preset(list, SwitchSettings::Keep);
}
