// The mixer against the real screen and windows under Wine: the snapshot's DIB section in
// both directions, the sliders as drawn, and entering and leaving the mode.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "mixer/mixer_state.h"
#include "mixer/mixer_win.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

COLORREF as555(COLORREF c) { return fromRgb555(toRgb555(c)); }
// The screen shows a 5-bit channel widened to 8 bits as the system likes; the top 5 count.
COLORREF top5(COLORREF c) { return c & 0x00F8F8F8; }

}  // namespace

// An odd width pads every DIB row: the pixels must keep their places through the copy in,
// the matching and the copy back out.
TEST_F(StartedUp, SnapshotOfAnOddWidthRoundTripsThroughMatching) {
    HWND shown = card::show(nullptr);
    ASSERT_TRUE(createSnapshot(shown, 63, 41));
    grabScreen(shown);
    for (int y = 0; y < 41; y += 5)
        for (int x = 0; x < 63; x += 3)
            ASSERT_EQ(snapshotPixel(x, y), as555(card::colour(card::kX + x, card::kY + y))) << x << "," << y;
    markMatches(snapshot, 0, 33, false);            // everything marked, a checkerboard inverted
    markMatches(snapshot, 0x00FF00FF, 0, true);     // back to the captured colours
    showSnapshot(shown);
    HDC screen = GetDC(nullptr);
    // The window's surface reaches the desktop a moment later, while messages are read.
    for (int i = 0; i < 50 && top5(GetPixel(screen, card::kX, card::kY)) != as555(card::colour(card::kX, card::kY)); ++i) {
        MSG m;
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
        Sleep(20);
    }
    for (int y = 0; y < 41; y += 5)
        for (int x = 0; x < 63; x += 3)
            ASSERT_EQ(top5(GetPixel(screen, card::kX + x, card::kY + y)), as555(card::colour(card::kX + x, card::kY + y)));
    ReleaseDC(nullptr, screen);
    freeSnapshot();
    freeSnapshot();  // twice is harmless
    EXPECT_EQ(snapshot.pixels, nullptr);
    EXPECT_TRUE(createSnapshot(nullptr, 7680, 4320)) << "an 8K screen fits";
    snapshot.pixels[std::int64_t{7680} * 4320 - 1] = 0x7FFF;
    EXPECT_EQ(snapshotPixel(7679, 0), 0x00F8F8F8u);
    freeSnapshot();
}

TEST_F(StartedUp, SlidersDrawTheirLineThumbAndValue) {
    struct Case {
        bool percent;
        std::int32_t radix, value;
        const char* text;
    };
    for (Case c : {Case{false, 16, 255, "0FF"}, Case{false, 10, 9, "  9"}, Case{true, 10, 100, "100%"},
                   Case{true, 16, 0, "00%"}}) {
        SliderControl slider;
        slider.showPercent = c.percent;
        slider.setGeometry(10, 10, c.percent ? 100 : 128, c.percent ? 100 : 255);
        slider.setValue(c.value);
        picker.readoutRadix = c.radix;
        Canvas canvas(170, 24);
        slider.draw(canvas.dc, true);
        expectText(canvas, 10 + slider.length + 6, 10, c.text, RGB(192, 192, 192));
        const int tip = 10 + slider.thumb;
        EXPECT_EQ(canvas.at(10 + slider.length - 1, 10), RGB(0, 0, 0)) << "the line";
        EXPECT_EQ(canvas.at(tip, 11), RGB(0, 0, 0)) << "the thumb's tip";
        EXPECT_EQ(canvas.at(tip, 18), RGB(0, 0, 0)) << "its base";
        slider.draw(canvas.dc, false);
        EXPECT_EQ(canvas.at(tip, 18), RGB(192, 192, 192)) << "erased in the ground colour";
        EXPECT_EQ(canvas.at(6, 5), c.percent ? RGB(192, 192, 192) : Canvas::kUnpainted) << "the percent box";
    }
}

TEST_F(StartedUp, EnteringAndLeavingTheMixerKeepsThePinAndNeverEntersTwice) {
    layoutPanel();
    showPanel();
    for (std::int32_t pinned : {0, 1}) {
        picker.nomove = pinned;
        const std::int32_t height = picker.panelHeight;
        SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
        ASSERT_TRUE(picker.mixerActive);
        EXPECT_EQ((std::array{picker.nomove, picker.panelHeight, picker.show}), (std::array{1, height + 58, 1}));
        EXPECT_TRUE(IsWindowVisible(picker.overlayHwnd));
        EXPECT_NE(snapshot.pixels, nullptr);
        SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);  // chosen again: nothing happens
        // A release after a pick leaves the whole-screen work to the panel, out of the hook.
        picker.mixerPicking = 1;
        takePanelMessages();
        MSLLHOOKSTRUCT event = {};
        pointerHook(HC_ACTION, WM_LBUTTONUP, reinterpret_cast<LPARAM>(&event));
        EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_MIXERRELEASE});
        EXPECT_FALSE(picker.mixerPicking);
        SendMessageA(picker.panelHwnd, WM_RBUTTONDOWN, 0, 0);       // leaves instead of opening the menu
        EXPECT_FALSE(picker.mixerActive);
        EXPECT_EQ((std::array{picker.nomove, picker.panelHeight}), (std::array{pinned, height}));
        EXPECT_FALSE(IsWindowVisible(picker.overlayHwnd));
        EXPECT_EQ(snapshot.pixels, nullptr);
    }
    // No snapshot to be had: the mode is not entered and nothing changes.
    mixerArea = [] { return Rect{0, 0, 0, 0}; };
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    EXPECT_FALSE(picker.mixerActive || IsWindowVisible(picker.overlayHwnd));
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
}
