// What the user feels: a pointer move injected through the system (SendInput, not a call of
// the hook) until the panel has moved and repainted its readouts, 1,000 moves with the keys
// while frozen off and 1,000 with them on (following, so no keyboard hook), beside the same
// for an empty window that only follows the pointer from a hook of its own, alternating in one
// run; then 1,000 arrow presses while frozen, until the panel shows the new point. Prints the
// median and the 95th percentile of each.
// Run: wine build/win32/bench/latency_bench.exe (in the virtual desktop: hooks see only
// what passes through Wine).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/app_win.h"
#include "core/picker_state.h"
#include "timing_win.h"
#include "tracking/tracking_win.h"

namespace {

// The reference: a plain window moved by a low-level hook of its own.
HWND follower = nullptr;
HHOOK followerHook = nullptr;
LRESULT CALLBACK follow(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == WM_MOUSEMOVE) {
        const POINT at = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
        SetWindowPos(follower, HWND_TOPMOST, at.x + 10, at.y + 10, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return CallNextHookEx(followerHook, code, wParam, lParam);
}

void moveTo(int x, int y) {
    INPUT move = {};
    move.type = INPUT_MOUSE;
    // The middle of the pixel, so that the system's rounding lands on it.
    move.mi.dx = (2 * x + 1) * 65536 / (2 * GetSystemMetrics(SM_CXSCREEN));
    move.mi.dy = (2 * y + 1) * 65536 / (2 * GetSystemMetrics(SM_CYSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
}

// Dispatches messages until done() holds; false after 0.2 s without it.
template <class Done> bool pumpUntil(Done done) {
    const double start = microseconds();
    MSG message;
    while (!done()) {
        if (microseconds() - start > 2e5) return false;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!createWindowsAndResources(GetModuleHandleA(nullptr))) return 1;
    layoutPanel();
    follower = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 20,
                               20, nullptr, nullptr, nullptr, nullptr);
    const int kMoves = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::vector<double> panel, panelKeys, empty, steps;
    int missed = 0;
    for (int i = 0; i < 3 * kMoves; ++i) {
        const bool ours = i % 3 != 2;
        picker.keys = (i % 3 == 1) != (i / 3 % 2 == 1);  // each first as often, after the empty window
        int x = 200 + (i * 37) % 500;
        const int y = 150 + (i * 23) % 400;
        POINT now = {};
        GetCursorPos(&now);
        if (now.x == x && now.y == y) ++x;  // a move to where the pointer is moves nothing
        if (ours) {
            showPanel();
        } else {
            followerHook = SetWindowsHookExA(WH_MOUSE_LL, follow, GetModuleHandleA(nullptr), 0);
        }
        const double start = microseconds();
        moveTo(x, y);
        // The panel has moved and repainted its readouts once its placement request is done.
        const bool done = ours ? pumpUntil([&] { return picker.cursorX == x && picker.cursorY == y && !picker.placementAsked; })
                               : pumpUntil([&] {
                                     RECT r;
                                     return GetWindowRect(follower, &r) && r.left == x + 10 && r.top == y + 10;
                                 });
        if (done)
            (!ours ? empty : picker.keys ? panelKeys : panel).push_back(microseconds() - start);
        else
            ++missed;
        if (ours) {
            hidePanel();
        } else {
            UnhookWindowsHookEx(followerHook);
        }
    }
    // Arrow presses through the system while frozen, right and left in turn, until the panel has
    // set the pointer and repainted its readouts at the new point.
    picker.keys = 1;
    showPanel();
    picker.frozen = 1;
    syncKeyHook();
    int unseen = 0;
    for (int i = 0; i < kMoves; ++i) {
        const WORD key = i % 2 ? VK_LEFT : VK_RIGHT;
        const int x = picker.cursorX + (i % 2 ? -1 : 1);
        INPUT press[2] = {{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}},
                          {INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP, 0, 0}}}};
        const double start = microseconds();
        SendInput(2, press, sizeof(INPUT));
        if (pumpUntil([&] { return picker.cursorX == x && !picker.stepAsked; }))
            steps.push_back(microseconds() - start);
        else
            ++unseen;
    }
    hidePanel();
    std::printf("%d pointer moves each through SendInput (%d not seen within 0.2 s, left out), %d arrow presses (%d)\n",
                kMoves, missed, kMoves, unseen);
    report("the panel: moved and repainted", panel, 95);
    report("the same, keys while frozen on", panelKeys, 95);
    report("an empty window that follows", empty, 95);
    report("an arrow press while frozen", steps, 95);
    return 0;
}
