// State of a region capture, beside the picker's captureState.
#pragma once

#include <cstdint>

#include "app/picker_state.h"

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
    std::int32_t captureSavedNomove = 0;  // nomove when the capture began
    Rect screenArea;                  // what the overlay covers: every monitor, screen coordinates
};

extern CaptureState capture;
