// Region capture on the overlay window, and the two clipboard copies.
#pragma once

#include <windows.h>

#include "core/effects.h"
#include "core/types.h"

// The capture's own record is private to this file. Its decisions, for the effects StartCapture,
// CaptureMove, CapturePress and EndCapture, and for the overlay's messages while it serves
// the capture: the effects they give back are for the caller to carry out.
Effects captureDecision(const Effect& e);
Effects captureOverlay(unsigned message);
// The band being dragged, for the coordinates line (empty unless dragging).
Rect captureBand();

// Carrying out the capture's effects.
void takePicture(const Rect& area);
void showOverlay(const Rect& area);
void cutBand(const Rect& r);  // queues the bitmap for the panel, which copies it on UM_COPYBITMAP
void releasePicture();
void paintCaptureOverlay(HDC dc);

// The panel window's side of the copies, run from its message loop, never from the hook.
// The colour text in the chosen format; a copy that the clipboard takes goes to the top of
// the recent colours.
void copyColorText();
void copyRecentColour(std::int32_t index);
void copyCaptureBitmap();
