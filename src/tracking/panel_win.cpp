// The panel window shown and hidden with its hook, laid out and moved; the arithmetic is in
// layout.cpp and placement.cpp.
#include "core/messages.h"
#include "core/picker_state.h"
#include "display/scoped_gdi_win.h"
#include "tracking/layout.h"
#include "tracking/placement.h"
#include "tracking/tracking_win.h"

namespace {

Rect rectOf(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return {0, 0, picker.screenWidth, picker.screenHeight};
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

// The last monitor asked about and its DPI: the panel is placed on every pointer move, and a
// monitor's DPI changes only with the display settings, which lay the panel out again.
struct DpiSeen {
    HMONITOR monitor = nullptr;
    std::int32_t dpi = 96;
};
DpiSeen dpiSeen;

std::int32_t dpiOf(HMONITOR monitor) {
    if (monitor && monitor == dpiSeen.monitor) return dpiSeen.dpi;
    // Per monitor from Windows 8.1 on (shcore); the system's DPI before that, and where the
    // call fails.
    using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryA("shcore.dll");
        FARPROC found = shcore ? GetProcAddress(shcore, "GetDpiForMonitor") : nullptr;
        return reinterpret_cast<GetDpiForMonitorCall>(reinterpret_cast<void*>(found));
    }();
    UINT dpiX = 0, dpiY = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    const bool perMonitor = getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY));
    dpiSeen.monitor = monitor;
    dpiSeen.dpi = perMonitor ? static_cast<std::int32_t>(dpiY) : GetDeviceCaps(ScopedGetDC(nullptr), LOGPIXELSY);
    return dpiSeen.dpi;
}

BOOL CALLBACK addMonitor(HMONITOR, HDC, RECT* r, LPARAM) {
    picker.monitors[picker.monitorCount++] = {r->left, r->top, r->right, r->bottom};
    return picker.monitorCount < kMaxMonitors;
}

}  // namespace

void showPanel() {
    picker.frozen = 0;
    // Shown without activation: whatever the user types into keeps the keyboard.
    ShowWindow(picker.panelHwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(picker.panelHwnd);
    picker.show = 1;
    if (!installHook()) return;
    // A panel pinned somewhere no longer reachable (another screen size, a drag past the
    // edge) follows the pointer again.
    if (picker.pinned == 1 &&
        !pointInRect(keepInsideRect(picker, monitorAt(picker.panelX, picker.panelY)), picker.panelX, picker.panelY))
        picker.pinned = 0;
}

void hidePanel() {
    removeHook();
    ShowWindow(picker.panelHwnd, SW_HIDE);
    picker.show = 0;
    removeKeyHook();  // once hidden: the messages of the hiding would have installed it again
}

void applyPanelVisibility() { ShowWindow(picker.panelHwnd, picker.show == 1 ? SW_SHOWNOACTIVATE : SW_HIDE); }

void takePanelOffScreen() {
    SetWindowPos(picker.panelHwnd, HWND_TOP, -10, -10, 2, 2, SWP_NOACTIVATE);
    ShowWindow(picker.panelHwnd, SW_HIDE);
}

void layoutPanel() {
    dpiSeen = {};  // the display settings may have changed: asked again
    computeLayout(picker);
    placePanel();
    PostMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
}

void readPointer() {
    POINT pointer = {};
    if (GetCursorPos(&pointer)) pointerAt(picker, pointer.x, pointer.y);
}

Rect monitorAt(std::int32_t x, std::int32_t y) { return rectOf(MonitorFromPoint({x, y}, MONITOR_DEFAULTTONEAREST)); }

void readMonitors() {
    {
        const ScopedGetDC screen(nullptr);
        picker.screenWidth = GetDeviceCaps(screen, HORZRES);
        picker.screenHeight = GetDeviceCaps(screen, VERTRES);
    }
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    picker.allMonitors = {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    picker.monitorCount = 0;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, 0);
}

void placePanel() {
    HMONITOR under = MonitorFromPoint({picker.cursorX, picker.cursorY}, MONITOR_DEFAULTTONEAREST);
    const Rect monitor = rectOf(under);
    PanelPosition at = computePanelPosition(picker, monitor);
    // The scale follows the panel onto a monitor of another DPI (the pointer's, unless a pin
    // holds the panel elsewhere); placed again at its new size.
    HMONITOR own = pointInRect(monitor, at.x, at.y) ? under : MonitorFromPoint({at.x, at.y}, MONITOR_DEFAULTTONEAREST);
    const std::int32_t scale = scaleForDpi(dpiOf(own));
    if (scale != picker.scale) {
        picker.scale = scale;
        at = computePanelPosition(picker, monitor);
        PostMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
    }
    picker.panelX = at.x;
    picker.panelY = at.y;
    // Asynchronous, never activating: the panel follows every pointer move.
    SetWindowPos(picker.panelHwnd, HWND_TOPMOST, at.x, at.y, panelWindowWidth(picker), panelWindowHeight(picker),
                 SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE);
}
