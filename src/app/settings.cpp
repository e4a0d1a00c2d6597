#include "app/settings.h"

#include <climits>
#include <iterator>

#include "copy/formats.h"
#include "core/commands.h"
#include "tracking/gestures.h"
#include "tracking/layout.h"

namespace {

// "Размер пипетки", in the order of its commands: screen pixels a side, and the panel pixels a
// cell that go with each.
constexpr std::int32_t kPipettePixels[] = {15, 9, 7};
constexpr std::int32_t kPipetteCells[] = {3, 5, 7};
// "Размер окна": cells added to the pipette's, for WindowMax, WindowNormal and WindowMin.
constexpr std::int32_t kWindowSteps[] = {10, 0, -2};

bool isToggle(const MenuSetting& m) { return m.first == m.last; }

std::int32_t valueOf(const MenuSetting& m, unsigned command) {
    const auto index = static_cast<std::int32_t>(command - m.first);
    return m.values ? m.values[index] : index;
}

bool checked(const PickerState& s, const MenuSetting& m, unsigned command) {
    return isToggle(m) ? s.*m.field != 0 : s.*m.field == valueOf(m, command);
}

// The cell size that goes with a pipette size (any other keeps its own), a usable magnifier,
// and the readouts' radix.
void deriveSettings(PickerState& s) {
    for (std::size_t i = 0; i < std::size(kPipettePixels); ++i)
        if (s.magnifiedPixels == kPipettePixels[i]) s.cellSize = kPipetteCells[i];
    useUsableMagnifier(s);
    s.readoutRadix = s.hexReadouts ? 16 : 10;
}

}  // namespace

const MenuSetting kMenuSettings[10] = {
    {cmd::PipetteMin, cmd::PipetteMax, &PickerState::magnifiedPixels, kPipettePixels},
    {cmd::WindowMax, cmd::WindowMin, &PickerState::sizeStep, kWindowSteps},
    {cmd::PaletteNormal, cmd::PaletteInvert, &PickerState::paletteFilter},
    {cmd::CopyFormatFirst, cmd::CopyFormatFirst + kCopyFormats - 1, &PickerState::copyFormat, nullptr, false},
    {cmd::SampleFirst, cmd::SampleLast, &PickerState::sample},
    {cmd::HexValues, cmd::HexValues, &PickerState::hexReadouts},
    {cmd::Coordinates, cmd::Coordinates, &PickerState::showCoordinates},
    {cmd::HsvCmyk, cmd::HsvCmyk, &PickerState::showHsv},
    {cmd::Contrast, cmd::Contrast, &PickerState::contrast},
    {cmd::FrozenKeys, cmd::FrozenKeys, &PickerState::keys, nullptr, false},
};

bool chooseSetting(PickerState& s, unsigned command, Effects& fx) {
    for (const MenuSetting& m : kMenuSettings) {
        if (command < m.first || command > m.last) continue;
        s.*m.field = isToggle(m) ? s.*m.field ^ 1 : valueOf(m, command);
        deriveSettings(s);
        for (unsigned id = m.first; id <= m.last; ++id)
            fx.add(Fx::SetCheck, static_cast<std::int32_t>(id), checked(s, m, id));
        if (m.laysOut) fx.add(Fx::Layout);
        return true;
    }
    return false;
}

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

std::vector<unsigned> applyLoadedSettings(PickerState& state) {
    // On/off settings are read as on or off: a stored 2 would toggle between 2 and 3 and
    // never turn off. No drag survives a restart.
    for (std::int32_t PickerState::*flag : {&PickerState::hexReadouts, &PickerState::showHsv, &PickerState::showCoordinates,
                                            &PickerState::pinned, &PickerState::frozen, &PickerState::show})
        state.*flag = state.*flag != 0;
    dropPanel(state);
    for (const ChoiceEntry& entry : kChoiceSettings)
        if (state.*entry.field < 0 || state.*entry.field >= entry.choices) state.*entry.field = 0;
    deriveSettings(state);  // the check marks then show the sizes in use
    std::vector<unsigned> checks;
    for (const MenuSetting& m : kMenuSettings)
        for (unsigned id = m.first; id <= m.last; ++id)
            if (checked(state, m, id)) checks.push_back(id);
    return checks;
}

void useUsableMagnifier(PickerState& s) {
    if (magnifierUsable(s)) return;
    s.magnifiedPixels = 9;
    s.sizeStep = 0;
    s.cellSize = 5;
}
