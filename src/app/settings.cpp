#include "app/settings.h"

#include <climits>

#include "core/commands.h"
#include "tracking/layout.h"

const SettingEntry kSettings[13] = {
    {"xokna", &PickerState::xokna},       {"yokna", &PickerState::yokna},
    {"showhexa", &PickerState::showhexa}, {"convertcolflag", &PickerState::convertcolflag},
    {"showhsv", &PickerState::showhsv},   {"showcoord", &PickerState::showcoord},
    {"nomove", &PickerState::nomove},     {"freeze", &PickerState::freeze},
    {"fast", &PickerState::fast},         {"moveform", &PickerState::moveform},
    {"show", &PickerState::show},         {"velikost", &PickerState::velikost},
    {"sir", &PickerState::sir},
};

std::int32_t parseStoredInt(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) magnitude = std::int64_t{INT32_MAX} + 1;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<std::int32_t>(value);
}

std::vector<unsigned> applyLoadedSettings(PickerState& state) {
    // On/off settings are read as on or off: a stored 2 would toggle between 2 and 3 and
    // never turn off. No drag survives a restart.
    for (std::int32_t PickerState::*flag : {&PickerState::showhexa, &PickerState::showhsv, &PickerState::showcoord,
                                            &PickerState::nomove, &PickerState::freeze, &PickerState::show})
        state.*flag = state.*flag != 0;
    state.moveform = 0;
    if (state.sir == 15) state.cellSize = 3;
    if (state.sir == 9) state.cellSize = 5;
    if (state.sir == 7) state.cellSize = 7;
    useUsableMagnifier(state);  // the check marks then show the sizes in use
    std::vector<unsigned> checks;
    if (state.convertcolflag >= 0 && state.convertcolflag <= 3)
        checks.push_back(cmd::PaletteNormal + static_cast<unsigned>(state.convertcolflag));
    if (state.velikost == -2) checks.push_back(cmd::WindowMin);
    if (state.velikost == 0) checks.push_back(cmd::WindowNormal);
    if (state.velikost == 10) checks.push_back(cmd::WindowMax);
    if (state.showcoord) checks.push_back(cmd::Coordinates);
    if (state.showhsv) checks.push_back(cmd::HsvCmyk);
    if (state.showhexa) {
        state.readoutRadix = 16;
        checks.push_back(cmd::HexValues);
    }
    if (state.sir == 15) checks.push_back(cmd::PipetteMin);
    if (state.sir == 9) checks.push_back(cmd::PipetteNormal);
    if (state.sir == 7) checks.push_back(cmd::PipetteMax);
    return checks;
}
