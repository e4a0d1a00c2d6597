// Showing and hiding the panel with its system-wide mouse hook, and what the hook makes
// of every pointer event of the desktop: the panel follows the pointer, and modifier
// clicks anywhere become commands.
//
// The hook is a WH_MOUSE_LL hook. Journal-record hooks are refused to ordinary processes
// since Vista and gone in Windows 11, and under Wine they install but see nothing; the
// low-level hook sees every move and click. The system calls it on our own thread while
// it waits in GetMessage, and drops it if it is slow, so nothing here paints or blocks:
// it updates fields, moves the panel asynchronously and posts repaint requests.
#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "capture/capture_win.h"
#include "mixer/mixer_state.h"
#include "mixer/mixer_win.h"
#include "tracking/placement.h"
#include "tracking/tracking_win.h"

namespace {

// GetKeyState alone follows only the keyboard input our own thread has seen, and the
// panel never has the focus: a key held over another application would read as up. The
// asynchronous state sees it; GetKeyState still counts for states set on our thread.
bool keyDown(int key) { return GetKeyState(key) < 0 || GetAsyncKeyState(key) < 0; }

void post(UINT message) { PostMessageA(picker.panelHwnd, message, 0, 0); }

bool placementAsked = false;  // a UM_PLACE is on its way to the panel

void onMove(LONG x, LONG y) {
    mixer.mixerTicks = 0;
    picker.cursorX = x;
    picker.cursorY = y;
    if (picker.mixerActive) {
        mixerHookMove();
        return;
    }
    if (picker.captureState == 2) updateCaptureRect();
    if (picker.captureState == 1) capture.crosshairArmed = 1;  // the overlay's next paint draws it
    if (picker.captureState == 0) askForPlacement();  // the panel then repaints its readouts too
}

void onPress(bool left) {
    if (picker.mixerActive) return;  // mixer clicks arrive at the overlay itself
    if (picker.captureState == 1) {
        picker.captureState = 2;
        capture.captureStartX = picker.cursorX;
        capture.captureStartY = picker.cursorY;
    }
    if (picker.captureState != 0) return;

    // Independent rules: combinations add up.
    const bool alt = keyDown(VK_MENU), shift = keyDown(VK_SHIFT), ctrl = keyDown(VK_CONTROL);
    if (alt) {
        picker.nomove ^= 1;
        picker.freeze = 0;
        post(UM_FRAME);
    }
    if (shift && !ctrl && left) {
        picker.freeze ^= 1;
        post(UM_FRAME);
        post(UM_READOUT);
    }
    if (ctrl && shift) startCapture();
}

void onLeftRelease() {
    if (picker.captureState == 0 && keyDown(VK_CONTROL) && !keyDown(VK_SHIFT)) post(UM_COPYTEXT);
    if (picker.mixerActive) {
        mixerHookRelease();
        return;
    }
    picker.moveform = 0;
    if (picker.captureState == 2) endCapture(true);
}

}  // namespace

namespace {

// The system removes a low-level hook that overruns its time, without a word; from then on
// the panel would never follow the pointer again. A timer compares where the pointer is with
// where the hook last saw it, and installs the hook anew once they have differed for two
// ticks in a row (one could be a move the hook is about to report).
constexpr UINT kHookWatchPeriod = 250;  // ms
struct HookWatch {
    POINT seen = {};  // the pointer as the hook last reported it
    int misses = 0;   // ticks in a row on which the pointer was elsewhere
};
HookWatch watch;

bool installHook() {
    picker.hookHandle = SetWindowsHookExA(WH_MOUSE_LL, pointerHook, picker.appInstance, 0);
    if (!picker.hookHandle) picker.hookHandle = SetWindowsHookExA(WH_JOURNALRECORD, journalHook, picker.appInstance, 0);
    return picker.hookHandle != nullptr;
}

}  // namespace

void askForPlacement() {
    if (placementAsked) return;
    placementAsked = true;
    post(UM_PLACE);
}

void placeAsAsked() {
    placementAsked = false;
    placePanel();
}

void watchHook() {
    POINT pointer = {};
    if (!picker.hookHandle || !GetCursorPos(&pointer)) return;
    watch.misses = pointer.x == watch.seen.x && pointer.y == watch.seen.y ? 0 : watch.misses + 1;
    if (watch.misses < 2) return;
    watch.misses = 0;
    UnhookWindowsHookEx(picker.hookHandle);  // fails harmlessly if the system removed it already
    if (!installHook()) return;
    watch.seen = pointer;
    pointerEvent(HC_ACTION, WM_MOUSEMOVE, pointer.x, pointer.y);  // catch up with the pointer
}

bool showPanel() {
    picker.freeze = 0;
    // Shown without activation: whatever the user types into keeps the keyboard.
    ShowWindow(picker.panelHwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(picker.panelHwnd);
    picker.show = 1;
    if (!installHook()) return false;
    GetCursorPos(&watch.seen);
    watch.misses = 0;
    SetTimer(picker.panelHwnd, kHookWatchTimer, kHookWatchPeriod, nullptr);
    // A panel pinned somewhere no longer reachable (another screen size, a drag past the
    // edge) follows the pointer again.
    if (picker.nomove == 1 &&
        !pointInRect(keepInsideRect(picker, monitorAt(picker.xokna, picker.yokna)), picker.xokna, picker.yokna))
        picker.nomove = 0;
    return true;
}

void hidePanel() {
    KillTimer(picker.panelHwnd, kHookWatchTimer);
    if (picker.hookHandle) UnhookWindowsHookEx(picker.hookHandle);
    picker.hookHandle = nullptr;
    ShowWindow(picker.panelHwnd, SW_HIDE);
    picker.show = 0;
}

void applyPanelVisibility() { ShowWindow(picker.panelHwnd, picker.show == 1 ? SW_SHOWNOACTIVATE : SW_HIDE); }

void pointerEvent(int code, UINT message, LONG x, LONG y) {
    if (code < 0 || picker.aboutActive || picker.show == 0) return;
    switch (message) {
    case WM_MOUSEMOVE: onMove(x, y); break;
    case WM_RBUTTONDOWN:
        if (picker.captureState != 0) endCapture(false);
        onPress(false);
        break;
    case WM_LBUTTONDOWN: onPress(true); break;
    case WM_LBUTTONUP: onLeftRelease(); break;
    default: break;
    }
}

LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        watch.seen = event->pt;
        pointerEvent(code, static_cast<UINT>(wParam), event->pt.x, event->pt.y);
    }
    return CallNextHookEx(picker.hookHandle, code, wParam, lParam);
}

LRESULT CALLBACK journalHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const auto* event = reinterpret_cast<const EVENTMSG*>(lParam);
        watch.seen = {static_cast<LONG>(event->paramL), static_cast<LONG>(event->paramH)};
        pointerEvent(code, event->message, static_cast<LONG>(event->paramL), static_cast<LONG>(event->paramH));
    }
    return CallNextHookEx(picker.hookHandle, code, wParam, lParam);
}
