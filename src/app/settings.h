// The thirteen stored settings: their names and fields, the parsing of stored text, and
// what loading them means for the menu's check marks and the derived values. Beside them,
// `copyformat` and `recent`, which older versions ignore.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/picker_state.h"

struct SettingEntry {
    const char* name;
    std::int32_t PickerState::*field;
};

// In the order in which they are read and written.
extern const SettingEntry kSettings[13];

// Reads stored text as a decimal integer: leading white space, one optional sign, then
// digits up to the first non-digit; no digits give 0. Values beyond 32 bits saturate.
std::int32_t parseStoredInt(const char* text);

// Stored beside the thirteen: settings of one digit, each below its count of choices.
struct ChoiceEntry {
    const char* name;
    std::int32_t PickerState::*field;
    std::int32_t choices;
};
extern const ChoiceEntry kChoiceSettings[4];

// One digit below choices ("0" to "7" for eight); anything else is 0, the default.
std::int32_t parseStoredChoice(const char* text, std::int32_t choices);

// `recent`: up to ten colours of six hexadecimal digits, red first, joined by commas, newest
// first ("FF8000,000000"). Entries that are not six digits, and repeats, are skipped.
void parseRecentColours(const char* text, PickerState& state);
std::size_t recentColoursText(const PickerState& state, char* out, std::size_t size);

// Makes freshly loaded settings safe to run with (on/off settings 0 or 1, no drag under way,
// a usable magnifier), derives cellSize and readoutRadix, and returns the menu commands to
// check, in the order they are checked. Every item starts unchecked.
std::vector<unsigned> applyLoadedSettings(PickerState& state);
