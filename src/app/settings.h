// The settings: the menu's items that set them, the thirteen stored values with their names
// and fields, the parsing of stored text, and what loading them means for the menu's check
// marks and the derived values. Beside the thirteen, `copyformat`, `recent`, `sample`,
// `contrast` and `keys`, which older versions ignore.
#pragma once

#include <cstdint>
#include <vector>

#include "core/effects.h"
#include "core/picker_state.h"

// The menu's settings: a toggle (one item, checked while its field is 1) or a group of items
// of which the one whose value the field holds is checked.
struct MenuSetting {
    unsigned first, last;                 // the items' commands; a toggle's are the same
    std::int32_t PickerState::*field;
    const std::int32_t* values = nullptr;  // a group's values in the order of its commands; null: 0, 1, 2, ...
    bool laysOut = true;                   // the panel is laid out again after a change
};
extern const MenuSetting kMenuSettings[10];

// A command of kMenuSettings chosen: the field set (a toggle flips), the values derived from it,
// the item or group checked, and the panel laid out when its geometry depends on it. False,
// and nothing done, for any other command.
bool chooseSetting(PickerState& s, unsigned command, Effects& fx);

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

// Makes freshly loaded settings safe to run with (on/off settings 0 or 1, no drag under way,
// a usable magnifier), derives cellSize and readoutRadix, and returns the menu commands to
// check. Every item starts unchecked.
std::vector<unsigned> applyLoadedSettings(PickerState& state);

// A magnifier the screen no longer holds (or a stored one that never was usable) is put back
// to the start-up size: magnifiedPixels, sizeStep and cellSize 9, 0 and 5.
void useUsableMagnifier(PickerState& s);
