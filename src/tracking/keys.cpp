#include "tracking/keys.h"

#include <algorithm>
#include <iterator>

#include "core/messages.h"
#include "tracking/gestures.h"

namespace {

// A bit each in keysKept, in this order.
constexpr std::uint32_t kKeys[] = {vk::Left, vk::Up, vk::Right, vk::Down, vk::Return, vk::Escape};

// Grows r (empty: width 0) to hold the pixel (x, y).
void cover(Rect& r, std::int32_t x, std::int32_t y) {
    if (r.right <= r.left)
        r = {x, y, x + 1, y + 1};
    else
        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
}

void step(PickerState& s, std::int32_t dx, std::int32_t dy, Effects& fx) {
    cover(s.stepSpan, s.cursorX, s.cursorY);
    const std::int32_t x = s.cursorX + dx, y = s.cursorY + dy;
    Rect home = s.allMonitors;
    for (std::int32_t i = 0; i < std::min(s.monitorCount, kMaxMonitors); ++i) {
        const Rect& m = s.monitors[i];
        if (pointInRect(m, x, y)) {
            home = m;
            break;
        }
        if (pointInRect(m, s.cursorX, s.cursorY)) home = m;
    }
    pointerAt(s, std::max(home.left, std::min(x, home.right - 1)), std::max(home.top, std::min(y, home.bottom - 1)));
    cover(s.stepSpan, s.cursorX, s.cursorY);
    if (s.stepAsked) return;
    s.stepAsked = 1;
    fx.post(UM_STEP);
}

}  // namespace

bool keyboardWanted(const PickerState& s) {
    return s.keys && s.frozen && s.show && s.captureState == 0 && !s.mixerActive && !s.aboutActive && !s.modalOpen;
}

Effects keyDecision(PickerState& s, const KeyEvent& e) {
    Effects fx;
    const auto* found = std::find(std::begin(kKeys), std::end(kKeys), e.key);
    if (found == std::end(kKeys)) return fx;
    const auto bit = static_cast<std::uint8_t>(1u << (found - kKeys));
    if (e.up) {
        // A press kept from the program in front keeps its release from it too: the system's
        // key state would otherwise hold the key down there.
        if (!(s.keysKept & bit)) return fx;
        s.keysKept &= static_cast<std::uint8_t>(~bit);
        fx.answer(kSwallow);
        // On the release: unfreezing removes the hook, which would let the release through alone.
        if (e.key == vk::Escape && keyboardWanted(s)) fx.add(Fx::ToggleFreeze).post(UM_FRAME).post(UM_READOUT);
        return fx;
    }
    if (!keyboardWanted(s) || e.altOrWin) return fx;
    s.keysKept |= bit;
    fx.answer(kSwallow);
    const std::int32_t n = e.ctrl ? 10 : 1;
    switch (e.key) {
    case vk::Left: step(s, -n, 0, fx); break;
    case vk::Right: step(s, n, 0, fx); break;
    case vk::Up: step(s, 0, -n, fx); break;
    case vk::Down: step(s, 0, n, fx); break;
    case vk::Return: fx.post(UM_COPYTEXT); break;
    default: break;
    }
    return fx;
}

Effects stepAsAsked(PickerState& s) {
    s.stepAsked = 0;
    return Effects().add(Fx::MovePointer, s.cursorX, s.cursorY).add(Fx::PaintReadouts, 0, 1);
}
