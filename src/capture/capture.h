// The arithmetic of the two clipboard copies: the rubber band's rectangle and what of it
// is copied, and the colour text.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/picker_state.h"

// The rectangle between the fixed corner and the pointer, normalised so that left <= right
// and top <= bottom, whichever way the band was dragged.
Rect bandRect(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y);

// 0 when the band has no width or no height, else width + height.
std::int32_t captureSize(std::int32_t width, std::int32_t height);

// The pixels strictly inside the band, the band's own lines left out: a 5 x 6 band has
// 4 x 5 of them.
Rect bandInside(const Rect& band);

// Whether a release copies: the size test (above 10), and an inside with pixels in it. A
// band 1 pixel wide passes the size test but has nothing inside; copying it would empty
// the clipboard for a bitmap of no pixels.
bool bandCopies(const Rect& band);

// The clipboard text for the colour shown: "#" and the six digits in hexadecimal mode,
// the decimal triple as it stands otherwise. Written into out, cut to fit size bytes with
// its terminator; returns its length.
std::size_t colourClipboardText(const char* colorText, bool hexadecimal, char* out, std::size_t size);
