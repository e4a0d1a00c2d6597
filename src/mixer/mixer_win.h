// The colour mixer mode, and the snapshot's Win32 side.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/picker_state.h"

bool createSnapshot(HWND window, std::int32_t width, std::int32_t height);
void grabScreen(HWND window);
void showSnapshot(HWND window);
void recolorMarked(HWND window, Colour colour);
void freeSnapshot();

void enterMixer();
// What the mixer freezes: every monitor; the tests replace it to see a snapshot fail.
extern Rect (*mixerArea)();
void exitMixer();
// The mouse hook hands pointer moves and left releases to the mixer while it runs.
void mixerHookMove();
void mixerHookRelease();
// The panel's part: pointer moves over it drag the colour sliders and preview the mix;
// UM_MIXERRELEASE does the release's whole-screen work the hook leaves to it.
void mixerPanelMove(int x, int y);
void mixerRelease(bool picked);
LRESULT mixerSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
