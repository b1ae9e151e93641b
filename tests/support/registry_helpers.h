// Test helpers for the Windows-side registry tests: writing and reading the settings key of the current
// user in Wine's registry directly, without the store, and collecting the messages the program shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/user_message.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"

constexpr const char* SettingsKeyPath = "Control Panel\\Screen Saver.Plumora";

inline std::string SubkeyPath(const std::string& subkey) {
    return std::string(SettingsKeyPath) + "\\" + subkey;
}

inline void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath);
}

inline bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Writes a value of any type and size; the key is created when missing. name nullptr: the unnamed value.
inline void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, size_t size) {
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(key);
}

inline void SetDword(const std::string& path, const char* name, int32_t number) {
    SetRaw(path, name, REG_DWORD, &number, sizeof number);
}

inline void SetText(const std::string& path, const char* name, const std::string& text) {
    SetRaw(path, name, REG_SZ, text.c_str(), text.size() + 1);
}

inline void DeleteValue(const std::string& path, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// Every value of a key as text: a REG_DWORD as its decimal number, a REG_SZ as its text, anything else as
// "type N". The unnamed value is listed under "".
inline std::map<std::string, std::string> ValuesOf(const std::string& path) {
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        BYTE data[1024];
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        if (type == REG_DWORD) {
            int32_t number = 0;
            memcpy(&number, data, sizeof number);
            values[name] = std::to_string(number);
        } else if (type == REG_SZ) {
            values[name] = std::string(reinterpret_cast<const char*>(data));
        } else {
            values[name] = "type " + std::to_string(type);
        }
    }
    RegCloseKey(key);
    return values;
}

// Messages shown while a test runs, as "caption: text".
inline std::vector<std::string> ShownMessages;

inline void CollectMessage(const char* text, const char* caption, MessageIcon) {
    ShownMessages.push_back(std::string(caption) + ": " + text);
}

// A fresh start for every test: no settings key, no messages, the companion values as at program load and
// the factory setting in the record.
inline void ResetStoredSettingsState() {
    DeleteSettingsKey();
    ShownMessages.clear();
    SetUserMessageObserver(CollectMessage);
    SettingsStored = false;
    CurrentList = 0;
    CurrentListApplied = false;
    SelectedList = 0;
    for (uint32_t list = FirstSavedList; list < ListCount; ++list)
        SetListName(list, "custom");
    ApplyFactorySettings();
    SceneSettings.SavedList = 0;
    SceneSettings.OffSprinkle = 0;
}

inline void EndStoredSettingsTest() {
    DeleteSettingsKey();
    SetUserMessageObserver(nullptr);
}
