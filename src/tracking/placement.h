// Where the panel goes: beside the pointer, snapped to nearby screen edges, flipped to
// the pointer's other side near the right and bottom edges; or where it was pinned.
#pragma once

#include <cstdint>

#include "core/picker_state.h"

struct PanelPosition {
    std::int32_t x;
    std::int32_t y;
};

// The panel's next top-left corner in screen coordinates, within the rectangle of the monitor
// the pointer is on (screen coordinates are negative left of and above the primary monitor).
// Clears the drag offsets when no drag is under way; does not store the result in panelX,
// panelY (placePanel does, as it moves the window).
PanelPosition computePanelPosition(PickerState& s, const Rect& monitor);

// Records where the panel was grabbed, so that a drag keeps that point under the pointer:
// the pointer's screen position at the press.
void beginDragOffsets(PickerState& s, std::int32_t pointerX, std::int32_t pointerY);

// The area of a monitor in which a pinned panel's saved corner may lie when the panel is
// shown again; outside it the panel is released to follow the pointer.
Rect keepInsideRect(const PickerState& s, const Rect& monitor);
