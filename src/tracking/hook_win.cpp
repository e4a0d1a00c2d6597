// The system-wide mouse hook: installed while the panel is shown, watched in case the
// system drops it, and what it reads of every pointer event of the desktop. Beside it the
// keyboard hook, installed only while the frozen panel takes the keys, under the same rules.
//
// The hook is a WH_MOUSE_LL hook. Journal-record hooks are refused to ordinary processes
// since Vista and gone in Windows 11, and under Wine they install but see nothing; the
// low-level hook sees every move and click. The system calls it on our own thread while
// it waits in GetMessage, and drops it if it is slow, so nothing it leads to may wait on
// another program or walk the whole screen: the clipboard copies, the panel's move and the
// mixer's passes are posted to the panel.
#include "core/messages.h"
#include "core/picker_state.h"
#include "tracking/tracking_win.h"

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
PointerHandler handler = nullptr;
KeyHandler keyHandler = nullptr;
// A press kept from the program under the pointer keeps its release from it too: an
// unpaired release would act there as a click (a context menu opens on the right one).
bool leftKept = false, rightKept = false;

// GetKeyState alone follows only the keyboard input our own thread has seen, and the
// panel never has the focus: a key held over another application would read as up. The
// asynchronous state sees it; GetKeyState still counts for states set on our thread.
bool keyDown(int key) { return GetKeyState(key) < 0 || GetAsyncKeyState(key) < 0; }

// The keys keyDecision acts on. A key the keyboard hook keeps never reaches the system's key
// state: one of them found pressed there (held, or pressed since the last asking) went past a
// hook that the system has dropped. Each is asked, which clears its "pressed since" mark.
constexpr int kKeyboardKeys[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN, VK_ESCAPE};
bool keyWentPast() {
    bool pressed = false;
    for (int key : kKeyboardKeys) pressed |= GetAsyncKeyState(key) != 0;
    return pressed;
}

bool installKeyHook() {
    picker.keysKept = 0;
    keyWentPast();  // presses from before the hook are none of its business
    picker.keyHookHandle = SetWindowsHookExA(WH_KEYBOARD_LL, keyHook, picker.appInstance, 0);
    return picker.keyHookHandle != nullptr;
}

// True when the event goes no further.
bool report(PointerEvent::Kind kind, POINT at) {
    if (!handler) return false;
    PointerEvent event{kind, at.x, at.y};
    if (kind != PointerEvent::Move) {
        event.alt = keyDown(VK_MENU);
        event.shift = keyDown(VK_SHIFT);
        event.ctrl = keyDown(VK_CONTROL);
    }
    return handler(event);
}

// A release goes no further when its press did not; either way the next press decides anew.
bool released(bool& kept) {
    const bool was = kept;
    kept = false;
    return was;
}

}  // namespace

bool installHook() {
    picker.hookHandle = SetWindowsHookExA(WH_MOUSE_LL, pointerHook, picker.appInstance, 0);
    if (!picker.hookHandle) return false;
    GetCursorPos(&watch.seen);
    watch.misses = 0;
    SetTimer(picker.panelHwnd, kHookWatchTimer, kHookWatchPeriod, nullptr);
    return true;
}

void removeHook() {
    KillTimer(picker.panelHwnd, kHookWatchTimer);
    if (picker.hookHandle) UnhookWindowsHookEx(picker.hookHandle);
    picker.hookHandle = nullptr;
}

void setPointerHandler(PointerHandler h) { handler = h; }

void watchHook() {
    if (picker.keyHookHandle && keyWentPast()) {
        UnhookWindowsHookEx(picker.keyHookHandle);
        installKeyHook();
    }
    POINT pointer = {};
    if (!picker.hookHandle || !GetCursorPos(&pointer)) return;
    watch.misses = pointer.x == watch.seen.x && pointer.y == watch.seen.y ? 0 : watch.misses + 1;
    if (watch.misses < 2) return;
    UnhookWindowsHookEx(picker.hookHandle);  // fails harmlessly if the system removed it already
    if (!installHook()) return;
    watch.seen = pointer;
    report(PointerEvent::Move, pointer);  // catch up with the pointer
}

LRESULT CALLBACK pointerHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        watch.seen = event->pt;
        bool kept = false;
        switch (wParam) {
        case WM_MOUSEMOVE: kept = report(PointerEvent::Move, event->pt); break;
        case WM_LBUTTONDOWN: kept = leftKept = report(PointerEvent::LeftDown, event->pt); break;
        case WM_RBUTTONDOWN: kept = rightKept = report(PointerEvent::RightDown, event->pt); break;
        case WM_LBUTTONUP: kept = report(PointerEvent::LeftUp, event->pt) | released(leftKept); break;
        case WM_RBUTTONUP: kept = released(rightKept); break;
        default: break;
        }
        if (kept) return 1;
    }
    return CallNextHookEx(picker.hookHandle, code, wParam, lParam);
}

void syncKeyHook() {
    const bool wanted = keyboardWanted(picker);
    if (wanted && !picker.keyHookHandle) installKeyHook();
    if (!wanted && picker.keyHookHandle) removeKeyHook();
}

void removeKeyHook() {
    if (picker.keyHookHandle) UnhookWindowsHookEx(picker.keyHookHandle);
    picker.keyHookHandle = nullptr;
}

void setKeyHandler(KeyHandler h) { keyHandler = h; }

LRESULT CALLBACK keyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && keyHandler) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const KeyEvent event{key->vkCode, (key->flags & LLKHF_UP) != 0, keyDown(VK_CONTROL),
                             (key->flags & LLKHF_ALTDOWN) != 0 || keyDown(VK_MENU) || keyDown(VK_LWIN) ||
                                 keyDown(VK_RWIN)};
        if (keyHandler(event)) return 1;
    }
    return CallNextHookEx(picker.keyHookHandle, code, wParam, lParam);
}

void movePointer(std::int32_t x, std::int32_t y) {
    SetCursorPos(x, y);
    watch.seen = {x, y};
}
