// The cost a low-level hook adds to every pointer move of the desktop: 10,000 synthetic
// moves through the hook's callback, each followed by the panel's own handling of what the
// hook asked for (as the message loop does between two moves), beside a bare PostMessage
// measured in the same run, and beside placing the panel, which the hook leaves to the
// panel. Prints the median and the 99th percentile of each.
// Run: wine build/win32/bench/hook_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app_win.h"
#include "core/picker_state.h"
#include "timing_win.h"
#include "tracking/tracking_win.h"

namespace {

void dispatch() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

int main() {
    HINSTANCE self = GetModuleHandleA(nullptr);
    if (!createWindowsAndResources(self)) return 1;
    layoutPanel();
    showPanel();
    constexpr int kMoves = 10000;
    std::vector<double> hook, post, place;
    for (int i = 0; i < kMoves; ++i) {
        MSLLHOOKSTRUCT event = {};
        event.pt = {100 + i % 700, 100 + i % 500};
        double start = microseconds();
        pointerHook(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&event));
        hook.push_back(microseconds() - start);
        dispatch();
        start = microseconds();
        PostMessageA(picker.panelHwnd, WM_NULL, 0, 0);
        post.push_back(microseconds() - start);
        dispatch();
        if (i % 10 == 0) {
            picker.cursorX += 3;
            start = microseconds();
            placePanel();
            place.push_back(microseconds() - start);
        }
    }
    report("hook callback (one move)", hook, 99);
    report("bare PostMessage", post, 99);
    report("placing the panel", place, 99);
    hidePanel();
    return 0;
}
