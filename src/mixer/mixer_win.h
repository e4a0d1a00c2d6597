// The colour mixer mode.
#pragma once

#include <windows.h>

void enterMixer();
void exitMixer();
// The mouse hook hands pointer moves and left releases to the mixer while it runs.
void mixerHookMove();
void mixerHookRelease();
LRESULT mixerSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
