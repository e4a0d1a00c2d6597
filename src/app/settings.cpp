#include "app/settings.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

#include "capture/colour_text.h"
#include "core/commands.h"
#include "display/readouts.h"
#include "tracking/layout.h"

const SettingEntry kSettings[13] = {
    {"xokna", &PickerState::panelX},       {"yokna", &PickerState::panelY},
    {"showhexa", &PickerState::hexReadouts}, {"convertcolflag", &PickerState::paletteFilter},
    {"showhsv", &PickerState::showHsv},   {"showcoord", &PickerState::showCoordinates},
    {"nomove", &PickerState::pinned},     {"freeze", &PickerState::frozen},
    {"fast", &PickerState::keptFast},         {"moveform", &PickerState::draggingPanel},
    {"show", &PickerState::show},         {"velikost", &PickerState::sizeStep},
    {"sir", &PickerState::magnifiedPixels},
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

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}

const ChoiceEntry kChoiceSettings[4] = {
    {"copyformat", &PickerState::copyFormat, kCopyFormats},
    {"sample", &PickerState::sample, 3},
    {"contrast", &PickerState::contrast, 2},
    {"keys", &PickerState::keys, 2},
};

std::int32_t parseStoredChoice(const char* text, std::int32_t choices) {
    const bool digit = text[0] >= '0' && text[0] < '0' + choices && text[1] == 0;
    return digit ? text[0] - '0' : 0;
}

void parseRecentColours(const char* text, PickerState& state) {
    state.recentCount = 0;
    for (const char* p = text; state.recentCount < kRecentColours; ++p) {
        const char* end = std::strchr(p, ',');
        if (!end) end = p + std::strlen(p);
        Colour rgb = 0;
        bool six = end - p == 6;
        for (const char* d = p; six && d < end; ++d) {
            const char* digit = std::strchr(kHexDigits, std::toupper(static_cast<unsigned char>(*d)));
            six = *d != 0 && digit != nullptr;
            rgb = rgb << 4 | static_cast<Colour>(six ? digit - kHexDigits : 0);
        }
        // Stored red first; held as 0x00BBGGRR.
        const Colour c = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
        if (six && std::find(state.recent, state.recent + state.recentCount, c) == state.recent + state.recentCount)
            state.recent[state.recentCount++] = c;
        if (*end == 0) break;
        p = end;
    }
}

std::size_t recentColoursText(const PickerState& state, char* out, std::size_t size) {
    std::size_t length = 0;
    if (size == 0) return 0;
    out[0] = 0;
    for (std::int32_t i = 0; i < std::clamp(state.recentCount, 0, kRecentColours); ++i) {
        char code[7];
        formatColourCode(state.recent[i], code);
        const int n = std::snprintf(out + length, size - length, "%s%s", i ? "," : "", code);
        if (n < 0 || static_cast<std::size_t>(n) >= size - length) break;
        length += static_cast<std::size_t>(n);
    }
    return length;
}

std::vector<unsigned> applyLoadedSettings(PickerState& state) {
    // On/off settings are read as on or off: a stored 2 would toggle between 2 and 3 and
    // never turn off. No drag survives a restart.
    for (std::int32_t PickerState::*flag : {&PickerState::hexReadouts, &PickerState::showHsv, &PickerState::showCoordinates,
                                            &PickerState::pinned, &PickerState::frozen, &PickerState::show})
        state.*flag = state.*flag != 0;
    state.draggingPanel = 0;
    if (state.magnifiedPixels == 15) state.cellSize = 3;
    if (state.magnifiedPixels == 9) state.cellSize = 5;
    if (state.magnifiedPixels == 7) state.cellSize = 7;
    useUsableMagnifier(state);  // the check marks then show the sizes in use
    std::vector<unsigned> checks;
    if (state.paletteFilter >= 0 && state.paletteFilter <= 3)
        checks.push_back(cmd::PaletteNormal + static_cast<unsigned>(state.paletteFilter));
    if (state.sizeStep == -2) checks.push_back(cmd::WindowMin);
    if (state.sizeStep == 0) checks.push_back(cmd::WindowNormal);
    if (state.sizeStep == 10) checks.push_back(cmd::WindowMax);
    if (state.showCoordinates) checks.push_back(cmd::Coordinates);
    if (state.showHsv) checks.push_back(cmd::HsvCmyk);
    if (state.hexReadouts) {
        state.readoutRadix = 16;
        checks.push_back(cmd::HexValues);
    }
    if (state.magnifiedPixels == 15) checks.push_back(cmd::PipetteMin);
    if (state.magnifiedPixels == 9) checks.push_back(cmd::PipetteNormal);
    if (state.magnifiedPixels == 7) checks.push_back(cmd::PipetteMax);
    for (const ChoiceEntry& entry : kChoiceSettings)
        if (state.*entry.field < 0 || state.*entry.field >= entry.choices) state.*entry.field = 0;
    checks.push_back(cmd::CopyFormatFirst + static_cast<unsigned>(state.copyFormat));
    checks.push_back(cmd::SampleFirst + static_cast<unsigned>(state.sample));
    if (state.contrast) checks.push_back(cmd::Contrast);
    if (state.keys) checks.push_back(cmd::FrozenKeys);
    return checks;
}
