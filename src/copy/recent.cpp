#include "copy/recent.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/colour_maths.h"

void rememberColour(PickerState& s, Colour c) {
    c &= 0xFFFFFFu;
    std::int32_t n = std::clamp(s.recentCount, 0, kRecentColours);
    Colour* found = std::find(s.recent, s.recent + n, c);
    if (found == s.recent + n) {
        n = std::min(n + 1, kRecentColours);  // a full list drops its oldest
        found = s.recent + n - 1;
    }
    std::move_backward(s.recent, found, found + 1);
    s.recent[0] = c;
    s.recentCount = n;
}

void parseRecentColours(const char* text, PickerState& state) {
    state.recentCount = 0;
    for (const char* p = text; state.recentCount < kRecentColours; ++p) {
        const char* end = std::strchr(p, ',');
        if (!end) end = p + std::strlen(p);
        std::uint32_t redFirst = 0;
        bool six = end - p == 6;
        for (const char* d = p; six && d < end; ++d) {
            six = hexDigit(*d) >= 0;
            redFirst = redFirst << 4 | static_cast<std::uint32_t>(six ? hexDigit(*d) : 0);
        }
        const Colour c = swapRedBlue(redFirst);
        if (six && std::find(state.recent, state.recent + state.recentCount, c) == state.recent + state.recentCount)
            state.recent[state.recentCount++] = c;
        if (*end == 0) break;
        p = end;
    }
}

std::size_t recentColoursText(const PickerState& state, char* out, std::size_t size) {
    std::size_t length = 0;
    if (size == 0) return 0;
    out[0] = 0;
    for (std::int32_t i = 0; i < std::clamp(state.recentCount, 0, kRecentColours); ++i) {
        char code[7];
        hexCode(state.recent[i], code);
        const int n = std::snprintf(out + length, size - length, "%s%s", i ? "," : "", code);
        if (n < 0 || static_cast<std::size_t>(n) >= size - length) break;
        length += static_cast<std::size_t>(n);
    }
    return length;
}
