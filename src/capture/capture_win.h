// Region capture on the overlay window, and the copy of its band.
#pragma once

#include <windows.h>

#include "capture/capture.h"
#include "core/types.h"

// The capture's own record, which its decisions are given.
extern CaptureState capture;
// The band being dragged, for the coordinates line (empty unless dragging).
Rect captureBand();

// Carrying out the capture's effects.
void takePicture(const Rect& area);
void showOverlay(const Rect& area);
void cutBand(const Rect& r);  // queues the bitmap for the panel, which copies it on UM_COPYBITMAP
void releasePicture();
void paintCaptureOverlay(HDC dc);

// The band's bitmap to the clipboard: the panel's side, run from its message loop.
void copyCaptureBitmap();
