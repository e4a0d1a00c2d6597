// The colour arithmetic that the copy formats, the contrast figures, the palette filters, the
// panel and the mixer share. A Colour holds red in its low byte (0x00BBGGRR, as Win32 does);
// 32-bit DIB pixels and the six-digit codes shown and stored put red first (0x00RRGGBB,
// "FF8000").
#pragma once

#include <cmath>
#include <cstdint>

#include "core/types.h"

// Channel i of a colour: 0 red, 1 green, 2 blue.
constexpr std::uint32_t channelOf(Colour c, int i) { return c >> (8 * i) & 0xFFu; }
constexpr std::uint32_t redOf(Colour c) { return channelOf(c, 0); }
constexpr std::uint32_t greenOf(Colour c) { return channelOf(c, 1); }
constexpr std::uint32_t blueOf(Colour c) { return channelOf(c, 2); }
constexpr Colour rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | g << 8 | b << 16; }

// Red and blue trade places, the top byte dropped: a Colour to a DIB pixel or a red-first
// code, and back.
constexpr std::uint32_t swapRedBlue(std::uint32_t c) { return (c >> 16 & 0xFFu) | (c & 0xFF00u) | (c & 0xFFu) << 16; }

// A channel's light, 0 to 1: the sRGB transfer function undone.
inline double linearLight(std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Six upper-case hexadecimal digits, red first, and the terminator: "FF8000".
inline void hexCode(Colour c, char out[7]) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < 3; ++i) {
        out[2 * i] = kDigits[channelOf(c, i) >> 4];
        out[2 * i + 1] = kDigits[channelOf(c, i) & 0xFu];
    }
    out[6] = 0;
}

// The value of a hexadecimal digit of either case, or -1.
constexpr int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
