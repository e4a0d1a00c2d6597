#include "tracking/placement.h"

#include <algorithm>

namespace {

// Within this distance of a screen edge the panel snaps flush to it.
constexpr std::int64_t kSnap = 7;
// How far a pinned panel may hang over the screen's edges and stay pinned.
constexpr std::int64_t kKeepInsideSlack = 20;

// xokna and yokna come from stored settings and may be anything, so sums with them are
// taken in 64 bits and brought back into range only at the end.
std::int32_t clampTo32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// One axis of the follow position: snap to the near and far edges, then flip to the
// pointer's other side when the panel would still run off the far edge.
std::int64_t placeAxis(std::int64_t v, std::int64_t cursor, std::int64_t gap, std::int64_t size,
                       std::int64_t screen, bool dragging) {
    if (-kSnap < v && v < kSnap) v = 0;
    if (screen - kSnap < v + size && v + size < screen + kSnap) v = screen - size;
    if (!dragging && v > screen - size) {
        v = cursor - size - gap;
        // A panel too large for either side of the pointer stays wholly on the screen when
        // it fits there at all, rather than hanging its readouts off the near edge.
        if (size <= screen) v = std::clamp<std::int64_t>(v, 0, screen - size);
    }
    return v;
}

}  // namespace

PanelPosition computePanelPosition(PickerState& s) {
    const bool dragging = s.moveform != 0;
    if (!dragging) {
        s.dragOffsetX = 0;
        s.dragOffsetY = 0;
        if (s.nomove == 1) return {s.xokna, s.yokna};
    }
    const std::int64_t x = std::int64_t{s.cursorX} + s.cursorGap + s.dragOffsetX;
    const std::int64_t y = std::int64_t{s.cursorY} + s.cursorGap + s.dragOffsetY;
    return {clampTo32(placeAxis(x, s.cursorX, s.cursorGap, s.panelWidth, s.screenWidth, dragging)),
            clampTo32(placeAxis(y, s.cursorY, s.cursorGap, s.panelHeight, s.screenHeight, dragging))};
}

void beginDragOffsets(PickerState& s) {
    s.dragOffsetX = clampTo32(std::int64_t{s.xokna} - s.cursorGap - s.cursorX);
    s.dragOffsetY = clampTo32(std::int64_t{s.yokna} - s.cursorY - s.cursorGap);
}

Rect keepInsideRect(const PickerState& s) {
    Rect r;
    r.left = static_cast<std::int32_t>(-kKeepInsideSlack);
    r.top = static_cast<std::int32_t>(-kKeepInsideSlack);
    r.right = clampTo32(std::int64_t{s.screenWidth} - s.panelWidth + kKeepInsideSlack);
    r.bottom = clampTo32(std::int64_t{s.screenHeight} - s.panelHeight + kKeepInsideSlack);
    return r;
}

bool pointInRect(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
