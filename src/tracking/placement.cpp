#include "tracking/placement.h"

#include <algorithm>

namespace {

// Within this distance of a screen edge the panel snaps flush to it.
constexpr std::int64_t kSnap = 7;
// How far a pinned panel may hang over the screen's edges and stay pinned.
constexpr std::int64_t kKeepInsideSlack = 20;

// panelX and panelY come from stored settings and may be anything, so sums with them are
// taken in 64 bits and brought back into range only at the end.
std::int32_t clampTo32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// One axis of the follow position within the monitor's [low, high): snap to its near and
// far edges, then flip to the pointer's other side when the panel would still run off the
// far edge.
std::int64_t placeAxis(std::int64_t v, std::int64_t cursor, std::int64_t gap, std::int64_t size, std::int64_t low,
                       std::int64_t high, bool dragging, std::int64_t snap) {
    if (low - snap < v && v < low + snap) v = low;
    if (high - snap < v + size && v + size < high + snap) v = high - size;
    if (!dragging && v > high - size) {
        v = cursor - size - gap;
        // A panel too large for either side of the pointer stays wholly on the monitor when
        // it fits there at all, rather than hanging its readouts off the near edge.
        if (size <= high - low) v = std::clamp<std::int64_t>(v, low, high - size);
    }
    return v;
}

// Distances in window pixels: the panel's own ones grow with its scale.
std::int64_t scaled(const PickerState& s, std::int64_t v) { return v * (s.scale < 1 ? 1 : s.scale); }

}  // namespace

PanelPosition computePanelPosition(PickerState& s, const Rect& monitor) {
    const bool dragging = s.draggingPanel != 0;
    if (!dragging) {
        s.dragOffsetX = 0;
        s.dragOffsetY = 0;
        if (s.pinned == 1) return {s.panelX, s.panelY};
    }
    const std::int64_t gap = scaled(s, s.cursorGap), snap = scaled(s, kSnap);
    const std::int64_t x = std::int64_t{s.cursorX} + gap + s.dragOffsetX;
    const std::int64_t y = std::int64_t{s.cursorY} + gap + s.dragOffsetY;
    return {clampTo32(placeAxis(x, s.cursorX, gap, scaled(s, s.panelWidth), monitor.left, monitor.right, dragging,
                                snap)),
            clampTo32(placeAxis(y, s.cursorY, gap, scaled(s, s.panelHeight), monitor.top, monitor.bottom, dragging,
                                snap))};
}

void beginDragOffsets(PickerState& s, std::int32_t pointerX, std::int32_t pointerY) {
    s.dragOffsetX = clampTo32(std::int64_t{s.panelX} - scaled(s, s.cursorGap) - pointerX);
    s.dragOffsetY = clampTo32(std::int64_t{s.panelY} - pointerY - scaled(s, s.cursorGap));
}

Rect keepInsideRect(const PickerState& s, const Rect& monitor) {
    Rect r;
    const std::int64_t slack = scaled(s, kKeepInsideSlack);
    r.left = clampTo32(std::int64_t{monitor.left} - slack);
    r.top = clampTo32(std::int64_t{monitor.top} - slack);
    r.right = clampTo32(std::int64_t{monitor.right} - scaled(s, s.panelWidth) + slack);
    r.bottom = clampTo32(std::int64_t{monitor.bottom} - scaled(s, s.panelHeight) + slack);
    return r;
}
