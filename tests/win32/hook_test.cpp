// The mouse hook driven with synthetic event records and modifier states, against real
// windows: gestures, gates, capture advances and what is posted to the panel.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "capture/capture_state.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

void hook(UINT message, LONG x = 0, LONG y = 0, int code = HC_ACTION) {
    MSLLHOOKSTRUCT event = {};
    event.pt = {x, y};
    pointerHook(code, message, reinterpret_cast<LPARAM>(&event));
}

class Hooked : public StartedUp {
protected:
    void SetUp() override {
        StartedUp::SetUp();
        picker.show = 1;
        layoutPanel();
        setModifiers(false, false, false);
        takePanelMessages();
    }
    void TearDown() override { setModifiers(false, false, false); }
};

}  // namespace

// One event each, from idle: modifier clicks anywhere, the Ctrl release that asks the panel
// for the text copy (opening the clipboard may wait on another program, so never here), and
// the gates: the about window open, the panel hidden, a negative hook code.
TEST_F(Hooked, ModifierClicksReleasesAndGates) {
    struct Case {
        const char* what;
        bool alt, shift, ctrl;
        UINT message;
        std::int32_t freezeBefore;
        std::array<std::int32_t, 3> after;  // nomove, freeze, captureState
        std::vector<UINT> posted;
        std::uint8_t about = 0;
        std::int32_t show = 1;
        int code = HC_ACTION;
    };
    const Case cases[] = {
        {"alt+left pins", true, false, false, WM_LBUTTONDOWN, 0, {1, 0, 0}, {UM_FRAME}},
        {"alt+right pins and unfreezes", true, false, false, WM_RBUTTONDOWN, 1, {1, 0, 0}, {UM_FRAME}},
        {"shift+left freezes", false, true, false, WM_LBUTTONDOWN, 0, {0, 1, 0}, {UM_FRAME, UM_READOUT}},
        {"shift+right leaves freeze", false, true, false, WM_RBUTTONDOWN, 0, {0, 0, 0}, {}},
        {"ctrl+shift+left starts a capture", false, true, true, WM_LBUTTONDOWN, 0, {1, 0, 1}, {}},
        {"ctrl+shift+right starts a capture", false, true, true, WM_RBUTTONDOWN, 0, {1, 0, 1}, {}},
        {"alt+shift+left pins and freezes", true, true, false, WM_LBUTTONDOWN, 0, {1, 1, 0}, {UM_FRAME, UM_FRAME, UM_READOUT}},
        {"alt+ctrl+shift pins, then captures", true, true, true, WM_LBUTTONDOWN, 0, {1, 0, 1}, {UM_FRAME}},
        {"ctrl release copies", false, false, true, WM_LBUTTONUP, 0, {0, 0, 0}, {UM_COPYTEXT}},
        {"ctrl+shift release does not", false, true, true, WM_LBUTTONUP, 0, {0, 0, 0}, {}},
        {"plain release does not", false, false, false, WM_LBUTTONUP, 0, {0, 0, 0}, {}},
        {"about window open", true, false, true, WM_LBUTTONDOWN, 0, {0, 0, 0}, {}, 1},
        {"panel hidden", true, false, true, WM_LBUTTONUP, 0, {0, 0, 0}, {}, 0, 0},
        {"negative code", true, true, true, WM_LBUTTONDOWN, 0, {0, 0, 0}, {}, 0, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        picker.nomove = 0;
        picker.freeze = c.freezeBefore;
        picker.aboutActive = c.about;
        picker.show = c.show;
        setModifiers(c.alt, c.shift, c.ctrl);
        hook(c.message, 300, 300, c.code);
        hook(WM_MOUSEMOVE, 500, 400, c.code);
        EXPECT_EQ((std::array{picker.nomove, picker.freeze, picker.captureState}), c.after);
        std::vector<UINT> expected = c.posted;
        if (c.show && !c.about && c.code >= 0 && !picker.captureState) expected.push_back(UM_PLACE);  // the move
        EXPECT_EQ(takePanelMessages(), expected);
        if (picker.captureState) {
            // A right press cancels, and the pin comes back as it was: 1 after alt toggled it.
            setModifiers(false, false, false);
            hook(WM_RBUTTONDOWN);
            EXPECT_EQ(picker.captureState, 0);
            EXPECT_EQ(picker.nomove, c.alt ? 1 : 0);
        }
    }
}

TEST_F(Hooked, MovesPlaceThePanelTopmostWithoutTakingTheFocus) {
    showPanel();
    HWND own = CreateWindowExA(0, "STATIC", "typing here", WS_POPUP | WS_VISIBLE, 600, 500, 100, 50, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    takePanelMessages();
    hook(WM_MOUSEMOVE, 300, 200);
    hook(WM_MOUSEMOVE, 300, 200);  // asked once: the panel places and repaints the latest
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_PLACE});
    EXPECT_EQ((std::array{picker.cursorX, picker.cursorY, picker.xokna, picker.yokna}), (std::array{300, 200, 310, 210}));
    RECT r;
    GetWindowRect(picker.panelHwnd, &r);
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array<LONG, 4>{310, 210, 435, 275}));
    EXPECT_TRUE(GetWindowLongA(picker.panelHwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), own);
    EXPECT_EQ(GetActiveWindow(), own);
    DestroyWindow(own);
}

