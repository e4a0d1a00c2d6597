// The mixer's frozen 16-bit (5-5-5) copy of the screen and its match mask. The pixel
// arithmetic works on plain memory here; snapshot_win.cpp makes the DIB section.
#pragma once

#include <cstdint>

#include "app/picker_state.h"

struct Snapshot {
    std::int32_t width = 0;           // pixels per row
    std::int32_t height = 0;          // rows
    HDC__* memoryDC = nullptr;        // memory DC with the DIB section selected
    HBITMAP__* bitmap = nullptr;      // the DIB section
    std::uint16_t* pixels = nullptr;  // bottom-up 5-5-5 pixels of the DIB section
    std::uint8_t* mask = nullptr;     // one bit per pixel, set for a match
};

extern Snapshot snapshot;
extern Colour matchTarget;  // target colour of the latest markMatches

std::uint16_t toRgb555(Colour colour);
Colour fromRgb555(std::uint16_t pixel);

// The snapshot's colour at screen position (x, y); the invalid-colour marker 0xFFFFFFFF
// for a position outside the snapshot or when none is held.
Colour snapshotPixel(std::int32_t x, std::int32_t y);
