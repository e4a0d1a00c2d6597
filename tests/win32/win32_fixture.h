// The program started up in a test process on the 1024 x 768 desktop, and the means to drive it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/commands.h"
#include "core/messages.h"
#include "core/picker_state.h"
#include "testcard.h"
#include "tracking/tracking_win.h"

class StartedUp : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createWindowsAndResources(GetModuleHandleA(nullptr))); }
};

// The modifier keys as the thread's keyboard state, which GetKeyState reads.
inline void setModifiers(bool alt, bool shift, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = alt ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
}

// The hook's answer: non-zero when the event goes no further.
inline LRESULT hook(UINT message, LONG x = 0, LONG y = 0, int code = HC_ACTION) {
    MSLLHOOKSTRUCT event = {};
    event.pt = {x, y};
    return pointerHook(code, message, reinterpret_cast<LPARAM>(&event));
}

// The private messages posted to the panel, taken in order; a placement is carried out.
inline std::vector<UINT> takePanelMessages() {
    std::vector<UINT> posted;
    MSG message;
    while (PeekMessageA(&message, picker.panelHwnd, UM_TRAY, UM_PLACE, PM_REMOVE)) posted.push_back(message.message);
    if (std::find(posted.begin(), posted.end(), UM_PLACE) != posted.end()) {
        picker.placementAsked = 0;
        placePanel();
    }
    return posted;
}

// A capture started, until the panel's timer has put the overlay up (its paints left to the test).
inline void startCapture() {
    carryOut(Effects().add(Fx::StartCapture));
    const DWORD start = GetTickCount();
    for (MSG m; !IsWindowVisible(picker.overlayHwnd) && GetTickCount() - start < 5000; Sleep(10))
        if (PeekMessageA(&m, picker.panelHwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageA(&m);
}

inline void pumpFor(int milliseconds) {
    for (MSG m; milliseconds > 0; milliseconds -= 20, Sleep(20))
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// The test card at (200, 200), 64 x 64 unless told, in its blocks or one flat colour.
namespace card {
inline constexpr int kX = 200, kY = 200, kSide = 64;
using testcard::colour;

// Shows the card (replacing the one given) and waits until the desktop shows all of it.
inline HWND show(HWND previous, COLORREF flat = CLR_INVALID, RECT area = {kX, kY, kX + kSide, kY + kSide}) {
    if (previous) DestroyWindow(previous);
    testcard::flat = flat;
    HWND window = testcard::create(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, area.left, area.top, area.right - area.left,
                                   area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    const int x = area.right - 1, y = area.bottom - 1;
    for (int i = 0; i < 100 && GetPixel(screen, x, y) != (flat != CLR_INVALID ? flat : colour(x, y)); ++i)
        pumpFor(20);
    ReleaseDC(nullptr, screen);
    return window;
}
}  // namespace card

// A 32-bit DIB section, so GetPixel reads exact colours; filled with magenta, which we never paint.
struct Canvas {
    static constexpr COLORREF kUnpainted = RGB(255, 0, 255);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    int width, height;
    Canvas(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(dc, bitmap);
        SetBkColor(dc, kUnpainted);
        const RECT all = {0, 0, width, height};
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    }
    ~Canvas() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
};
