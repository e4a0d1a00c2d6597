#include "display/readouts.h"

#include <algorithm>

namespace {

constexpr std::int32_t kCoordinatesCells = 23;

}  // namespace

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

std::int32_t blockOnMonitors(const Rect* monitors, std::int32_t count, const Rect& block, BlockPart* out) {
    std::int32_t parts = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const Rect& m = monitors[i];
        const Rect on = {std::max(m.left, block.left), std::max(m.top, block.top), std::min(m.right, block.right),
                         std::min(m.bottom, block.bottom)};
        if (on.left < on.right && on.top < on.bottom) out[parts++] = {on, on.left - block.left, on.top - block.top};
    }
    return parts;
}

bool onMonitors(const BlockPart* parts, std::int32_t count, std::int32_t x, std::int32_t y) {
    for (std::int32_t i = 0; i < count; ++i)
        if (pointInRect(parts[i].screen, x, y)) return true;
    return false;
}

std::int32_t magnifierCells(const PickerState& s) {
    const std::int64_t n = std::int64_t{s.magnifiedPixels} + s.sizeStep;
    if (n <= 0 || s.cellSize <= 0 || s.magnifierSize <= 0) return 0;
    return static_cast<std::int32_t>(std::min<std::int64_t>(n, s.magnifierSize / s.cellSize));
}

void showColour(PickerState& s, Colour c) { s.currentColour = c; }
