// The recent colours: the last ones copied, newest first, without repeats, which the menu
// offers to copy again and the palette file holds; and their stored form.
#pragma once

#include <cstddef>

#include "core/picker_state.h"

// Puts c at the top of the recent colours, taking it out from further down and dropping the
// oldest beyond kRecentColours.
void rememberColour(PickerState& s, Colour c);

// `recent`: up to ten colours of six hexadecimal digits, red first, joined by commas, newest
// first ("FF8000,000000"). Entries that are not six digits, and repeats, are skipped.
void parseRecentColours(const char* text, PickerState& state);
std::size_t recentColoursText(const PickerState& state, char* out, std::size_t size);
