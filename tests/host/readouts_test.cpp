#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "display/readouts.h"
#include "tracking/layout.h"

namespace {

Colour rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

PickerState stretchedView() {
    PickerState s;
    s.screenWidth = 1024;
    s.screenHeight = 768;
    s.cellSize = 7;
    s.sir = 7;
    s.velikost = 30;  // 37 samples, 259 pixels
    computeLayout(s);
    return s;
}

}  // namespace

TEST(Readouts, ColourCodeAndDecimalText) {
    struct Case {
        Colour colour;
        const char* code;
        const char* decimal;
    };
    const Case cases[] = {
        {rgb(10, 11, 12), "0A0B0C", "10,11,12"},    {rgb(255, 128, 0), "FF8000", "255,128,0"},
        {0, "000000", "0,0,0"},                      {0xFFFFFFFF, "FFFFFF", "255,255,255"},
        {rgb(0xAB, 0xCD, 0xEF), "ABCDEF", "171,205,239"},
    };
    for (const Case& c : cases) {
        char code[7];
        std::memset(code, 'x', sizeof code);
        formatColourCode(c.colour, code);
        EXPECT_STREQ(code, c.code);
        char text[20];
        formatDecimalColour(c.colour, text, sizeof text);
        EXPECT_STREQ(text, c.decimal);
    }
}

TEST(Readouts, DecimalTextIsCutToTheBuffer) {
    struct Case {
        std::size_t size;
        const char* text;
    };
    for (const Case& c : {Case{5, "255,"}, Case{10, "255,128,0"}, Case{1, ""}}) {
        char text[12];
        std::memset(text, 'x', sizeof text);
        formatDecimalColour(rgb(255, 128, 0), text, c.size);
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(text[c.size], 'x') << "nothing written past size";
    }
    char untouched[2] = {'x', 'x'};
    formatDecimalColour(0, untouched, 0);
    EXPECT_EQ(untouched[0], 'x');
}

TEST(Readouts, CoordinatesLineIsPaddedToTwentyThreeCells) {
    struct Case {
        std::int32_t x, y;
        bool capturing;
        std::int32_t w, h;
        std::string line;
    };
    const Case cases[] = {
        {0, 0, false, 0, 0, "(0,0) " + std::string(17, ' ')},
        {100, 200, true, 50, 40, "(100,200) W=50 H=40    "},
        {100, 200, false, 50, 40, "(100,200)              "},
        {-5, -12, false, 0, 0, "(-5,-12) " + std::string(14, ' ')},
        {1000, 700, true, 1000, 700, "(1000,700) W=1000 H=700"},
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
        std::vector<CellRect> margins;
    };
    const Case cases[] = {
        {"inside", 500, 400, {}},
        {"left edge: 18 columns", 0, 400, {{5, 5, 131, 264}}},
        {"one column", 17, 400, {{5, 5, 12, 264}}},
        {"just inside on the left", 18, 400, {}},
        {"right edge: the last column", 1006, 400, {{257, 5, 264, 264}}},
        {"just inside on the right", 1005, 400, {}},
        {"bottom-right corner", 1023, 767, {{138, 5, 264, 264}, {5, 138, 264, 264}}},
        {"top-left corner", 0, 0, {{5, 5, 131, 264}, {5, 5, 264, 131}}},
        {"left of the screen, clipped to the square", -100, 400, {{5, 5, 264, 264}}},
        {"right of the screen, clipped to the square", 1100, 400, {{5, 5, 264, 264}}},
        {"below the screen, clipped to the square", 500, 900, {{5, 5, 264, 264}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickerState s = stretchedView();
        s.cursorX = c.cursorX;
        s.cursorY = c.cursorY;
        CellRect out[4];
        const int count = stretchedMargins(s, out);
        ASSERT_EQ(count, static_cast<int>(c.margins.size()));
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(out[i].left, c.margins[i].left);
            EXPECT_EQ(out[i].top, c.margins[i].top);
            EXPECT_EQ(out[i].right, c.margins[i].right);
            EXPECT_EQ(out[i].bottom, c.margins[i].bottom);
        }
    }
    // Up to 35 samples the view is cell by cell and has no margins.
    PickerState s = stretchedView();
    s.velikost = 28;
    computeLayout(s);
    CellRect out[4];
    EXPECT_EQ(stretchedMargins(s, out), 0);
}

TEST(Readouts, MagnifierCellsNeverExceedTheSquare) {
    struct Case {
        std::int32_t cellSize, sir, velikost, cells;
    };
    const Case cases[] = {{5, 9, 0, 9}, {3, 15, 10, 25}, {5, 10, 0, 10}, {3, 15, 11, 26}};
    for (const Case& c : cases) {
        PickerState s;
        s.cellSize = c.cellSize;
        s.sir = c.sir;
        s.velikost = c.velikost;
        computeLayout(s);
        EXPECT_EQ(magnifierCells(s), c.cells) << c.sir + c.velikost;
    }
    // Settings changed after the last layout: the square still decides.
    PickerState s;
    computeLayout(s);
    s.velikost = 10;
    EXPECT_EQ(magnifierCells(s), 9);
}
