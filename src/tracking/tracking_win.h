// Pointer tracking: the panel shown with its mouse hook, its layout and its placement.
#pragma once

#include <windows.h>

bool showPanel();
void hidePanel();
void applyPanelVisibility();
LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam);

void layoutPanel();
void placePanel();
void beginPanelDrag(int pressX, int pressY);
