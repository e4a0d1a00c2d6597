// Contrast between the colour shown and a reference colour: the WCAG 2.x ratio and level, and
// the APCA lightness contrast, and the line of the panel that shows them.
#pragma once

#include <cstdint>

#include "core/types.h"
#include "display/text_buffer.h"

// WCAG 2.x relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(Colour c);
// (lighter + 0.05) / (darker + 0.05): 1 to 21, whichever colour is the lighter.
double contrastRatio(Colour a, Colour b);
// The level normal text passes: "AAA" from 7, "AA" from 4.5, else "-". Never rounded up.
const char* wcagLevel(double ratio);
// APCA-W3 lightness contrast Lc of text on a background, rounded to the nearest integer:
// positive for dark text on a light background, negative for light text on a dark one.
std::int32_t apcaContrast(Colour text, Colour background);

// "4.54:1 AA LC 63", padded with blanks to kContrastCells: the ratio cut (not rounded) to two
// decimals, the level, and Lc with the shown colour as the text and the reference as the
// background.
inline constexpr std::int32_t kContrastCells = 19;
void buildContrastLine(TextBuffer& t, Colour shown, Colour reference);