TEST_F(Hooked, CaptureAdvancesThroughItsStatesFromTheHook) {
    setModifiers(false, true, true);
    hook(WM_LBUTTONDOWN, 10, 10);
    ASSERT_EQ(picker.captureState, 1);
    setModifiers(false, false, false);
    picker.moveform = 1;
    hook(WM_LBUTTONUP, 10, 10);  // ends the starting click: only a panel drag ends
    EXPECT_EQ(picker.captureState, 1);
    EXPECT_EQ(picker.moveform, 0);
    hook(WM_MOUSEMOVE, 100, 120);
    EXPECT_TRUE(capture.crosshairArmed) << "the first move arms the crosshair";
    EXPECT_TRUE(takePanelMessages().empty()) << "no readouts, no placement while the overlay shows";
    hook(WM_LBUTTONDOWN, 999, 999);  // the start corner is the last move's position
    hook(WM_MOUSEMOVE, 40, 150);
    const Rect r = capture.captureRect;
    EXPECT_EQ((std::array{picker.captureState, r.left, r.top, r.right, r.bottom, capture.captureWidth,
                          capture.captureHeight, picker.xokna}),
              (std::array{2, 40, 120, 100, 150, 60, 30, 10}));
    // With Ctrl and Shift held a right press ends this capture and starts a new one.
    setModifiers(false, true, true);
    hook(WM_RBUTTONDOWN);
    EXPECT_EQ((std::array{picker.captureState, capture.captureSavedNomove, capture.captureWidth}), (std::array{1, 0, 0}));
    setModifiers(false, false, false);
    hook(WM_RBUTTONDOWN);
    EXPECT_EQ((std::array{picker.captureState, picker.nomove}), (std::array{0, 0}));
}

TEST_F(StartedUp, ShowAndHideInstallAndRemoveTheHookAndUnpinOutOfReach) {
    layoutPanel();  // 125 x 65 on 1024 x 768: a pin holds from (-20, -20) to (918, 722)
    struct Case {
        std::int32_t x, y, nomove;
    };
    for (Case c : {Case{918, 722, 1}, Case{919, 100, 0}}) {
        picker.nomove = 1;
        picker.freeze = 1;
        picker.xokna = c.x;
        picker.yokna = c.y;
        EXPECT_TRUE(showPanel());
        EXPECT_EQ((std::array{picker.show, picker.freeze, picker.nomove}), (std::array{1, 0, c.nomove})) << c.x;
        EXPECT_TRUE(IsWindowVisible(picker.panelHwnd) && picker.hookHandle);
        hidePanel();
        EXPECT_FALSE(IsWindowVisible(picker.panelHwnd) || picker.hookHandle || picker.show);
    }
    picker.show = 1;
    applyPanelVisibility();
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
    EXPECT_EQ(picker.hookHandle, nullptr) << "visibility alone never installs the hook";
}

// The system drops a hook that overran its time without telling; the panel's timer notices
// the pointer moving unseen and installs the hook again.
TEST_F(StartedUp, AHookRemovedBehindTheProgramsBackIsInstalledAgain) {
    layoutPanel();
    SetCursorPos(100, 100);
    showPanel();
    UnhookWindowsHookEx(picker.hookHandle);
    SetCursorPos(300, 200);
    SendMessageA(picker.panelHwnd, WM_TIMER, kHookWatchTimer, 0);
    SendMessageA(picker.panelHwnd, WM_TIMER, kHookWatchTimer, 0);
    takePanelMessages();
    EXPECT_EQ((std::array{picker.cursorX, picker.cursorY, picker.xokna}), (std::array{300, 200, 310})) << "caught up";
    // And the new hook reports what the pointer does.
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = 400 * 65536 / GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = 300 * 65536 / GetSystemMetrics(SM_CYSCREEN);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
    MSG m;
    for (int i = 0; i < 50 && picker.cursorX != 400; ++i) {
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
        Sleep(10);
    }
    EXPECT_EQ(picker.cursorX, 400);
}
