// The colour mixer mode.
#pragma once

#include <windows.h>

void enterMixer();
void exitMixer();
LRESULT mixerSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
