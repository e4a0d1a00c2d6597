// The clipboard copies against the real clipboard and screen under Wine, and the overlay's
// inverted crosshair and band drawn into a memory context.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/capture_state.h"
#include "capture/capture_win.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

std::string clipboardText() {
    std::string text = "(none)";
    if (!OpenClipboard(nullptr)) return "(not opened)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void putText(const char* text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(GlobalLock(block)), text);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

class Capturing : public StartedUp {
protected:
    void SetUp() override {
        StartedUp::SetUp();
        layoutPanel();
        putText("kept");
        takePanelMessages();
    }
    // A capture from the start corner to the pointer, ended with the left release; during()
    // runs while it is on.
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

TEST_F(Capturing, ColourTextWithItsBlockSize) {
    struct Case {
        const char* colorText;
        std::int32_t showhexa;
        const char* text;
        SIZE_T block;
    };
    for (const Case& c : {Case{"0A0B0C", 1, "#0A0B0C", 17}, Case{"255,255,255", 0, "255,255,255", 21}}) {
        strcpy(picker.colorText, c.colorText);
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
    EXPECT_EQ(picker.captureState, 0);
    EXPECT_FALSE(IsWindowVisible(picker.overlayHwnd));
    EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_COPYBITMAP}) << "the copy is left to the panel";
    EXPECT_EQ(clipboardText(), "kept");
    copyCaptureBitmap();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    ASSERT_EQ(info.bmWidth, 29);
    ASSERT_EQ(info.bmHeight, 44);
    Canvas copy(29, 44);
    HDC source = CreateCompatibleDC(copy.dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(copy.dc, 0, 0, 29, 44, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    CloseClipboard();
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 29; ++x)
            ASSERT_EQ(copy.at(x, y), card::colour(card::kX + 11 + x, card::kY + 6 + y)) << x << "," << y;
    DestroyWindow(shown);
}

TEST_F(Capturing, ClipboardKeepsItsTextWhenNothingCanBeCopied) {
    struct Case {
        const char* what;
        std::int32_t x0, y0, x1, y1;
    };
    // 5 x 5 is too small; 1 pixel wide has nothing inside; no bitmap has room for 70000 squared.
    for (const Case& c : {Case{"5 x 5", 300, 300, 305, 305}, Case{"1 pixel wide", 300, 300, 301, 400},
                          Case{"no bitmap", 0, 0, 70000, 70000}}) {
        SCOPED_TRACE(c.what);
        captureBand(c.x0, c.y0, c.x1, c.y1);
        EXPECT_TRUE(takePanelMessages().empty());
        copyCaptureBitmap();
        EXPECT_EQ(clipboardText(), "kept");
    }
    // Held open by another window: neither copy empties it.
    captureBand(300, 300, 320, 330);
    strcpy(picker.colorText, "FF8000");
    {
        HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(OpenClipboard(other));
        copyCaptureBitmap();
        copyColorText();
        CloseClipboard();
        DestroyWindow(other);
    }
    EXPECT_EQ(clipboardText(), "kept");
}

// Each paint undoes what the last one drew: after crosshair moves and band changes only
// the current band's outline differs from the picture beneath, and it is inverted.
TEST_F(Capturing, InvertedCrosshairAndBandLeaveThePictureAsItWas) {
    // The monitors' area starts left of and above the primary one: the overlay's pixel (x, y)
    // shows screen pixel (x - 20, y - 10).
    capture.screenArea = {-20, -10, 100, 90};
    Canvas overlay(120, 100), original(120, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            SetPixel(overlay.dc, x, y, RGB(x * 2, y * 2, 77));
            SetPixel(original.dc, x, y, RGB(x * 2, y * 2, 77));
        }
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
    EXPECT_EQ(overlay.at(10, 40), original.at(10, 40) ^ 0xFFFFFF);
    EXPECT_EQ(overlay.at(50, 90), original.at(50, 90) ^ 0xFFFFFF);
    paintAt(1, 60, 70);
    EXPECT_EQ(overlay.at(10, 40), original.at(10, 40));
    EXPECT_EQ(overlay.at(10, 70), original.at(10, 70) ^ 0xFFFFFF);
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
