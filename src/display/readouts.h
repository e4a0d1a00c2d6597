// The text and the cell arithmetic of the panel's readouts; the painter draws them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/picker_state.h"
#include "display/text_buffer.h"

// "(x,y) ", then "W=w H=h" while a capture rectangle is dragged, padded with blanks to
// 23 characters: the blanks paint over what a longer earlier line left on the row.
void buildCoordinatesLine(TextBuffer& t, std::int32_t x, std::int32_t y, bool capturing, std::int32_t w,
                          std::int32_t h);

// A block of screen pixels as it lies on the monitors: one part a monitor it overlaps, its
// screen rectangle and where it starts in the block. What no part holds is off the screen,
// a gap between monitors included; copied from the screen, it would come back as whatever the
// system makes of it (black under Wine, the whole block with it), so it is never copied.
struct BlockPart {
    Rect screen;
    std::int32_t column, row;
};
// Fills out (room for count parts) and returns how many parts there are.
std::int32_t blockOnMonitors(const Rect* monitors, std::int32_t count, const Rect& block, BlockPart* out);
// Whether screen pixel (x, y) lies in one of the parts.
bool onMonitors(const BlockPart* parts, std::int32_t count, std::int32_t x, std::int32_t y);

// The colour the readouts show, and a copy takes: the painter's reading under the pointer, or
// the mixer's mix while a slider is dragged.
void showColour(PickerState& s, Colour c);

// Cells per side of the cell-by-cell view: magnifiedPixels + sizeStep, but never more than the
// magnifier square holds. An even count would otherwise paint one cell past the square.
std::int32_t magnifierCells(const PickerState& s);
