// Pointer tracking: the panel shown with its mouse hook, its layout and its placement.
#pragma once

#include <windows.h>

#include "app/picker_state.h"

// Showing the panel installs the hook and starts a timer on the panel that installs it anew
// if the system drops it (watchHook, on each tick).
bool showPanel();
void hidePanel();
inline constexpr UINT_PTR kHookWatchTimer = 2;
void watchHook();
void applyPanelVisibility();

// What the hook does with one pointer event of the desktop: the message (WM_MOUSEMOVE,
// WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN; others are ignored) and the pointer's
// screen position. Both hook procedures below feed it.
void pointerEvent(int code, UINT message, LONG x, LONG y);
// The low-level mouse hook procedure, the one normally installed.
LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam);
// The journal-record procedure, tried only when the low-level hook cannot be installed.
LRESULT CALLBACK journalHook(int code, WPARAM wParam, LPARAM lParam);

void layoutPanel();
void placePanel();
// The full rectangle of the monitor at (x, y), or the nearest one.
Rect monitorAt(std::int32_t x, std::int32_t y);
// The rectangle all monitors span (the virtual screen), in screen coordinates.
Rect allMonitors();
// The hook only asks for the panel to be placed (UM_PLACE); the panel's window procedure
// places it and repaints the readouts. Asking again before that has happened asks nothing.
void askForPlacement();
void placeAsAsked();
void beginPanelDrag(int pressX, int pressY);
