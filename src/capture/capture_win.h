// Region capture on the overlay window, and the colour text copy.
#pragma once

#include <windows.h>

void startCapture();
void updateCaptureRect();
// Ends the capture; with copy, a band that passes the size test has its inside cut from
// the screen and queued for the clipboard (UM_COPYBITMAP to the panel).
void endCapture(bool copy);
void paintCaptureOverlay(HDC dc);
LRESULT captureSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The panel window's side of the copies, run from its message loop, never from the hook.
void copyColorText();
void copyCaptureBitmap();
