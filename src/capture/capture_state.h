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
    std::int32_t crosshairX = -1;     // crosshair on the overlay: -1 none, -2 draw at next paint
    std::int32_t crosshairY = -1;
    std::uint8_t crosshairShown = 0;  // a crosshair was drawn in state 1 and must be erased
    std::int32_t captureSavedNomove = 0;  // nomove when the capture began
};

extern CaptureState capture;
