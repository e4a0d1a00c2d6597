// Pointer tracking: the panel window shown, laid out and placed, and the mouse hook.
#pragma once

#include <windows.h>

#include "core/picker_state.h"
#include "tracking/gestures.h"
#include "tracking/keys.h"

// Showing the panel installs the hook and starts a timer on the panel that installs it anew
// if the system drops it (watchHook, on each tick).
void showPanel();
void hidePanel();
void applyPanelVisibility();
void watchHook();
// The hook and its watch timer, installed and removed.
bool installHook();
void removeHook();

// Every pointer event the hook sees goes to this handler, which the program sets once; true
// when the event is Tintspot's alone and goes no further (nor does its button's release).
using PointerHandler = bool (*)(const PointerEvent& event);
void setPointerHandler(PointerHandler handler);
// The low-level mouse hook procedure.
LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam);

// The keyboard hook, installed or removed as keyboardWanted says (the window procedures ask
// after every message; hiding the panel removes it); its keys go to the handler, which is
// true when a key goes no further. The mouse hook's watch timer watches it too.
void syncKeyHook();
void removeKeyHook();
using KeyHandler = bool (*)(const KeyEvent& event);
void setKeyHandler(KeyHandler handler);
LRESULT CALLBACK keyHook(int code, WPARAM wParam, LPARAM lParam);
// The pointer set to (x, y) by the program: the watch takes it as seen.
void movePointer(std::int32_t x, std::int32_t y);

// The panel off the screen and hidden. Under a compositing window manager it is gone from
// the screen only once the windows beneath have repainted its place and the next frame is
// composed: a picture of the screen waits kPanelGoneWait.
void takePanelOffScreen();
inline constexpr DWORD kPanelGoneWait = 50;  // ms; 1 is not enough
void layoutPanel();
// Moves the panel window where placement puts it, at the scale of the DPI of the monitor it
// goes to.
void placePanel();
// The pointer where the system says it is, into the picker (the hook sees only its moves).
void readPointer();
// The full rectangle of the monitor at (x, y), or the nearest one.
Rect monitorAt(std::int32_t x, std::int32_t y);
// The primary monitor's size, each monitor's rectangle and the one they all span, into the
// picker; at start-up and whenever the displays change.
void readMonitors();
