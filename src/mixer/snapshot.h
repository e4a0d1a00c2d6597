// The mixer's frozen 16-bit (5-5-5) copy of the screen and its match mask. The pixel
// arithmetic works on plain memory here, so it is tested and measured natively;
// snapshot_win.cpp fills it from the screen and shows it, a strip of rows at a time.
#pragma once

#include <cstdint>

#include "core/types.h"

struct Snapshot {
    std::int32_t width = 0;           // pixels per row
    std::int32_t height = 0;          // rows
    std::int32_t stride = 0;          // pixels from one row to the next: rows are padded to 4 bytes
    std::int32_t originX = 0;         // screen position of the snapshot's top-left pixel: the
    std::int32_t originY = 0;         // corner of the area all monitors span
    std::uint16_t* pixels = nullptr;  // bottom-up 5-5-5 pixels, as a 16-bit DIB holds them
    std::uint8_t* mask = nullptr;     // one bit per visible pixel, set for a match
};

extern Snapshot snapshot;
extern Colour matchTarget;  // target colour of the latest markMatches

std::uint16_t toRgb555(Colour colour);
Colour fromRgb555(std::uint16_t pixel);

// One row of 32-bit pixels (blue in the low byte, as a 32-bit DIB holds them) cut to 5-5-5,
// and back, each channel widened by repeating its top bits so that white stays white. The
// system would convert as well, but at a third of the speed: on a 4K screen that is tens of
// milliseconds on entering the mixer and on every change shown.
void packRow(const std::uint32_t* from, std::uint16_t* to, std::int32_t count);
void widenRow(const std::uint16_t* from, std::uint32_t* to, std::int32_t count);

// Pixels per row of a 16-bit DIB of this width: rows are padded to a multiple of 4 bytes.
std::int32_t snapshotStride(std::int32_t width);
// Bytes of the match mask: one bit per visible pixel, and 10 spare.
std::int64_t maskBytes(std::int32_t width, std::int32_t height);

// Marks every pixel whose 5-bit channels each lie within the tolerance of the target's
// (at least equal), and inverts a checkerboard of the marked ones so that they show. With
// restore, the pixels the previous call inverted are inverted back first, so the captured
// colours are compared. Pixel i of the visible pixels, in memory order, owns mask bit i; the
// checkerboard counter runs over visible pixels only, so the padding of odd widths is never
// touched and never shifts a row.
void markMatches(Snapshot& s, Colour target, std::int32_t tolerance, bool restore);

// Writes the colour into every marked pixel.
void recolorMarked(Snapshot& s, Colour colour);

// The snapshot's colour at screen position (x, y); the invalid-colour marker 0xFFFFFFFF
// for a position outside the snapshot or when none is held.
Colour snapshotPixel(std::int32_t x, std::int32_t y);
