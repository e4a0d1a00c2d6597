#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "display/readouts.h"
#include "tracking/layout.h"

TEST(Readouts, CoordinatesLineIsPaddedToTwentyThreeCells) {
    struct Case {
        std::int32_t x, y;
        bool capturing;
        std::int32_t w, h;
        std::string line;
    };
    const Case cases[] = {
        {0, 0, false, 0, 0, "(0,0)                  "},
        {100, 200, true, 50, 40, "(100,200) W=50 H=40    "},
        {-5, -12, false, 0, 0, "(-5,-12)               "},
        {-1000, -700, true, -1000, 7000, "(-1000,-700) W=-1000 H=7000"},
    };
    TextBuffer t;
    for (const Case& c : cases) {
        buildCoordinatesLine(t, c.x, c.y, c.capturing, c.w, c.h);
        EXPECT_EQ(std::string(t.data, static_cast<std::size_t>(t.length)), c.line);
        EXPECT_EQ(t.data[t.length], 0);
    }
}

TEST(Readouts, StretchedViewBlackensWhatLiesBeyondTheScreen) {
    struct Case {
        const char* what;
        std::int32_t cursorX, cursorY;
        std::vector<std::array<std::int32_t, 4>> margins;
    };
    const Case cases[] = {
        {"inside", 500, 400, {}},
        {"left edge: 18 columns", 0, 400, {{5, 5, 131, 264}}},
        {"just inside on the left", 18, 400, {}},
        {"bottom-right corner", 1023, 767, {{138, 5, 264, 264}, {5, 138, 264, 264}}},
        {"top-left corner", 0, 0, {{5, 5, 131, 264}, {5, 5, 264, 131}}},
        {"below the screen, clipped to the square", 500, 900, {{5, 5, 264, 264}}},
    };
    Rect screen = {0, 0, 1024, 768};
    PickerState s;
    s.cellSize = 7;
    s.sir = 7;
    s.velikost = 30;  // 37 samples, 259 pixels
    computeLayout(s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        s.cursorX = c.cursorX;
        s.cursorY = c.cursorY;
        CellRect out[4];
        std::vector<std::array<std::int32_t, 4>> got;
        for (int i = 0, n = stretchedMargins(s, screen, out); i < n; ++i)
            got.push_back({out[i].left, out[i].top, out[i].right, out[i].bottom});
        EXPECT_EQ(got, c.margins);
    }
    // With a monitor left of the primary one the area reaches into negative x.
    screen = {-1280, 0, 1024, 768};
    CellRect out[4];
    s.cursorY = 400;
    for (auto [x, margins] : {std::pair{0, 0}, std::pair{-1280, 1}}) {
        s.cursorX = x;
        EXPECT_EQ(stretchedMargins(s, screen, out), margins) << x;
    }
    // Up to 35 samples the view is cell by cell and has no margins.
    s.velikost = 28;
    s.cursorX = -1280;
    EXPECT_EQ(stretchedMargins(s, screen, out), 0);
}
