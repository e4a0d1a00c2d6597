// Region capture on the overlay window, and the colour text copy.
#include "app/picker_state.h"
#include "capture/capture_win.h"

void startCapture() {}
void updateCaptureRect() {}
void endCapture(bool) {}
void copyColorText() {}

LRESULT captureSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
