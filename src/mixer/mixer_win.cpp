// The colour mixer mode on the overlay window.
#include "app/picker_state.h"
#include "mixer/mixer_win.h"

void enterMixer() {}
void exitMixer() {}
void mixerHookMove() {}
void mixerHookRelease() {}

LRESULT mixerSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
