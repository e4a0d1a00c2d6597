#include "tracking/gestures.h"

#include "core/messages.h"
#include "tracking/placement.h"

namespace {

void onMove(PickerState& s, const PointerEvent& e, Effects& fx) {
    // Wine's X11 driver reports the pointer set for a key's step back as two moves, to the new
    // point and to the old, in either order. Neither is the user's: the frozen panel stays where
    // it is, and the system, kept from the old one, goes on knowing where the pointer is. Windows
    // reports none; there the first move outside the steps ends the wait.
    if (pointInRect(s.stepSpan, e.x, e.y)) {
        fx.answer(kSwallow);
        return;
    }
    s.stepSpan = {};
    pointerAt(s, e.x, e.y);
    if (s.mixerActive) {
        fx.add(Fx::MixerMove);
    } else if (s.captureState != 0) {
        fx.add(Fx::CaptureMove);
    } else {
        askForPlacement(s, fx);
    }
}

void onPress(const PickerState& s, const PointerEvent& e, Effects& fx) {
    if (s.mixerActive) return;
    // The capture's own presses, the one that starts it included, are the capture's alone: the
    // program beneath gets none of them (the overlay is up only once the screen is held).
    if (s.captureState != 0 || (e.ctrl && e.shift)) fx.answer(kSwallow);
    const bool left = e.kind == PointerEvent::LeftDown;
    std::int32_t capturing = s.captureState;
    if (!left && capturing != 0) {
        fx.add(Fx::EndCapture, 0);
        capturing = 0;
    }
    if (capturing == 1) fx.add(Fx::CapturePress);
    if (capturing != 0) return;
    if (e.alt) fx.add(Fx::TogglePin).post(UM_FRAME);
    if (e.shift && !e.ctrl && left) fx.add(Fx::ToggleFreeze).post(UM_FRAME).post(UM_READOUT);
    if (e.ctrl && e.shift) fx.add(Fx::StartCapture);
}

void onLeftRelease(PickerState& s, const PointerEvent& e, Effects& fx) {
    if (s.captureState == 0 && e.ctrl && !e.shift) fx.post(UM_COPYTEXT);
    if (s.mixerActive) {
        fx.add(Fx::MixerRelease);
        return;
    }
    dropPanel(s);
    if (s.captureState == 2) fx.add(Fx::EndCapture, 1);
}

}  // namespace

Effects pointerDecision(PickerState& s, const PointerEvent& e) {
    Effects fx;
    if (s.aboutActive || s.show == 0) return fx;
    switch (e.kind) {
    case PointerEvent::Move: onMove(s, e, fx); break;
    case PointerEvent::LeftDown:
    case PointerEvent::RightDown: onPress(s, e, fx); break;
    case PointerEvent::LeftUp: onLeftRelease(s, e, fx); break;
    }
    return fx;
}

void askForPlacement(PickerState& s, Effects& fx) {
    if (s.placementAsked) return;
    s.placementAsked = 1;
    fx.post(UM_PLACE);
}

Effects placeAsAsked(PickerState& s) {
    Effects fx;
    s.placementAsked = 0;
    fx.add(Fx::PlacePanel);
    if (s.captureState == 0 && !s.mixerActive) fx.add(Fx::PaintReadouts, 0);
    return fx;
}

void pointerAt(PickerState& s, std::int32_t x, std::int32_t y) {
    s.cursorX = x;
    s.cursorY = y;
}

void grabPanel(PickerState& s, std::int32_t pointerX, std::int32_t pointerY, bool drag) {
    s.draggingPanel = drag;
    beginDragOffsets(s, pointerX, pointerY);
    s.frozen = 0;
}

void dropPanel(PickerState& s) { s.draggingPanel = 0; }

void togglePin(PickerState& s) {
    s.pinned ^= 1;
    s.frozen = 0;
}

void toggleFreeze(PickerState& s) { s.frozen ^= 1; }

UserPanel userPanel(const PickerState& s) { return {s.pinned, s.show, s.frozen}; }

void pinPanel(PickerState& s) { s.pinned = 1; }

void markPanelShown(PickerState& s) { s.show = 1; }

void giveBackPanel(PickerState& s, const UserPanel& user, bool forGood) {
    s.pinned = user.pinned;
    if (!forGood) return;
    s.show = user.show;
    s.frozen = user.frozen;
}
