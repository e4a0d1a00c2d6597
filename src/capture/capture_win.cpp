// Region capture on the overlay window, and the colour text copy.
#include <algorithm>

#include "capture/capture_win.h"

#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "tracking/tracking_win.h"

void startCapture() {
    capture.captureSavedNomove = picker.nomove;
    picker.nomove = 1;  // the panel stays put during the capture
    capture.drawnBandRect = {};
    capture.captureRect = {};
    capture.crosshairY = -1;
    capture.crosshairX = -1;
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, 0, 0, picker.screenWidth, picker.screenHeight,
                 SWP_ASYNCWINDOWPOS);
    ShowWindow(picker.overlayHwnd, SW_SHOW);
    SetCapture(picker.overlayHwnd);
    // Lifts the panel back above the overlay.
    SetWindowPos(picker.panelHwnd, HWND_TOPMOST, picker.xokna, picker.yokna, picker.panelWidth,
                 picker.panelHeight, SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE);
    picker.captureState = 1;
}

void updateCaptureRect() {
    Rect& r = capture.captureRect;
    r.left = std::min(capture.captureStartX, picker.cursorX);
    r.right = std::max(capture.captureStartX, picker.cursorX);
    r.top = std::min(capture.captureStartY, picker.cursorY);
    r.bottom = std::max(capture.captureStartY, picker.cursorY);
    capture.captureWidth = r.right - r.left;
    capture.captureHeight = r.bottom - r.top;
}

void endCapture(bool) {
    ReleaseCapture();
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, -1, -1, 1, 1, SWP_ASYNCWINDOWPOS | SWP_DEFERERASE);
    ShowWindow(picker.overlayHwnd, SW_HIDE);
    applyPanelVisibility();
    picker.captureState = 0;
    capture.captureRect = {};
    capture.captureHeight = 0;
    capture.captureWidth = 0;
    SetCursor(picker.arrowCursor);
    picker.nomove = capture.captureSavedNomove;
}

void copyColorText() {}

LRESULT captureSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
