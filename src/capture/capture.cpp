#include "capture/capture.h"

#include <algorithm>

#include "core/messages.h"

namespace {

Effects& withRect(Effects& fx, Fx what, const Rect& r) { return fx.add(what, r.left, r.top, r.right, r.bottom); }

bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// The all-zero rectangle means no band: nothing is drawn.
void addBand(CapturePaint& p, const Rect& r) {
    if (r != Rect{}) p.band[p.bands++] = r;
}

void addCross(CapturePaint& p, std::int32_t x, std::int32_t y) {
    p.crossX[p.crosses] = x;
    p.crossY[p.crosses++] = y;
}

}  // namespace

Effects captureStart(PickerState& s, CaptureState& c, const Rect& area) {
    c = CaptureState{};
    c.user = userPanel(s);
    pinPanel(s);  // the panel stays put during the capture
    c.screenArea = area;
    s.captureState = 1;
    return Effects().add(Fx::ClearPanel);
}

Effects captureHoldScreen(const PickerState& s, const CaptureState& c) {
    Effects fx;
    if (s.captureState == 0) return fx;  // cancelled before the panel got to it
    // The picture is taken with the panel gone and before the overlay covers the screen.
    withRect(fx, Fx::TakePicture, c.screenArea);
    withRect(fx, Fx::ShowOverlay, c.screenArea);
    return fx.add(Fx::LiftPanel);
}

void captureMove(const PickerState& s, CaptureState& c) {
    if (s.captureState == 2) {
        c.captureRect = bandRect(c.captureStartX, c.captureStartY, s.cursorX, s.cursorY);
        c.captureWidth = c.captureRect.right - c.captureRect.left;
        c.captureHeight = c.captureRect.bottom - c.captureRect.top;
    }
    if (s.captureState == 1) c.crosshairArmed = 1;  // the overlay's next paint draws it
}

void capturePress(PickerState& s, CaptureState& c) {
    if (s.captureState != 1) return;
    s.captureState = 2;
    c.captureStartX = s.cursorX;
    c.captureStartY = s.cursorY;
}

Effects captureEnd(PickerState& s, CaptureState& c, bool copy) {
    Effects fx;
    if (s.captureState == 0) return fx;
    fx.add(Fx::ReleasePointer);
    if (copy && bandCopies(c.captureRect)) withRect(fx, Fx::CutBand, bandInside(c.captureRect));
    // Placed again: a capture ended before its picture leaves the panel off the screen.
    fx.add(Fx::ParkOverlay).add(Fx::PlacePanel).add(Fx::ApplyVisibility).add(Fx::SetCursor, ArrowShape);
    fx.add(Fx::ReleasePicture);
    s.captureState = 0;
    giveBackPanel(s, c.user, false);
    c.captureRect = {};
    c.captureWidth = c.captureHeight = 0;
    return fx;
}

Effects captureOverlayMessage(const PickerState& s, unsigned message) {
    Effects fx;
    switch (message) {
    case wm::Paint:
        fx.add(Fx::PaintCapture);
        if (s.show == 1) fx.post(UM_READOUT);
        return fx.answer(0);
    case wm::EraseBackground: return fx.answer(0);  // never erased: the picture stays
    // The hook keeps a capture's clicks from every window, the overlay's too. A click that
    // reaches the overlay, which holds the pointer, got past a hook the system skipped (a
    // hook that does not answer in time, under load: two seconds under Wine) or dropped: the
    // overlay acts on it, so that the capture never leaves the user stuck.
    case wm::LeftDown: fx.add(Fx::CapturePress); return fx.answer(0);
    case wm::LeftUp:
        if (s.captureState == 2) fx.add(Fx::EndCapture, 1);
        return fx.answer(0);
    case wm::RightDown: return fx.answer(0);
    // On the release, so that no release reaches the window beneath as a click.
    case wm::RightUp: fx.add(Fx::EndCapture, 0); return fx.answer(0);
    case wm::MouseActivate: return fx.answer(kNoActivate);
    case wm::MouseMove:
        fx.add(Fx::SetCursor, SelectShape);
        if (s.captureState != 0) fx.add(Fx::InvalidateOverlay);
        return fx.answer(0);
    default: return fx;
    }
}

CapturePaint capturePaint(const PickerState& s, CaptureState& c) {
    CapturePaint p;
    p.area = c.screenArea;
    if (s.captureState == 1) {
        if (c.crosshairArmed) {
            p.inverting = true;
            if (c.crosshairDrawn) addCross(p, c.crosshairX, c.crosshairY);
            c.crosshairX = s.cursorX;
            c.crosshairY = s.cursorY;
            addCross(p, c.crosshairX, c.crosshairY);
            c.crosshairDrawn = 1;
        }
        c.drawnBandRect = {};
    } else if (s.captureState == 2) {
        p.inverting = true;
        if (isEmpty(c.drawnBandRect) && c.crosshairDrawn) addCross(p, c.crosshairX, c.crosshairY);
        c.crosshairDrawn = 0;
        addBand(p, c.drawnBandRect);
        c.drawnBandRect = c.captureRect;
        addBand(p, c.captureRect);
    }
    return p;
}

Rect bandRect(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y) {
    return {std::min(startX, x), std::min(startY, y), std::max(startX, x), std::max(startY, y)};
}

// The band's lines run along left, top, right and bottom themselves.
Rect bandInside(const Rect& band) { return {band.left + 1, band.top + 1, band.right, band.bottom}; }

bool bandCopies(const Rect& band) {
    const Rect inside = bandInside(band);
    return (band.right - band.left) + (band.bottom - band.top) > 10 && inside.left < inside.right &&
           inside.top < inside.bottom;
}
