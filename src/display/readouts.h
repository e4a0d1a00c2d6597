// The text and the cell arithmetic of the panel's readouts; the painter draws them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/picker_state.h"
#include "display/text_buffer.h"

// Six upper-case hexadecimal digits, red, green, blue, and the terminator: "FF8000".
void formatColourCode(Colour c, char out[7]);

// The decimal form "255,128,0", built in sharedText and copied into out, cut short to
// fit size bytes with its terminator.
void formatDecimalColour(Colour c, char* out, std::size_t size);

// "(x,y) ", then "W=w H=h" while a capture rectangle is dragged, padded with blanks to
// 23 characters: the blanks paint over what a longer earlier line left on the row.
void buildCoordinatesLine(TextBuffer& t, std::int32_t x, std::int32_t y, bool capturing, std::int32_t w,
                          std::int32_t h);

struct CellRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// The parts of the stretched magnifier view (36 or more screen pixels per side) that lie
// beyond the screen's area (the rectangle all monitors span, as the screen's context holds it,
// the same area the cell-by-cell view reads) and are painted black, clipped to the magnifier
// square, in panel coordinates. Returns how many of out were filled; 0 for the cell view.
int stretchedMargins(const PickerState& s, const Rect& screen, CellRect out[4]);

// Cells per side of the cell-by-cell view: sir + velikost, but never more than the
// magnifier square holds. An even count would otherwise paint one cell past the square.
std::int32_t magnifierCells(const PickerState& s);
