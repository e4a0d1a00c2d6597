// Showing and hiding the panel with its system-wide mouse hook.
#include "app/picker_state.h"
#include "tracking/tracking_win.h"

bool showPanel() { return false; }
void hidePanel() {}
void applyPanelVisibility() {}

LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(picker.hookHandle, code, wParam, lParam);
}
