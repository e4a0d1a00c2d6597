// The colour as text in the copy format chosen in the menu ("Формат копирования"): what
// Ctrl + click, Enter while frozen, the recent colours and the plain-text palette copy.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/types.h"

// The formats in the menu's order, which is also the stored `copyformat` value.
enum CopyFormat : std::int32_t {
    AsPanel,   // "#FF8000" in hexadecimal mode, "255,128,0" in decimal mode
    CssRgb,    // "rgb(255, 128, 0)"
    CssHsl,    // "hsl(30, 100%, 50%)"
    CssOklch,  // "oklch(73.19% 0.1858 52.98)"
    Colorref,  // "0x000080FF": the bytes blue, green, red, as Win32 holds them
    Delphi,    // "$000080FF"
    Vb,        // "&H000080FF&"
    Float,     // "1.000, 0.502, 0.000"
    kCopyFormats
};

// Colour c (0x00BBGGRR; the top byte is ignored) as text in format, terminated, cut to fit
// size bytes; returns its length. A format out of range is taken as AsPanel.
std::size_t colourText(Colour c, std::int32_t format, bool hexadecimal, char* out, std::size_t size);
