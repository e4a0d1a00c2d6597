#include <gtest/gtest.h>

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
        {880, 100, 0, 890, 110},   // plain follow
        {882, 100, 0, 892, 110},   // right edge 1017: not above 1017, no snap
        {883, 100, 0, 899, 110},   // 1018 snaps flush right
        {895, 100, 0, 899, 110},   // 1030 still snaps
        {896, 100, 0, 761, 110},   // 1031 does not snap, flips left of the pointer
        {100, 686, 0, 110, 696},   // bottom 761: no snap, no flip
        {100, 687, 0, 110, 703},   // snaps flush to the bottom
        {100, 700, 0, 110, 625},   // flips above the pointer
        {1000, 760, 0, 865, 685},  // both axes flip
        {-4, -17, 0, 0, -7},       // 6 from the near edge snaps, 7 does not
        {300, 300, 2, 310, 310},   // only a pin of exactly 1 holds the panel
        {300, 300, -1, 310, 310},
        {300, 300, 1, 5, 6},       // pinned: the saved corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cursorX << "," << c.cursorY);
        PickerState s = at(c.cursorX, c.cursorY);
        s.nomove = c.nomove;
        s.xokna = 5;
        s.yokna = 6;
        s.dragOffsetX = s.dragOffsetY = 77;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(s.xokna, 5) << "the caller stores the position";
        EXPECT_EQ(s.dragOffsetX, 0) << "no drag, no offsets";
    }
}

TEST(Placement, DraggingSnapsButNeverFlips) {
    struct Case {
        std::int32_t wanted, x, y;  // the drag asks for (wanted, wanted)
    };
    const Case cases[] = {{-7, -7, -7}, {-6, 0, 0}, {6, 0, 0}, {7, 7, 7}, {697, 697, 703},
                          {710, 710, 710}, {900, 899, 900}, {950, 950, 950}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        PickerState s = at(300, 300);
        s.moveform = 1;
        s.nomove = 1;  // a drag moves a pinned panel too
        s.dragOffsetX = s.dragOffsetY = c.wanted - 310;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(s.dragOffsetX, c.wanted - 310) << "offsets last for the whole drag";
    }
}

TEST(Placement, DragKeepsTheGrabbedPointUnderThePointerFromAnyCorner) {
    PickerState s = at(520, 430);
    s.xokna = 500;
    s.yokna = 400;
    s.moveform = 1;
    beginDragOffsets(s);
    EXPECT_EQ(s.dragOffsetX, -30);
    EXPECT_EQ(s.dragOffsetY, -40);
    const std::int32_t moves[][4] = {{520, 430, 500, 400}, {540, 445, 520, 415}, {300, 200, 280, 170}};
    for (const auto& m : moves) {
        s.cursorX = m[0];
        s.cursorY = m[1];
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, m[2]);
        EXPECT_EQ(p.y, m[3]);
    }
    // Stored corners far away: the offsets saturate instead of wrapping.
    s.xokna = INT32_MAX;
    s.yokna = INT32_MIN;
    s.cursorX = -100;
    s.cursorY = 100;
    beginDragOffsets(s);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
    EXPECT_EQ(s.dragOffsetY, INT32_MIN);
    const PanelPosition p = computePanelPosition(s);
    EXPECT_EQ(p.x, INT32_MAX - 90);
    EXPECT_EQ(p.y, INT32_MIN + 110);
}

TEST(Placement, KeepInsideRectangleAllowsTwentyPixelsOverEachEdge) {
    PickerState s = at(0, 0);
    s.panelWidth = 100;
    s.panelHeight = 80;
    const Rect r = keepInsideRect(s);
    struct Case {
        std::int32_t x, y;
        bool inside;
    };
    const Case cases[] = {{943, 707, true}, {-20, -20, true}, {944, 100, false}, {-21, 0, false},
                          {0, 708, false}, {0, -21, false}};
    for (const Case& c : cases) EXPECT_EQ(pointInRect(r, c.x, c.y), c.inside) << c.x << "," << c.y;
}
