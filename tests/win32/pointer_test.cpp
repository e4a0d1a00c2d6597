// The hooks against real windows and keys, and the copies against the real clipboard and screen.
#include "capture/capture_win.h"
#include "copy/formats.h"
#include "win32_fixture.h"

namespace {

class Hooked : public StartedUp {
protected:
    void SetUp() override {
        StartedUp::SetUp();
        picker.show = 1;
        layoutPanel();
        setModifiers(false, false, false);
        takePanelMessages();
    }
};

std::string clipboardText() {
    if (!OpenClipboard(nullptr)) return "(not opened)";
    HANDLE data = GetClipboardData(CF_TEXT);
    const std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "(none)";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

class Capturing : public StartedUp {
protected:
    void SetUp() override {
        StartedUp::SetUp();
        layoutPanel();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 5);
        lstrcpyA(static_cast<char*>(GlobalLock(block)), "kept");
        GlobalUnlock(block);
        ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_TEXT, block) && CloseClipboard());
        takePanelMessages();
    }
    // A capture from the start corner to the pointer, ended by the left release; during() runs in it.
    void captureBand(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, void (*during)() = [] {}) {
        startCapture();
        during();
        std::tie(picker.cursorX, picker.cursorY) = std::tuple{x0, y0};
        carryOut(Effects().add(Fx::CapturePress));
        std::tie(picker.cursorX, picker.cursorY) = std::tuple{x1, y1};
        carryOut(Effects().add(Fx::CaptureMove).add(Fx::EndCapture, 1));
    }
};

}  // namespace

// The hook tells its buttons apart, reads the modifier keys and passes over a negative code.
TEST_F(Hooked, TheHookReadsButtonsAndKeys) {
    setModifiers(false, true, false);
    hook(WM_LBUTTONDOWN, 300, 300, -1);
    hook(WM_RBUTTONDOWN, 300, 300);  // Shift with the right button does not freeze; with the left it does
    hook(WM_LBUTTONDOWN, 300, 300);
    EXPECT_EQ(takePanelMessages(), (std::vector<UINT>{UM_FRAME, UM_READOUT}));
    // The presses of a capture, the one that starts it included, and their releases go no
    // further than the hook; the Shift click above and a click after the capture do.
    for (auto [message, shift, ctrl, kept] : {std::tuple{WM_LBUTTONUP, true, false, 0},
                                              std::tuple{WM_LBUTTONDOWN, true, true, 1},
                                              std::tuple{WM_LBUTTONUP, false, false, 1},
                                              std::tuple{WM_RBUTTONDOWN, false, false, 1},  // the cancel
                                              std::tuple{WM_RBUTTONUP, false, false, 1},
                                              std::tuple{WM_RBUTTONDOWN, false, false, 0}}) {
        setModifiers(false, shift, ctrl);
        EXPECT_EQ(hook(message, 300, 300), kept) << message;
    }
    EXPECT_EQ(picker.captureState, 0);
}

