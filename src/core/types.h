// The small shared types: colours and rectangles.
#pragma once

#include <cstdint>

using Colour = std::uint32_t;  // 0x00BBGGRR, red in the low byte

// What reading a pixel off the screen gives; no colour has a non-zero top byte.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Half-open test: left <= x < right and top <= y < bottom.
constexpr bool pointInRect(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
