// Laying out and moving the panel window; the arithmetic is in layout.cpp and
// placement.cpp.
#include "app/picker_state.h"
#include "mixer/slider.h"
#include "tracking/layout.h"
#include "tracking/placement.h"
#include "tracking/tracking_win.h"

void layoutPanel() {
    computeLayout(picker);
    placePanel();
    PostMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
}

Rect monitorAt(std::int32_t x, std::int32_t y) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint({x, y}, MONITOR_DEFAULTTONEAREST), &info))
        return {0, 0, picker.screenWidth, picker.screenHeight};
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

Rect allMonitors() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void placePanel() {
    const PanelPosition at = computePanelPosition(picker, monitorAt(picker.cursorX, picker.cursorY));
    picker.xokna = at.x;
    picker.yokna = at.y;
    // Asynchronous, never activating: the hook calls this on every pointer move.
    SetWindowPos(picker.panelHwnd, HWND_TOPMOST, at.x, at.y, picker.panelWidth, picker.panelHeight,
                 SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE);
}

void beginPanelDrag(int pressX, int pressY) {
    picker.moveform = 1;
    if (picker.mixerActive) {
        // A press on a slider's thumb drags the slider, not the panel.
        bool onThumb = false;
        for (SliderControl& slider : colorSliders) onThumb = slider.hitTest(pressX, pressY) || onThumb;
        if (onThumb) picker.moveform = 0;
    }
    // From the press's own point on the panel: the hook's calls come before queued input, so
    // moves made just after the press may already have moved the pointer it last saw.
    beginDragOffsets(picker, picker.xokna + pressX, picker.yokna + pressY);
    picker.freeze = 0;
    if (!picker.mixerActive) {
        PostMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
        PostMessageA(picker.panelHwnd, UM_READOUT, 0, 0);
    }
}
