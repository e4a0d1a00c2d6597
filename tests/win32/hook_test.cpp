// The mouse hook driven with synthetic event records and modifier states, against real
// windows: gestures, gates, capture advances and what is posted to the panel.
#include <gtest/gtest.h>

#include <vector>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

void hook(UINT message, LONG x = 0, LONG y = 0) {
    MSLLHOOKSTRUCT event = {};
    event.pt = {x, y};
    pointerHook(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
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

TEST_F(Hooked, ModifierClicksWhileIdle) {
    struct Case {
        const char* what;
        bool alt, shift, ctrl;
        UINT button;
        std::int32_t freezeBefore;
        std::int32_t nomove, freeze, captureState;
        std::vector<UINT> posted;
    };
    const Case cases[] = {
        {"alt+left pins", true, false, false, WM_LBUTTONDOWN, 0, 1, 0, 0, {UM_FRAME}},
        {"alt+right pins and unfreezes", true, false, false, WM_RBUTTONDOWN, 1, 1, 0, 0, {UM_FRAME}},
        {"shift+left freezes", false, true, false, WM_LBUTTONDOWN, 0, 0, 1, 0, {UM_FRAME, UM_READOUT}},
        {"shift+left unfreezes", false, true, false, WM_LBUTTONDOWN, 1, 0, 0, 0, {UM_FRAME, UM_READOUT}},
        {"shift+right leaves freeze", false, true, false, WM_RBUTTONDOWN, 0, 0, 0, 0, {}},
        {"ctrl+left does nothing on the press", false, false, true, WM_LBUTTONDOWN, 0, 0, 0, 0, {}},
        {"ctrl+shift+left starts a capture", false, true, true, WM_LBUTTONDOWN, 0, 1, 0, 1, {}},
        {"ctrl+shift+right starts a capture", false, true, true, WM_RBUTTONDOWN, 0, 1, 0, 1, {}},
        {"alt+shift+left pins and freezes", true, true, false, WM_LBUTTONDOWN, 0, 1, 1, 0,
         {UM_FRAME, UM_FRAME, UM_READOUT}},
        {"alt+ctrl+shift pins, then captures", true, true, true, WM_LBUTTONDOWN, 0, 1, 0, 1, {UM_FRAME}},
        {"plain click", false, false, false, WM_LBUTTONDOWN, 0, 0, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        picker.nomove = 0;
        picker.freeze = c.freezeBefore;
        picker.captureState = 0;
        takePanelMessages();
        setModifiers(c.alt, c.shift, c.ctrl);
        hook(c.button, 300, 300);
        EXPECT_EQ(picker.nomove, c.nomove);
        EXPECT_EQ(picker.freeze, c.freeze);
        EXPECT_EQ(picker.captureState, c.captureState);
        EXPECT_EQ(takePanelMessages(), c.posted);
        if (picker.captureState) {
            // The capture saved the pin state it found: after alt toggled it, 1.
            EXPECT_EQ(capture.captureSavedNomove, c.alt ? 1 : 0);
            setModifiers(false, false, false);
            hook(WM_RBUTTONDOWN);  // cancels
            EXPECT_EQ(picker.captureState, 0);
            EXPECT_EQ(picker.nomove, c.alt ? 1 : 0);
        }
    }
}

TEST_F(Hooked, NothingChangesWhileGatedOff) {
    struct Case {
        const char* what;
        std::uint8_t about;
        std::int32_t show;
        int code;
    };
    for (const Case& c : {Case{"about box", 1, 1, HC_ACTION}, Case{"panel hidden", 0, 0, HC_ACTION},
                          Case{"negative code", 0, 1, -1}}) {
        SCOPED_TRACE(c.what);
        picker.aboutActive = c.about;
        picker.show = c.show;
        picker.cursorX = picker.cursorY = 7;
        setModifiers(true, true, true);
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONUP}) {
            MSLLHOOKSTRUCT event = {};
            event.pt = {500, 400};
            pointerHook(c.code, message, reinterpret_cast<LPARAM>(&event));
        }
        EXPECT_EQ(picker.cursorX, 7);
        EXPECT_EQ(picker.nomove, 0);
        EXPECT_EQ(picker.freeze, 0);
        EXPECT_EQ(picker.captureState, 0);
        EXPECT_TRUE(takePanelMessages().empty());
    }
}

TEST_F(Hooked, MoveRecordsThePointerPlacesThePanelAndAsksForReadouts) {
    hook(WM_MOUSEMOVE, 300, 200);
    EXPECT_EQ(picker.cursorX, 300);
    EXPECT_EQ(picker.cursorY, 200);
    EXPECT_EQ(picker.xokna, 300 + picker.cursorGap);
    EXPECT_EQ(picker.yokna, 200 + picker.cursorGap);
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_READOUT});
    RECT r;
    GetWindowRect(picker.panelHwnd, &r);
    EXPECT_EQ(r.left, picker.xokna);
    EXPECT_EQ(r.top, picker.yokna);
    EXPECT_EQ(r.right - r.left, picker.panelWidth);
    EXPECT_EQ(r.bottom - r.top, picker.panelHeight);
}

