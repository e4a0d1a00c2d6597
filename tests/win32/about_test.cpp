// The about window on the overlay: its form while open and after, presses judged at the last
// pointer move, the pages as painted, and the mixer giving the overlay up first.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

void pointAndPress(UINT press, int x, int y) {
    SendMessageA(picker.overlayHwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageA(picker.overlayHwnd, press, 0, MAKELPARAM(1, 1));  // the press's own point does not count
}

}  // namespace

TEST_F(StartedUp, AboutWindowOpensOnTheHelpPageFlipsPostsLinksAndCloses) {
    layoutPanel();
    showPanel();
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Help, 0);
    ASSERT_TRUE(picker.aboutActive);
    HWND about = picker.overlayHwnd;
    EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_POPUP | WS_VISIBLE), WS_CAPTION | WS_VISIBLE);
    char title[32] = {};
    GetWindowTextA(about, title, sizeof title);
    EXPECT_STREQ(title, "Tintspot 3.0");
    RECT client, frame;
    GetClientRect(about, &client);
    GetWindowRect(about, &frame);
    EXPECT_EQ((std::array<LONG, 4>{frame.left, frame.top, client.right, client.bottom}), (std::array<LONG, 4>{400, 162, 223, 283}));
    takePanelMessages();
    pointAndPress(WM_LBUTTONDOWN, 40, 157);  // a link on the help page: it closes, posting nothing
    EXPECT_FALSE(picker.aboutActive);
    const std::vector<UINT> none = takePanelMessages();
    EXPECT_TRUE(std::count(none.begin(), none.end(), UM_SITE) + std::count(none.begin(), none.end(), UM_MAIL) == 0);

    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Help, 0);
    pointAndPress(WM_RBUTTONDOWN, 189, 258);  // a right press flips like a left one
    EXPECT_EQ(picker.aboutPage, 0);
    // The about page painted: the page from the skin's left half, its sprite band white.
    HDC dc = GetDC(about);
    for (auto [x, y] : {std::pair{35, 188}, {222, 233}, {100, 210}}) EXPECT_EQ(GetPixel(dc, x, y), RGB(255, 255, 255)) << x;
    for (auto [x, y] : {std::pair{40, 150}, {60, 258}, {34, 188}})
        EXPECT_EQ(GetPixel(dc, x, y), GetPixel(picker.skinDC, x, y)) << x << "," << y;
    ReleaseDC(about, dc);
    takePanelMessages();
    pointAndPress(WM_LBUTTONDOWN, 40, 157);
    const std::vector<UINT> links = takePanelMessages();
    EXPECT_EQ(std::vector<UINT>(links.begin(), links.begin() + std::min<std::size_t>(links.size(), 2)),
              (std::vector<UINT>{UM_SITE, UM_MAIL}));
    EXPECT_FALSE(picker.aboutActive);
    EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_POPUP | WS_VISIBLE), WS_POPUP);
    EXPECT_EQ(GetWindowLongA(about, GWL_EXSTYLE) & ~WS_EX_TOPMOST, WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowTextLengthA(about), 0);
    GetWindowRect(about, &frame);
    EXPECT_EQ((std::array<LONG, 4>{frame.left, frame.top, frame.right, frame.bottom}), (std::array<LONG, 4>{-1, -1, 0, 0}));
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
}

TEST_F(StartedUp, HelpDuringTheMixerLeavesTheMixerFirst) {
    layoutPanel();
    showPanel();
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    ASSERT_TRUE(picker.mixerActive);
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Help, 0);
    EXPECT_FALSE(picker.mixerActive);
    EXPECT_TRUE(picker.aboutActive);
    EXPECT_EQ(picker.nomove, 0) << "the pin the mixer saved is back";
}
