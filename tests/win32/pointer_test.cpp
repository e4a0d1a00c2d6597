// The mouse hook driven with event records and modifier states against real windows
// (gestures, gates, the capture's states, what is posted to the panel), and the capture's
// copies against the real clipboard and screen.
#include "capture/capture_state.h"
#include "capture/capture_win.h"
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
    void TearDown() override { setModifiers(false, false, false); }
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
    // A capture from the start corner to the pointer, ended by the left release; during() runs
    // while it is on.
    void captureBand(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, void (*during)() = [] {}) {
        startCapture();
        during();
        picker.captureState = 2;
        capture.captureStartX = x0;
        capture.captureStartY = y0;
        picker.cursorX = x1;
        picker.cursorY = y1;
        updateCaptureRect();
        endCapture(true);
    }
};

}  // namespace

// One event each, from idle: modifier clicks anywhere, the Ctrl release that asks the panel for
// the text copy (opening the clipboard may wait on another program, so never in the hook), and
// the gates: the about window open, the panel hidden, a negative hook code.
TEST_F(Hooked, ModifierClicksReleasesAndGates) {
    struct Case { const char* what; bool alt, shift, ctrl; UINT message; std::int32_t freezeBefore; std::array<std::int32_t, 3> after; std::vector<UINT> posted; std::uint8_t about = 0; std::int32_t show = 1; int code = HC_ACTION; };
    const Case cases[] = {  // after: nomove, freeze, captureState
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
        if (picker.captureState) {  // a right press cancels, and the pin is back as it was
            setModifiers(false, false, false);
            hook(WM_RBUTTONDOWN);
            EXPECT_EQ((std::array{picker.captureState, picker.nomove}), (std::array{0, c.alt ? 1 : 0}));
        }
    }
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

// The hook's calls come before queued input: a move made just after the press may reach the
// hook before the press reaches the panel. The grabbed point is still the pressed one.
TEST_F(Hooked, ADragHoldsThePressedPointEvenWhenAMoveCameFirst) {
    picker.nomove = 1;
    picker.xokna = picker.yokna = 300;
    showPanel();
    hook(WM_MOUSEMOVE, 360, 340);
    SendMessageA(picker.panelHwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));  // pressed at (330, 320)
    hook(WM_MOUSEMOVE, 400, 400);
    takePanelMessages();
    EXPECT_EQ((std::array{picker.xokna, picker.yokna}), (std::array{370, 380}));
}

TEST_F(Hooked, CaptureAdvancesThroughItsStatesFromTheHook) {
    setModifiers(false, true, true);
    hook(WM_LBUTTONDOWN, 10, 10);
    setModifiers(false, false, false);
    picker.moveform = 1;
    hook(WM_LBUTTONUP, 10, 10);  // ends the starting click: only a panel drag ends
    EXPECT_EQ((std::array{picker.captureState, picker.moveform}), (std::array{1, 0}));
    hook(WM_MOUSEMOVE, 100, 120);
    EXPECT_TRUE(capture.crosshairArmed) << "the first move arms the crosshair";
    EXPECT_TRUE(takePanelMessages().empty()) << "no readouts, no placement while the overlay shows";
    hook(WM_LBUTTONDOWN, 999, 999);  // the start corner is the last move's position
    hook(WM_MOUSEMOVE, 40, 150);
    const Rect r = capture.captureRect;
    EXPECT_EQ((std::array{picker.captureState, r.left, r.top, r.right, r.bottom, capture.captureWidth, capture.captureHeight, picker.xokna}),
              (std::array{2, 40, 120, 100, 150, 60, 30, 10}));
    setModifiers(false, true, true);  // with Ctrl and Shift held a right press starts anew
    hook(WM_RBUTTONDOWN);
    EXPECT_EQ((std::array{picker.captureState, capture.captureSavedNomove, capture.captureWidth}), (std::array{1, 0, 0}));
}

TEST_F(StartedUp, ShowAndHideInstallAndRemoveTheHookAndUnpinOutOfReach) {
    layoutPanel();  // 125 x 65 on 1024 x 768: a pin holds from (-20, -20) to (918, 722)
    for (auto [x, y, nomove] : {std::array{918, 722, 1}, std::array{919, 100, 0}}) {
        picker.nomove = picker.freeze = 1;
        picker.xokna = x;
        picker.yokna = y;
        EXPECT_TRUE(showPanel());
        EXPECT_EQ((std::array{picker.show, picker.freeze, picker.nomove}), (std::array{1, 0, nomove})) << x;
        EXPECT_TRUE(IsWindowVisible(picker.panelHwnd) && picker.hookHandle);
        hidePanel();
        EXPECT_FALSE(IsWindowVisible(picker.panelHwnd) || picker.hookHandle || picker.show);
    }
}

