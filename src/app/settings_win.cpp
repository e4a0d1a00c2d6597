// The settings in the registry: read once at start-up, written once at exit.
#include "app/app_win.h"
#include "app/settings.h"
#include "display/text_buffer.h"

namespace {
constexpr const char* kSettingsKey = "Software\\Korvex\\Tintspot";
}

void loadSettings() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        char buffer[1000];
        for (const SettingEntry& entry : kSettings) {
            DWORD size = 999;
            // A missing or over-long value keeps the field's value at load rather than
            // turning into a number read from whatever the buffer held before.
            if (RegQueryValueExA(key, entry.name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
                ERROR_SUCCESS)
                continue;
            buffer[size] = 0;  // the stored text need not be terminated
            picker.*entry.field = parseStoredInt(buffer);
        }
        RegCloseKey(key);
    }
    for (unsigned command : applyLoadedSettings(picker)) setMenuCheck(command, true);
}

void saveSettings() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    for (const SettingEntry& entry : kSettings) {
        sharedText.clear();
        sharedText.appendInt(picker.*entry.field, 10);
        RegSetValueExA(key, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(sharedText.data),
                       static_cast<DWORD>(sharedText.length + 1));
    }
    RegCloseKey(key);
}
