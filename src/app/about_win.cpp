// The about window: the overlay window given a caption and the two skin pages.
#include "app/app_win.h"
#include "app/picker_state.h"

void openAbout() {}

LRESULT aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