// The system drops a hook that overran its time without telling; the panel's timer notices the
// pointer moving unseen and installs the hook again.
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
    INPUT move = {};  // and the new hook reports what the pointer does
    move.type = INPUT_MOUSE;
    move.mi = {400 * 65536 / 1024, 300 * 65536 / 768, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    SendInput(1, &move, sizeof move);
    for (int i = 0; i < 25 && picker.cursorX != 400; ++i) pumpFor(20);
    EXPECT_EQ(picker.cursorX, 400);
}

TEST_F(Capturing, ColourTextWithItsBlockSize) {
    struct Case { const char* colorText; std::int32_t showhexa; const char* text; SIZE_T block; };
    for (const Case& c : {Case{"0A0B0C", 1, "#0A0B0C", 17}, Case{"255,255,255", 0, "255,255,255", 21}}) {
        lstrcpyA(picker.colorText, c.colorText);
        picker.showhexa = c.showhexa;
        SendMessageA(picker.panelHwnd, UM_COPYTEXT, 0, 0);
        EXPECT_EQ(clipboardText(), c.text);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_EQ(GlobalSize(GetClipboardData(CF_TEXT)), c.block);
        CloseClipboard();
    }
}

TEST_F(Capturing, BandInsideGoesToTheClipboardWithTheScreensPixels) {
    static HWND shown = card::show(nullptr);
    // Dragged up and left; the screen changes meanwhile, but the copy is of the screen held
    // still when the capture began.
    captureBand(card::kX + 40, card::kY + 50, card::kX + 10, card::kY + 5, [] { shown = card::show(shown, RGB(1, 2, 3)); });
    EXPECT_FALSE(picker.captureState || IsWindowVisible(picker.overlayHwnd));
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_COPYBITMAP}) << "the copy is left to the panel";
    EXPECT_EQ(clipboardText(), "kept");
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

TEST_F(Capturing, ClipboardKeepsItsTextWhenNothingCanBeCopied) {
    // 5 x 5 is too small; 1 pixel wide has nothing inside; no bitmap has room for 70000 squared.
    for (auto [x1, y1] : {std::pair{305, 305}, {301, 400}, {70000, 70000}}) {
        captureBand(300, 300, x1, y1);
        EXPECT_TRUE(takePanelMessages().empty()) << x1;
        copyCaptureBitmap();
        EXPECT_EQ(clipboardText(), "kept");
    }
    // Held open by another window: neither copy empties it.
    captureBand(300, 300, 320, 330);
    lstrcpyA(picker.colorText, "FF8000");
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    copyCaptureBitmap();
    copyColorText();
    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(clipboardText(), "kept");
}

// Each paint undoes what the last one drew: after crosshair moves and band changes only the
// current band's outline differs from the picture beneath, and it is inverted.
TEST_F(Capturing, InvertedCrosshairAndBandLeaveThePictureAsItWas) {
    // The monitors' area starts left of and above the primary one: the overlay's pixel (x, y)
    // shows screen pixel (x - 20, y - 10).
    capture.screenArea = {-20, -10, 100, 90};
    Canvas overlay(120, 100), original(120, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) SetPixel(overlay.dc, x, y, RGB(x * 2, y * 2, 77)), SetPixel(original.dc, x, y, RGB(x * 2, y * 2, 77));
    auto paintAt = [&](std::int32_t state, std::int32_t x, std::int32_t y) {
        picker.captureState = state;
        picker.cursorX = x - 20;
        picker.cursorY = y - 10;
        paintCaptureOverlay(overlay.dc);
    };
    capture.crosshairArmed = 0;
    paintAt(1, 50, 40);
    EXPECT_EQ(overlay.at(10, 40), original.at(10, 40)) << "nothing before the first move";
    capture.crosshairArmed = 1;  // the hook arms it
    paintAt(1, 50, 40);
    EXPECT_EQ((std::array{overlay.at(10, 40), overlay.at(50, 90)}), (std::array{original.at(10, 40) ^ 0xFFFFFF, original.at(50, 90) ^ 0xFFFFFF}));
    paintAt(1, 60, 70);
    EXPECT_EQ((std::array{overlay.at(10, 40), overlay.at(10, 70)}), (std::array{original.at(10, 40), original.at(10, 70) ^ 0xFFFFFF}));
    capture.captureRect = {0, 20, 60, 80};
    paintAt(2, 80, 90);
    capture.captureRect = {5, 25, 50, 50};
    paintAt(2, 70, 60);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool onBand = ((x == 25 || x == 70) && y >= 35 && y <= 60) || ((y == 35 || y == 60) && x >= 25 && x <= 70);
            ASSERT_EQ(overlay.at(x, y), onBand ? original.at(x, y) ^ 0xFFFFFF : original.at(x, y)) << x << "," << y;
        }
}