TEST_F(Hooked, MovesPlaceThePanelTopmostWithoutTakingTheFocus) {
    showPanel();
    HWND own = CreateWindowExA(0, "STATIC", "typing here", WS_POPUP | WS_VISIBLE, 600, 500, 100, 50, nullptr, nullptr,
                               nullptr, nullptr);
    SetForegroundWindow(own);
    takePanelMessages();
    hook(WM_MOUSEMOVE, 300, 200);
    hook(WM_MOUSEMOVE, 300, 200);  // asked once: the panel places and repaints the latest
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_PLACE});
    RECT r;
    GetWindowRect(picker.panelHwnd, &r);
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array<LONG, 4>{310, 210, 435, 275}));
    EXPECT_TRUE(GetWindowLongA(picker.panelHwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ((std::array{GetForegroundWindow(), GetActiveWindow()}), (std::array{own, own}));
    DestroyWindow(own);
}

TEST_F(StartedUp, ShowAndHideInstallAndRemoveTheHookAndUnpinOutOfReach) {
    layoutPanel();  // 125 x 65 on 1024 x 768: a pin holds from (-20, -20) to (918, 722)
    for (auto [x, y, nomove] : {std::array{918, 722, 1}, std::array{919, 100, 0}}) {
        picker.pinned = picker.frozen = 1;
        picker.panelX = x;
        picker.panelY = y;
        showPanel();
        EXPECT_EQ((std::array{picker.show, picker.frozen, picker.pinned}), (std::array{1, 0, nomove})) << x;
        EXPECT_TRUE(IsWindowVisible(picker.panelHwnd) && picker.hookHandle);
        hidePanel();
        EXPECT_FALSE(IsWindowVisible(picker.panelHwnd) || picker.hookHandle || picker.show);
    }
}

// The system drops a slow hook unannounced; the panel's timer sees the pointer move unseen.
TEST_F(StartedUp, AHookRemovedBehindTheProgramsBackIsInstalledAgain) {
    layoutPanel();
    SetCursorPos(100, 100);
    showPanel();
    UnhookWindowsHookEx(picker.hookHandle);
    SetCursorPos(300, 200);
    SendMessageA(picker.panelHwnd, WM_TIMER, kHookWatchTimer, 0);
    SendMessageA(picker.panelHwnd, WM_TIMER, kHookWatchTimer, 0);
    takePanelMessages();
    EXPECT_EQ((std::array{picker.cursorX, picker.cursorY, picker.panelX}), (std::array{300, 200, 310})) << "caught up";
    INPUT move = {INPUT_MOUSE,
                  {.mi = {400 * 65536 / 1024, 300 * 65536 / 768, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0}}};
    SendInput(1, &move, sizeof move);  // and the new hook reports what the pointer does
    for (int i = 0; i < 25 && picker.cursorX != 400; ++i) pumpFor(20);
    EXPECT_EQ(picker.cursorX, 400);
}

// Presses and releases a key through the system, then F24, which nothing keeps; until F24 is
// back, what reached our window in front: "+39-39" for Right down and up.
std::string typed(WORD key) {
    INPUT keys[4] = {};
    for (int i = 0; i < 4; ++i)
        keys[i] = {INPUT_KEYBOARD, {.ki = {i < 2 ? key : WORD{VK_F24}, 0, i % 2 ? DWORD{KEYEVENTF_KEYUP} : 0, 0, 0}}};
    SendInput(4, keys, sizeof(INPUT));
    std::string seen;
    for (int i = 0; i < 250 && seen.find("-135") == seen.npos; ++i)
        for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) || (Sleep(20), false); DispatchMessageA(&m))
            if (m.message == WM_KEYDOWN || m.message == WM_KEYUP)
                seen.append(m.message == WM_KEYUP ? "-" : "+").append(std::to_string(m.wParam));
    return seen.substr(0, seen.find("+135"));
}

HHOOK hookInMenu = nullptr;
void CALLBACK noteHookAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    hookInMenu = picker.keyHookHandle;
    EndMenu();
    KillTimer(nullptr, timer);
}

// Frozen with the option on: its keys kept with their releases, others passed; a dropped hook
// back once a key has gone past it; Esc unfreezes and the hook goes; our menu has the keys.
TEST_F(Hooked, TheKeyboardHookKeepsItsKeysWhileFrozen) {
    SetCursorPos(300, 300);
    picker.keys = 1;
    showPanel();
    HWND front = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 500, 99, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    SetForegroundWindow(front);
    hook(WM_MOUSEMOVE, 300, 300);
    setModifiers(false, true, false);
    hook(WM_LBUTTONDOWN, 300, 300);  // Shift + click freezes
    setModifiers(false, false, false);
    EXPECT_EQ((std::array{typed('A'), typed(VK_RIGHT), typed(VK_RETURN)}),
              (std::array<std::string, 3>{"+65-65", "", ""}));
    UnhookWindowsHookEx(picker.keyHookHandle);  // as the system drops a slow hook
    EXPECT_EQ(typed(VK_DOWN), "+40-40");
    SendMessageA(picker.panelHwnd, WM_TIMER, kHookWatchTimer, 0);
    EXPECT_EQ((std::array{typed(VK_DOWN), typed(VK_ESCAPE)}), (std::array<std::string, 2>{"", ""}));
    EXPECT_FALSE(picker.frozen || picker.keyHookHandle);
    toggleFreeze(picker);
    SendMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
    hookInMenu = picker.keyHookHandle;
    SetTimer(nullptr, 0, 50, noteHookAndCloseMenu);
    SendMessageA(picker.panelHwnd, WM_RBUTTONDOWN, 0, 0);
    EXPECT_TRUE(!hookInMenu && picker.keyHookHandle);
    hidePanel();
    EXPECT_FALSE(picker.keyHookHandle);
    DestroyWindow(front);
}

