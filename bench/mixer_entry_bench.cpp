// Entering the mixer on the whole desktop, from the menu command until the overlay shows the
// snapshot and the panel is back in its place, beside the least any entry can do: the screen
// copied into a 32-bit DIB section and shown on a window of the screen's size. The two
// alternate in one run; prints the median and 95th percentile of each and their ratio, the
// process's working set before the first entry, while on and after leaving, and where an
// entry's time goes.
// Run: flock /tmp/tintspot-wine.lock bench/wine-desktop 3840x2160 build/win32/bench/mixer_entry_bench.exe [rounds]
#include <windows.h>
#include <psapi.h>

#include <cstdlib>
#include <vector>

#include "app/app_win.h"
#include "app/handover.h"
#include "capture/capture_win.h"
#include "core/commands.h"
#include "core/messages.h"
#include "core/picker_state.h"
#include "mixer/mixer_win.h"
#include "timing_win.h"
#include "tracking/tracking_win.h"

namespace {

double megabytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

void pumpFor(int milliseconds) {
    const double end = microseconds() + milliseconds * 1e3;
    for (MSG m; microseconds() < end; Sleep(5))
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Where an entry's time goes, by step; milliseconds each time.
struct Steps {
    std::vector<const char*> names;
    std::vector<std::vector<double>> times;
    void add(const char* name, double us) {
        std::size_t i = 0;
        while (i < names.size() && names[i] != name) ++i;
        if (i == names.size()) {
            names.push_back(name);
            times.emplace_back();
        }
        times[i].push_back(us / 1e3);
    }
    void print(const char* title) const {
        std::printf("%s (medians):\n", title);
        for (std::size_t i = 0; i < names.size(); ++i) std::printf("  %-40s %7.1f ms\n", names[i], median(times[i]));
    }
};
Steps entrySteps, plainSteps;

const char* effectName(Fx what) {
    switch (what) {
    case Fx::StopPictureTimer: return "the picture timer stopped";
    case Fx::GrabScreen: return "the screen copied into the 5-5-5 snapshot";
    case Fx::ShowMixerOverlay: return "the overlay shown, its first paint";
    case Fx::ShowPanel: return "the panel shown, the hook installed";
    case Fx::Layout: return "the panel laid out and placed";
    case Fx::MixerReady: return "the panel lifted, the refresh timer";
    default: return "other";
    }
}

// From the command until the mode is entered, in microseconds; negative when it was not
// entered within two seconds. With steps, the picture timer's work is carried out here effect
// by effect, as the panel would, and each is timed.
double enter(bool steps) {
    const double start = microseconds();
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    if (steps) entrySteps.add("the command: a snapshot made, panel off", microseconds() - start);
    MSG m;
    while (picker.mixerActive && picker.mixerStarting) {
        if (microseconds() - start > 2e6) return -1;
        if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        if (!steps || m.message != WM_TIMER || m.hwnd != picker.panelHwnd || m.wParam != kPictureTimer) {
            DispatchMessageA(&m);
            continue;
        }
        double at = microseconds();
        entrySteps.add("the wait for the panel to go (the timer)", at - start);
        for (const Effect& e : decideHandOvers(picker, capture, mixer, Effects().add(Fx::MixerHoldScreen))) {
            carryOut(Effects().add(e.what, e.a, e.b, e.c, e.d));
            GdiFlush();
            entrySteps.add(effectName(e.what), microseconds() - at);
            at = microseconds();
        }
    }
    GdiFlush();
    return picker.mixerActive ? microseconds() - start : -1;
}

void leave() {
    SendMessageA(picker.panelHwnd, WM_RBUTTONDOWN, 0, 0);
    pumpFor(150);
}

HBITMAP dibSection(int width, int height, int bits) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
}

// The reference: a window of the screen's size, parked between rounds as the overlay is.
HWND plain = nullptr;

double grabAndShow(const Rect& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    const double start = microseconds();
    HBITMAP dib = dibSection(width, height, 32);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    ReleaseDC(nullptr, screen);
    const double grabbed = microseconds();
    SetWindowPos(plain, HWND_TOPMOST, area.left, area.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    HDC window = GetDC(plain);
    BitBlt(window, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    GdiFlush();
    ReleaseDC(plain, window);
    const double end = microseconds();
    plainSteps.add("the screen copied into a 32-bit DIB", grabbed - start);
    plainSteps.add("the window shown, its first paint", end - grabbed);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    SetWindowPos(plain, HWND_TOPMOST, -1, -1, 1, 1, SWP_DEFERERASE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ShowWindow(plain, SW_HIDE);
    pumpFor(150);
    return end - start;
}

// What the system's own conversions between the two pixel formats cost at this size.
void conversions(const Rect& area, int times) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC wide = CreateCompatibleDC(nullptr), narrow = CreateCompatibleDC(nullptr);
    HBITMAP wideBits = dibSection(width, height, 32), narrowBits = dibSection(width, height, 16);
    HGDIOBJ oldWide = SelectObject(wide, wideBits), oldNarrow = SelectObject(narrow, narrowBits);
    for (int i = 0; i < times; ++i) {
        double start = microseconds();
        BitBlt(narrow, 0, 0, width, height, wide, 0, 0, SRCCOPY);
        GdiFlush();
        plainSteps.add("(32-bit DIB to 5-5-5 DIB, in GDI)", microseconds() - start);
        start = microseconds();
        BitBlt(wide, 0, 0, width, height, narrow, 0, 0, SRCCOPY);
        GdiFlush();
        plainSteps.add("(5-5-5 DIB to 32-bit DIB, in GDI)", microseconds() - start);
    }
    SelectObject(wide, oldWide);
    SelectObject(narrow, oldNarrow);
    DeleteDC(wide);
    DeleteDC(narrow);
    DeleteObject(wideBits);
    DeleteObject(narrowBits);
}

}  // namespace

int main(int argc, char** argv) {
    if (!createWindowsAndResources(GetModuleHandleA(nullptr))) return 1;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
    plain = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", nullptr, WS_POPUP, -1, -1, 1, 1, nullptr,
                            nullptr, nullptr, nullptr);
    layoutPanel();
    showPanel();
    pumpFor(300);
    const Rect area = picker.allMonitors;
    std::printf("desktop %d x %d, %d rounds each, alternating\n", area.right - area.left, area.bottom - area.top,
                rounds);

    // The mixer alone first: nothing else of the run's is held yet.
    double before = megabytes(), on[3], after[3];
    for (int i = 0; i < 3; ++i) {
        if (enter(false) < 0) return 2;
        pumpFor(150);
        on[i] = megabytes();
        leave();
        after[i] = megabytes();
    }

    std::vector<double> entry, reference;
    for (int i = 0; i < rounds; ++i) {
        const double took = enter(false);
        if (took < 0) return 2;
        entry.push_back(took);
        leave();
        reference.push_back(grabAndShow(area));
    }
    for (int i = 0; i < std::max(rounds / 3, 5); ++i) {
        if (enter(true) < 0) return 2;
        leave();
    }
    conversions(area, 5);

    report("entering the mixer", entry, 95);
    report("screen to 32-bit DIB to a window", reference, 95);
    std::printf("ratio of the medians (entry / plain): %.2f\n", median(entry) / median(reference));
    entrySteps.print("an entry's steps, carried out one by one");
    plainSteps.print("the plain grab and show, and the conversions");
    std::printf("working set: before the first entry %.1f MB; while on %.1f, %.1f, %.1f MB; after leaving %.1f, "
                "%.1f, %.1f MB; after every round %.1f MB\n",
                before, on[0], on[1], on[2], after[0], after[1], after[2], megabytes());
    hidePanel();
    return 0;
}
