// The panel's geometry: where the magnifier, swatch, readouts, HSV/CMYK block and mixer
// sliders go, and how large the panel is, all derived from the settings.
#pragma once

#include "app/picker_state.h"

// Recomputes every geometry field of s from its settings, and places the colour sliders
// while the mixer runs. Moving the window and repainting are left to layoutPanel.
//
// Stored settings are not range-checked on load, so a sample count below 1, or a
// magnifier larger than the screen, first puts sir, velikost and cellSize back to their
// start-up values (9, 0, 5). Every value the menu offers passes untouched.
void computeLayout(PickerState& s);
