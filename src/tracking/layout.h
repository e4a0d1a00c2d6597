// The panel's geometry: where the magnifier, swatch, readouts, HSV/CMYK block and mixer
// sliders go, and how large the panel is, all derived from the settings.
#pragma once

#include "core/picker_state.h"

// Recomputes every geometry field of s from its settings, the mixer's slider rows included
// while it runs, for a usable magnifier (the settings see to that). Moving the window and
// repainting are left to layoutPanel.
void computeLayout(PickerState& s);

// A magnifier is usable from the smallest the menu makes (35 pixels a side) up to the
// screen's smaller side; every value the menu offers passes. Stored settings may give
// anything else.
bool magnifierUsable(const PickerState& s);

// The panel's scale at a monitor's DPI: 1 below 144 (150 %), 2 from 144, 3 from 240 (250 %).
// The 5 x 6 font stays readable, and every picture is enlarged pixel for pixel.
std::int32_t scaleForDpi(std::int32_t dpi);
