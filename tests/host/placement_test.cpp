#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "tracking/placement.h"

namespace {

// A 125 x 65 panel on a 1024 x 768 screen, the pointer at (x, y).
PickerState at(std::int32_t x, std::int32_t y) {
    PickerState s;
    s.screenWidth = 1024;
    s.screenHeight = 768;
    s.panelWidth = 125;
    s.panelHeight = 65;
    s.cursorGap = 10;
    s.cursorX = x;
    s.cursorY = y;
    return s;
}

}  // namespace

TEST(Placement, FollowingSnapsStrictlyInsideSevenPixelsAndFlipsPastTheFarEdge) {
    struct Case {
        std::int32_t cursorX, cursorY, nomove, x, y;
    };
    const Case cases[] = {
        {882, 100, 0, 892, 110},   // right edge 1017: not above 1017, no snap
        {883, 100, 0, 899, 110},   // 1018 snaps flush right
        {895, 100, 0, 899, 110},   // 1030 still snaps
        {896, 100, 0, 761, 110},   // 1031 does not snap, flips left of the pointer
        {100, 686, 0, 110, 696},   // bottom 761: no snap, no flip
        {100, 687, 0, 110, 703},   // snaps flush to the bottom
        {1000, 760, 0, 865, 685},  // both axes flip
        {-4, -17, 0, 0, -7},       // 6 from the near edge snaps, 7 does not
        {300, 300, 2, 310, 310},   // only a pin of exactly 1 holds the panel
        {300, 300, 1, 5, 6},       // pinned: the saved corner
        {500, 400, 3, 0, 0},       // (3: a 602 x 565 panel) flips only as far as the screen's edges
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cursorX << "," << c.cursorY);
        PickerState s = at(c.cursorX, c.cursorY);
        s.nomove = c.nomove;
        if (c.nomove == 3) {
            s.panelWidth = 602;
            s.panelHeight = 565;
        }
        s.xokna = 5;
        s.yokna = 6;
        s.dragOffsetX = 77;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(s.dragOffsetX, 0) << "no drag, no offsets";
    }
}

TEST(Placement, ADragKeepsTheGrabbedPointUnderThePointerAndSnapsButNeverFlips) {
    PickerState s = at(520, 430);
    s.xokna = 500;
    s.yokna = 400;
    s.nomove = 1;  // a drag moves a pinned panel too
    s.moveform = 1;
    beginDragOffsets(s);
    const std::int32_t moves[][4] = {{540, 445, 520, 415}, {300, 200, 280, 170}, {24, 33, 0, 0},
                                     {27, 37, 7, 7}, {970, 830, 950, 800}, {920, 733, 899, 703}};
    for (const auto& m : moves) {
        s.cursorX = m[0];
        s.cursorY = m[1];
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, m[2]) << m[0];
        EXPECT_EQ(p.y, m[3]) << m[1];
    }
    // A stored corner far away: the offsets saturate instead of wrapping.
    s.xokna = INT32_MAX;
    s.cursorX = -100;
    beginDragOffsets(s);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
}

// On several monitors the panel keeps to the one under the pointer (its full rectangle, in
// screen coordinates that are negative left of and above the primary one).
TEST(Placement, OnTheMonitorUnderThePointer) {
    struct Case {
        Rect monitor;
        std::int32_t cursorX, cursorY, x, y;
    };
    const Rect right = {1024, 0, 1824, 600}, left = {-1280, 0, 0, 1024}, above = {0, -900, 1600, 0};
    const Case cases[] = {
        {right, 1500, 300, 1510, 310},  {right, 1690, 300, 1699, 310},   // follows; snaps to its right edge
        {right, 1696, 300, 1561, 310},  {right, 1500, 560, 1510, 485},   // flips at its right and lower edges
        {left, -130, 500, -125, 510},   {left, -100, 500, -235, 510},    // left of the primary
        {above, 800, -72, 810, -65},    {above, 800, -50, 810, -125},    // above it
    };
    for (const Case& c : cases) {
        PickerState s = at(c.cursorX, c.cursorY);
        const PanelPosition p = computePanelPosition(s, c.monitor);
        EXPECT_EQ((std::array{p.x, p.y}), (std::array{c.x, c.y})) << c.cursorX << "," << c.cursorY;
    }
    // A pin holds anywhere on its monitor, 20 pixels over its edges at most.
    PickerState s = at(0, 0);
    EXPECT_TRUE(pointInRect(keepInsideRect(s, right), 1718, -20));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1719, 300));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1003, 300));
}
