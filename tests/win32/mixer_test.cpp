// The mixer against the real screen and windows: the snapshot through its strip, the mode.
#include "mixer/mixer_win.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "win32_fixture.h"

// An odd width pads every DIB row: the pixels keep their places through the grab, the marks, the show.
TEST_F(StartedUp, SnapshotOfAnOddWidthRoundTripsThroughMatching) {
    HWND shown = card::show(nullptr);
    ASSERT_TRUE(createSnapshot({card::kX, card::kY, card::kX + 63, card::kY + 41}));
    grabScreen();
    const auto as555 = [](int x, int y) { return fromRgb555(toRgb555(card::colour(card::kX + x, card::kY + y))); };
    const auto held = [](int x, int y) { return snapshotPixel(card::kX + x, card::kY + y); };
    const auto expectHeld = [&](auto&& want) {
        for (int y = 0; y < 41; y += 5)
            for (int x = 0; x < 63; x += 3) ASSERT_EQ(held(x, y), want(x, y)) << x << "," << y;
    };
    expectHeld(as555);
    // Everything marked, a checkerboard inverted and shown; the screen shows the snapshot's
    // 5-bit channels widened as the system likes: the top 5 bits count.
    picker.overlayHwnd = shown;
    carryOut(Effects().add(Fx::MarkMatches, 0, 33, 0).add(Fx::ShowSnapshot));
    EXPECT_NE(held(0, 0), held(1, 0)) << "a checkerboard";
    HDC screen = GetDC(nullptr);
    const auto shownAt = [&](int x, int y) { return GetPixel(screen, card::kX + x, card::kY + y) & 0x00F8F8F8; };
    for (int i = 0; i < 50 && (shownAt(0, 0) != held(0, 0) || shownAt(1, 0) != held(1, 0)); ++i)
        pumpFor(20);  // composed a moment later
    expectHeld(shownAt);
    ReleaseDC(nullptr, screen);
    carryOut(Effects().add(Fx::MarkMatches, 0x00FF00FF, 0, 1));  // undone first, then nothing matches
    expectHeld(as555);
    freeSnapshot();
    ASSERT_TRUE(createSnapshot({0, 0, 7680, 4320})) << "an 8K screen fits";
    snapshot.pixels[std::int64_t{7680} * 4320 - 1] = 0x7FFF;
    EXPECT_EQ(snapshotPixel(7679, 0), 0x00F8F8F8u);
    freeSnapshot();
    DestroyWindow(shown);
}

TEST_F(StartedUp, EnteringAndLeavingTheMixerKeepsThePinAndNeverEntersTwice) {
    layoutPanel();
    showPanel();
    for (std::int32_t pinned : {0, 1}) {
        picker.pinned = pinned;
        const std::int32_t height = picker.panelHeight;
        SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
        for (int i = 0; i < 50 && picker.mixerStarting; ++i) pumpFor(20);  // the panel's picture timer
        SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);  // chosen again while on: nothing happens
        EXPECT_EQ((std::array{int{picker.mixerActive}, picker.pinned, picker.panelHeight, picker.show}),
                  (std::array{1, 1, height + 58, 1}));
        EXPECT_TRUE(IsWindowVisible(picker.overlayHwnd) && snapshot.pixels);
        MSG tick = {};  // the refresh ticks: the marks blink, a slider drag recolours when the pointer rests
        for (int i = 0; i < 50 && !PeekMessageA(&tick, picker.overlayHwnd, WM_TIMER, WM_TIMER, PM_NOREMOVE); ++i)
            Sleep(20);
        EXPECT_EQ(tick.message, static_cast<UINT>(WM_TIMER));
        mixer.toleranceSlider.showPercent = 1;  // the tolerance slider goes on the frozen screen
        mixer.toleranceSlider.setGeometry(600, 500, 100, 100);
        carryOut(Effects().add(Fx::DrawSlider, 3));
        HDC overlay = GetDC(picker.overlayHwnd);
        EXPECT_EQ((std::array{GetPixel(overlay, 600, 500), GetPixel(overlay, 597, 495)}),
                  (std::array{RGB(0, 0, 0), RGB(192, 192, 192)}));
        ReleaseDC(picker.overlayHwnd, overlay);
        // A release after a pick leaves the whole-screen work to the panel, out of the hook.
        picker.mixerPicking = 1;
        takePanelMessages();
        hook(WM_LBUTTONUP);
        EXPECT_EQ(takePanelMessages(), std::vector<UINT>{UM_MIXERRELEASE});
        SendMessageA(picker.panelHwnd, WM_RBUTTONDOWN, 0, 0);  // leaves instead of opening the menu
        EXPECT_EQ((std::array{int{picker.mixerActive}, picker.pinned, picker.panelHeight}),
                  (std::array{0, pinned, height}));
        EXPECT_FALSE(IsWindowVisible(picker.overlayHwnd) || snapshot.pixels);
    }
    picker.allMonitors = {};  // no snapshot to be had: nothing changes
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    EXPECT_FALSE(picker.mixerActive || IsWindowVisible(picker.overlayHwnd));
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
}
