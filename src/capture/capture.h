// Region capture: the crosshair, the rubber band and what of it is copied.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"
#include "tracking/gestures.h"

// A capture's own record, beside the picker's captureState (0 idle, 1 crosshair, 2 band).
struct CaptureState {
    std::int32_t captureStartX = 0;   // the fixed corner, screen coordinates
    std::int32_t captureStartY = 0;
    Rect captureRect;                 // normalised rectangle between the corner and the pointer
    std::int32_t captureWidth = 0;    // captureRect's width and height
    std::int32_t captureHeight = 0;
    Rect drawnBandRect;               // the band currently inverted on the overlay; empty if none
    // Where the crosshair's lines are inverted on the overlay, while crosshairDrawn. (Flags,
    // not marker values: with a monitor left of or above the primary one every coordinate
    // may be a real one.)
    std::int32_t crosshairX = 0;
    std::int32_t crosshairY = 0;
    std::uint8_t crosshairArmed = 0;  // the pointer has moved: the next paint draws the crosshair
    std::uint8_t crosshairDrawn = 0;  // its lines are inverted on the overlay and must be erased
    UserPanel user;                   // the pin as the user had it when the capture began
    Rect screenArea;                  // what the overlay covers: every monitor, screen coordinates
};

// The capture's states:
//
//   event          state      result
//   start          0          pinned (the pin saved), panel off the screen            -> 1
//   picture timer  1, 2       screen held still, overlay up, panel back
//   picture timer  0          nothing: cancelled before the picture
//   pointer move   1          the crosshair follows from the next paint
//   pointer move   2          the band runs from the corner to the pointer
//   press          1          the corner is where the pointer last moved             -> 2
//   end, copy      any        a band that copies is cut from the held screen          -> 0
//   end, no copy   any        nothing copied; overlay parked, pin as it was           -> 0
Effects captureStart(PickerState& s, CaptureState& c, const Rect& area);
Effects captureHoldScreen(const PickerState& s, const CaptureState& c);
void captureMove(const PickerState& s, CaptureState& c);
void capturePress(PickerState& s, CaptureState& c);
Effects captureEnd(PickerState& s, CaptureState& c, bool copy);

// The overlay's messages during a capture. The overlay is never activated and never erased.
Effects captureOverlayMessage(const PickerState& s, unsigned message);

// What one paint of the overlay inverts, in screen coordinates and in this order: crosshairs
// (the first erases the last one drawn) and band outlines (likewise). Every line is drawn by
// inversion, so each paint first undoes exactly what the previous one drew.
struct CapturePaint {
    Rect area;                 // what the overlay covers
    bool inverting = false;    // the paint draws lines at all
    int crosses = 0;
    std::int32_t crossX[2] = {}, crossY[2] = {};
    int bands = 0;
    Rect band[2];
};
CapturePaint capturePaint(const PickerState& s, CaptureState& c);

// The rectangle between the fixed corner and the pointer, normalised so that left <= right
// and top <= bottom, whichever way the band was dragged.
Rect bandRect(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y);

// The pixels strictly inside the band, the band's own lines left out: a 5 x 6 band has
// 4 x 5 of them.
Rect bandInside(const Rect& band);

// Whether a release copies: a band whose width and height add up to more than 10, with pixels
// inside it. A band 1 pixel wide passes the size test but has nothing inside; copying it would
// empty the clipboard for a bitmap of no pixels.
bool bandCopies(const Rect& band);
