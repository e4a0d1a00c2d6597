#include <gtest/gtest.h>

#include <climits>

#include "tracking/placement.h"

namespace {

PickerState screenWithPanel() {
    PickerState s;
    s.screenWidth = 1024;
    s.screenHeight = 768;
    s.panelWidth = 125;
    s.panelHeight = 65;
    s.cursorGap = 10;
    return s;
}

}  // namespace

TEST(Placement, FollowingSnapsStrictlyInsideSevenPixelsAndFlipsPastTheFarEdge) {
    struct Case {
        std::int32_t cursorX, cursorY, x, y;
    };
    const Case cases[] = {
        {880, 100, 890, 110},   // plain follow
        {882, 100, 892, 110},   // right edge 1017: not above 1017, no snap
        {883, 100, 899, 110},   // 1018 snaps flush right
        {895, 100, 899, 110},   // 1030 still snaps
        {896, 100, 761, 110},   // 1031 does not snap, flips left of the pointer
        {100, 686, 110, 696},   // bottom 761: no snap, no flip
        {100, 687, 110, 703},   // snaps flush to the bottom
        {100, 700, 110, 625},   // flips above the pointer
        {1000, 760, 865, 685},  // both axes flip
        {0, 0, 10, 10},         // the gap keeps the near edges from snapping
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cursorX << "," << c.cursorY);
        PickerState s = screenWithPanel();
        s.cursorX = c.cursorX;
        s.cursorY = c.cursorY;
        s.xokna = -1;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(s.xokna, -1) << "the caller stores the position";
    }
}

TEST(Placement, DraggingSnapsButNeverFlips) {
    struct Case {
        std::int32_t wanted, x, y;  // the drag asks for (wanted, wanted)
    };
    const Case cases[] = {{-7, -7, -7},       {-6, 0, 0},      {-5, 0, 0},      {6, 0, 0},
                          {7, 7, 7},          {697, 697, 703}, {710, 710, 710}, {900, 899, 900},
                          {-200, -200, -200}, {950, 950, 950}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        PickerState s = screenWithPanel();
        s.moveform = 1;
        s.nomove = 1;  // a drag moves a pinned panel too
        s.cursorX = s.cursorY = 300;
        s.dragOffsetX = s.dragOffsetY = c.wanted - 310;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(s.dragOffsetX, c.wanted - 310) << "offsets last for the whole drag";
    }
}

TEST(Placement, DragKeepsTheGrabbedPointUnderThePointer) {
    PickerState s = screenWithPanel();
    s.nomove = 1;
    s.xokna = 500;
    s.yokna = 400;
    s.cursorX = 520;
    s.cursorY = 430;
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
    // Dropped while pinned: stays where it was put, and the offsets are gone.
    s.moveform = 0;
    s.xokna = 280;
    s.yokna = 170;
    const PanelPosition p = computePanelPosition(s);
    EXPECT_EQ(p.x, 280);
    EXPECT_EQ(p.y, 170);
    EXPECT_EQ(s.dragOffsetX, 0);
    EXPECT_EQ(s.dragOffsetY, 0);
}

TEST(Placement, PinnedPanelKeepsItsSavedCornerWhereverItIs) {
    for (const std::int32_t corner : {0, 2000, -3000, INT32_MAX}) {
        PickerState s = screenWithPanel();
        s.nomove = 1;
        s.xokna = corner;
        s.yokna = -corner / 2;
        s.dragOffsetX = s.dragOffsetY = 77;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, corner);
        EXPECT_EQ(p.y, -corner / 2);
        EXPECT_EQ(s.dragOffsetX, 0);
    }
}

TEST(Placement, DragOffsetsFromAnyStoredCornerStayInRange) {
    PickerState s = screenWithPanel();
    s.xokna = INT32_MAX;
    s.yokna = INT32_MIN;
    s.cursorX = -100;
    s.cursorY = 100;
    beginDragOffsets(s);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
    EXPECT_EQ(s.dragOffsetY, INT32_MIN);
    s.moveform = 1;
    const PanelPosition p = computePanelPosition(s);
    EXPECT_EQ(p.x, INT32_MAX - 90);
    EXPECT_EQ(p.y, INT32_MIN + 110);
}

TEST(Placement, KeepInsideRectangleAllowsTwentyPixelsOverEachEdge) {
    PickerState s = screenWithPanel();
    s.panelWidth = 100;
    s.panelHeight = 80;
    const Rect r = keepInsideRect(s);
    EXPECT_EQ(r.left, -20);
    EXPECT_EQ(r.top, -20);
    EXPECT_EQ(r.right, 944);
    EXPECT_EQ(r.bottom, 708);
    struct Case {
        std::int32_t x, y;
        bool inside;
    };
    const Case cases[] = {{943, 707, true}, {-20, -20, true}, {944, 100, false}, {-21, 0, false},
                          {0, 708, false}, {0, -21, false}, {500, 300, true}};
    for (const Case& c : cases) EXPECT_EQ(pointInRect(r, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(Placement, OnlyAPinOfExactlyOneHoldsThePanel) {
    // A stored value other than 0 or 1 is used as it stands: it does not pin.
    for (std::int32_t nomove : {0, 2, -1}) {
        PickerState s = screenWithPanel();
        s.nomove = nomove;
        s.xokna = s.yokna = 5;
        s.cursorX = s.cursorY = 300;
        const PanelPosition p = computePanelPosition(s);
        EXPECT_EQ(p.x, 310) << nomove;
        EXPECT_EQ(p.y, 310) << nomove;
    }
}