TEST_F(Capturing, BandInsideGoesToTheClipboardWithTheScreensPixels) {
    static HWND shown = card::show(nullptr);
    // The panel shown over the card, where the band will be: the copy holds the card beneath.
    std::tie(picker.cursorX, picker.cursorY) = std::tuple{card::kX + 5, card::kY + 5};
    placePanel();
    ShowWindow(picker.panelHwnd, SW_SHOWNOACTIVATE);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 50 && GetPixel(screen, card::kX + 30, card::kY + 30) == card::colour(230, 230); ++i)
        pumpFor(20);
    ReleaseDC(nullptr, screen);
    // Dragged up and left; the copy is of the screen held when the capture began.
    captureBand(card::kX + 40, card::kY + 50, card::kX + 10, card::kY + 5, [] {
        EXPECT_TRUE(IsWindowVisible(picker.panelHwnd)) << "the panel is back during the capture";
        shown = card::show(shown, RGB(1, 2, 3));
    });
    EXPECT_FALSE(picker.captureState || IsWindowVisible(picker.overlayHwnd));
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_COPYBITMAP}) << "the copy is left to the panel";
    copyCaptureBitmap();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    ASSERT_EQ((std::array{info.bmWidth, info.bmHeight}), (std::array<LONG, 2>{29, 44}));
    Canvas copy(29, 44);
    HDC source = CreateCompatibleDC(copy.dc);
    SelectObject(source, bitmap);
    BitBlt(copy.dc, 0, 0, 29, 44, source, 0, 0, SRCCOPY);
    DeleteDC(source);
    CloseClipboard();
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 29; ++x)
            ASSERT_EQ(copy.at(x, y), card::colour(card::kX + 11 + x, card::kY + 6 + y)) << x << "," << y;
    DestroyWindow(shown);
}

// No bitmap has room for 70000 x 70000 pixels: the clipboard keeps what it held.
TEST_F(Capturing, ClipboardKeepsItsTextWhenNothingCanBeCopied) {
    captureBand(300, 300, 70000, 70000);
    copyCaptureBitmap();
    EXPECT_EQ(clipboardText(), "kept");
}

// Closes a popup menu from inside its modal loop.
void CALLBACK closeMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// Ctrl+click's copy in the chosen format tops the recent colours, which the tray menu offers
// with their swatches; a clipboard held by another program changes neither, nor a capture's copy.
TEST_F(Capturing, CopiesInTheChosenFormatAndRecentColoursFromTheTrayMenu) {
    const auto openTrayMenu = [] {
        const UINT_PTR timer = SetTimer(nullptr, 0, 150, closeMenu);
        SendMessageA(picker.panelHwnd, UM_TRAY, 0, WM_RBUTTONUP);  // the right click on the icon
        KillTimer(nullptr, timer);
    };
    HMENU recent = GetSubMenu(GetSubMenu(picker.appMenu, 0), 3);
    openTrayMenu();
    EXPECT_TRUE(GetMenuState(recent, cmd::SavePalette, MF_BYCOMMAND) & MF_GRAYED) << "nothing to save yet";
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::CopyFormatFirst + CssRgb, 0);
    auto copyColour = [](Colour c, UINT message, WPARAM wParam) {
        picker.currentColour = c;
        SendMessageA(picker.panelHwnd, message, wParam, 0);
    };
    copyColour(0x0080FF, UM_COPYTEXT, 0);
    copyColour(0x336699, UM_COPYTEXT, 0);
    EXPECT_EQ(clipboardText(), "rgb(153, 102, 51)");
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    copyColour(0x000000, UM_COPYTEXT, 0);
    copyColour(0x000000, WM_COMMAND, cmd::RecentFirst + 1);
    captureBand(300, 300, 320, 330);
    copyCaptureBitmap();
    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(clipboardText(), "rgb(153, 102, 51)");
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::CopyFormatFirst + Vb, 0);
    openTrayMenu();
    ASSERT_EQ(GetMenuItemCount(recent), 4);
    EXPECT_FALSE(GetMenuState(recent, cmd::SavePalette, MF_BYCOMMAND) & MF_GRAYED) << "saved as a palette";
    HDC dc = CreateCompatibleDC(nullptr);
    for (auto [i, text, colour] : {std::tuple{0, "&&H00336699&&", RGB(153, 102, 51)},  // shown as &H00336699&
                                   std::tuple{1, "&&H000080FF&&", RGB(255, 128, 0)}}) {
        char shown[40] = {};
        MENUITEMINFOA item = {};
        std::tie(item.cbSize, item.fMask, item.dwTypeData, item.cch) =
            std::tuple{sizeof item, MIIM_ID | MIIM_BITMAP | MIIM_STRING, shown, sizeof shown};
        ASSERT_TRUE(GetMenuItemInfoA(recent, static_cast<UINT>(i), TRUE, &item));
        HGDIOBJ old = SelectObject(dc, item.hbmpItem);
        EXPECT_EQ((std::tuple{item.wID, std::string(shown), GetPixel(dc, 6, 6)}),
                  (std::tuple{cmd::RecentFirst + i, std::string(text), colour}));
        SelectObject(dc, old);
    }
    DeleteDC(dc);
    copyColour(0x000000, WM_COMMAND, cmd::RecentFirst + 1);
    EXPECT_EQ(clipboardText(), "&H000080FF&");
    EXPECT_EQ((std::array{picker.recent[0], picker.recent[1], Colour(picker.recentCount)}),
              (std::array<Colour, 3>{0x0080FF, 0x336699, 2}));
}
