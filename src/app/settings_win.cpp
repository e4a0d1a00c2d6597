// The settings in the registry: read once at start-up, written once at exit.
//
// They live under HKEY_CURRENT_USER, which every user may write; the machine-wide key under
// HKEY_LOCAL_MACHINE, which a standard user (or an administrator under UAC) may only read,
// is read when the user has none of their own and written too where it can be opened for
// writing, so that a machine-wide key that exists keeps its meaning.
#include <string>

#include "app/app_win.h"
#include "app/settings.h"
#include "copy/recent.h"
#include "display/text_buffer.h"

namespace {

constexpr const char* kSettingsKey = "Software\\Korvex\\Tintspot";

// An open registry key, closed at the end of its scope.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() {
        if (key_) RegCloseKey(key_);
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    bool open(HKEY root, REGSAM access) {
        if (RegOpenKeyExA(root, kSettingsKey, 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
        return key_ != nullptr;
    }
    bool create(HKEY root) {
        if (RegCreateKeyExA(root, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
        return key_ != nullptr;
    }
    operator HKEY() const { return key_; }

private:
    HKEY key_ = nullptr;
};

void writeText(HKEY key, const char* name, const char* text, std::size_t length) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(length + 1));
}

void writeSettings(HKEY key, const PickerState& s) {
    for (const SettingEntry& entry : kSettings) {
        char text[40];
        writeText(key, entry.name, text, static_cast<std::size_t>(formatInt(s.*entry.field, 10, text)));
    }
    for (const ChoiceEntry& entry : kChoiceSettings) {
        const char digit[2] = {static_cast<char>('0' + s.*entry.field), 0};
        writeText(key, entry.name, digit, 1);
    }
    char recent[80];
    writeText(key, "recent", recent, recentColoursText(s, recent, sizeof recent));
}

// A value that is missing or not text is false, and the field keeps its value at load. The
// text is read whole, however long: `recent` written by hand or by another version may hold
// its colours after any amount of text a fixed buffer would refuse.
bool readText(HKEY key, const char* name, std::string& text) {
    DWORD size = 0, type = REG_NONE;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) return false;
    text.assign(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return false;
    text.resize(size);  // the stored text need not be terminated; c_str() is
    return true;
}

}  // namespace

void loadSettings() {
    ScopedRegKey user, machine;
    HKEY key = nullptr;
    if (user.open(HKEY_CURRENT_USER, KEY_QUERY_VALUE))
        key = user;
    else if (machine.open(HKEY_LOCAL_MACHINE, KEY_QUERY_VALUE))
        key = machine;
    if (key) {
        std::string text;
        for (const SettingEntry& entry : kSettings)
            if (readText(key, entry.name, text)) picker.*entry.field = parseStoredInt(text.c_str());
        for (const ChoiceEntry& entry : kChoiceSettings)
            if (readText(key, entry.name, text)) picker.*entry.field = parseStoredChoice(text.c_str(), entry.choices);
        if (readText(key, "recent", text)) parseRecentColours(text.c_str(), picker);
    }
    for (unsigned command : applyLoadedSettings(picker)) setMenuCheck(command, true);
}

void saveSettings(const PickerState& s) {
    ScopedRegKey user, machine;
    if (user.create(HKEY_CURRENT_USER)) writeSettings(user, s);
    if (machine.open(HKEY_LOCAL_MACHINE, KEY_SET_VALUE)) writeSettings(machine, s);
}