// The copy itself is left to the panel: opening the clipboard may wait on another program.
TEST_F(Hooked, CtrlReleaseAsksThePanelForTheTextCopy) {
    struct Case {
        bool shift, ctrl;
        std::int32_t captureState;
        std::vector<UINT> posted;
    };
    for (const Case& c : {Case{false, true, 0, {UM_COPYTEXT}}, Case{true, true, 0, {}}, Case{false, false, 0, {}},
                          Case{false, true, 1, {}}}) {
        picker.captureState = c.captureState;
        setModifiers(false, c.shift, c.ctrl);
        hook(WM_LBUTTONUP, 300, 300);
        EXPECT_EQ(takePanelMessages(), c.posted) << c.shift << c.ctrl << c.captureState;
    }
    picker.captureState = 0;
}

TEST_F(Hooked, CaptureAdvancesThroughItsStatesFromTheHook) {
    setModifiers(false, true, true);
    hook(WM_LBUTTONDOWN, 10, 10);
    ASSERT_EQ(picker.captureState, 1);
    setModifiers(false, false, false);
    // The release that ends the starting click changes nothing but a panel drag.
    picker.moveform = 1;
    hook(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(picker.captureState, 1);
    EXPECT_EQ(picker.moveform, 0);

    hook(WM_MOUSEMOVE, 100, 120);
    EXPECT_EQ(capture.crosshairX, -2) << "the first move arms the crosshair";
    EXPECT_TRUE(takePanelMessages().empty()) << "no readouts while the crosshair shows";
    const std::int32_t pinnedX = picker.xokna;

    // The start corner is the last move's position, not the press event's.
    hook(WM_LBUTTONDOWN, 999, 999);
    EXPECT_EQ(picker.captureState, 2);
    EXPECT_EQ(capture.captureStartX, 100);
    EXPECT_EQ(capture.captureStartY, 120);

    hook(WM_MOUSEMOVE, 40, 150);
    EXPECT_EQ(capture.captureRect.left, 40);
    EXPECT_EQ(capture.captureRect.top, 120);
    EXPECT_EQ(capture.captureRect.right, 100);
    EXPECT_EQ(capture.captureRect.bottom, 150);
    EXPECT_EQ(capture.captureWidth, 60);
    EXPECT_EQ(capture.captureHeight, 30);
    EXPECT_EQ(picker.xokna, pinnedX) << "the panel does not follow during a capture";

    hook(WM_LBUTTONUP, 40, 150);
    EXPECT_EQ(picker.captureState, 0);
    EXPECT_EQ(picker.nomove, 0);
    EXPECT_EQ(capture.captureWidth, 0);
}

TEST_F(Hooked, RightPressWithCtrlShiftDuringACaptureStartsANewOne) {
    setModifiers(false, true, true);
    hook(WM_LBUTTONDOWN);
    hook(WM_MOUSEMOVE, 50, 50);
    hook(WM_LBUTTONDOWN);
    ASSERT_EQ(picker.captureState, 2);
    hook(WM_RBUTTONDOWN);
    EXPECT_EQ(picker.captureState, 1);
    EXPECT_EQ(capture.captureSavedNomove, 0) << "the new capture saved the restored pin state";
}

TEST_F(StartedUp, ShowAndHideInstallAndRemoveTheHook) {
    picker.freeze = 1;
    layoutPanel();
    EXPECT_TRUE(showPanel());
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
    EXPECT_NE(picker.hookHandle, nullptr);
    EXPECT_EQ(picker.show, 1);
    EXPECT_EQ(picker.freeze, 0) << "showing clears a stored freeze";

    hidePanel();
    EXPECT_FALSE(IsWindowVisible(picker.panelHwnd));
    EXPECT_EQ(picker.hookHandle, nullptr);
    EXPECT_EQ(picker.show, 0);

    picker.show = 1;
    applyPanelVisibility();
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
    EXPECT_EQ(picker.hookHandle, nullptr) << "visibility alone never installs the hook";
}

TEST_F(StartedUp, ShowingUnpinsAPanelPinnedOutOfReach) {
    layoutPanel();  // 125 x 65 on 1024 x 768: keep-inside is (-20, -20) to (919, 723)
    struct Case {
        std::int32_t x, y, nomove;
    };
    for (Case c : {Case{918, 722, 1}, Case{919, 100, 0}, Case{-21, 0, 0}, Case{-20, -20, 1}}) {
        SCOPED_TRACE(c.x);
        picker.nomove = 1;
        picker.xokna = c.x;
        picker.yokna = c.y;
        showPanel();
        EXPECT_EQ(picker.nomove, c.nomove);
        hidePanel();
    }
}

TEST_F(Hooked, PlacingThePanelKeepsItTopmostAndNeverTakesTheFocus) {
    showPanel();
    HWND own = CreateWindowExA(0, "STATIC", "typing here", WS_POPUP | WS_VISIBLE, 600, 500, 100, 50, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    ASSERT_EQ(GetForegroundWindow(), own);
    hook(WM_MOUSEMOVE, 200, 150);
    EXPECT_EQ(GetForegroundWindow(), own);
    EXPECT_EQ(GetActiveWindow(), own);
    EXPECT_TRUE(GetWindowLongA(picker.panelHwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(own);
}
