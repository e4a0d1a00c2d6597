// The test card's colours: blocks of 16 x 16 pixels, each a colour made from its block
// column and row, so neighbouring blocks always differ in every channel.
#pragma once

#include <cstdint>

inline constexpr int kBlock = 16;
inline constexpr int kTaskbarRows = 28;

// 0x00BBGGRR of the pixel (x, y) on the card.
inline std::uint32_t testcardColour(int x, int y) {
    const unsigned bx = static_cast<unsigned>(x / kBlock), by = static_cast<unsigned>(y / kBlock);
    const unsigned red = (bx * 37u + 11u) & 255u;
    const unsigned green = (by * 53u + 23u) & 255u;
    const unsigned blue = ((bx + by) * 29u + 5u) & 255u;
    return red | green << 8 | blue << 16;
}
