#include "display/readouts.h"

#include <algorithm>

namespace {

constexpr std::int32_t kCoordinatesCells = 23;
// The smallest sample count for which the view is one stretched copy.
constexpr std::int64_t kStretchedFrom = 36;

std::uint32_t channel(Colour c, int shift) { return (c >> shift) & 0xFFu; }

}  // namespace

void formatColourCode(Colour c, char out[7]) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t v = channel(c, 8 * i);
        out[2 * i] = kDigits[v >> 4];
        out[2 * i + 1] = kDigits[v & 0xFu];
    }
    out[6] = 0;
}

void formatDecimalColour(Colour c, char* out, std::size_t size) {
    sharedText.clear();
    sharedText.appendInt(static_cast<std::int32_t>(channel(c, 0)), 10);
    sharedText.append(",");
    sharedText.appendInt(static_cast<std::int32_t>(channel(c, 8)), 10);
    sharedText.append(",");
    sharedText.appendInt(static_cast<std::int32_t>(channel(c, 16)), 10);
    if (size == 0) return;
    const std::size_t n = std::min(static_cast<std::size_t>(sharedText.length), size - 1);
    std::copy_n(sharedText.data, n, out);
    out[n] = 0;
}

void buildCoordinatesLine(TextBuffer& t, std::int32_t x, std::int32_t y, bool capturing, std::int32_t w,
                          std::int32_t h) {
    static constexpr char kBlanks[kCoordinatesCells + 1] = "                       ";
    t.assign("(");
    t.appendInt(x, 10);
    t.append(",");
    t.appendInt(y, 10);
    t.append(") ");
    if (capturing) {
        t.append("W=");
        t.appendInt(w, 10);
        t.append(" H=");
        t.appendInt(h, 10);
    }
    if (t.length < kCoordinatesCells) t.appendCount(kBlanks, kCoordinatesCells - t.length);
}

int stretchedMargins(const PickerState& s, const Rect& screen, CellRect out[4]) {
    const std::int64_t n = std::int64_t{s.sir} + s.velikost;
    if (n < kStretchedFrom) return 0;
    const std::int64_t half = n / 2;
    const std::int64_t cell = s.cellSize;
    const std::int64_t left = s.magnifierLeft, top = s.magnifierTop;
    const std::int64_t right = left + s.magnifierSize, bottom = top + s.magnifierSize;
    // A margin may be wider than the square (the pointer far from the screen's area): each
    // one is clipped to it.
    const std::int64_t x = s.cursorX, y = s.cursorY;

    int count = 0;
    auto add = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
        l = std::clamp(l, left, right);
        r = std::clamp(r, left, right);
        t = std::clamp(t, top, bottom);
        b = std::clamp(b, top, bottom);
        if (l < r && t < b)
            out[count++] = {static_cast<std::int32_t>(l), static_cast<std::int32_t>(t),
                            static_cast<std::int32_t>(r), static_cast<std::int32_t>(b)};
    };
    if (x - half < screen.left) add(left, top, left + (screen.left - x + half) * cell, bottom);
    if (x + half >= screen.right) add(left + (half - x + screen.right) * cell, top, right, bottom);
    if (y - half < screen.top) add(left, top, right, top + (screen.top - y + half) * cell);
    if (y + half >= screen.bottom) add(left, top + (half - y + screen.bottom) * cell, right, bottom);
    return count;
}

std::int32_t magnifierCells(const PickerState& s) {
    const std::int64_t n = std::int64_t{s.sir} + s.velikost;
    if (n <= 0 || s.cellSize <= 0 || s.magnifierSize <= 0) return 0;
    return static_cast<std::int32_t>(std::min<std::int64_t>(n, s.magnifierSize / s.cellSize));
}
