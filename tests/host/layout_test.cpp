#include <gtest/gtest.h>

#include <climits>

#include "mixer/slider.h"
#include "tracking/layout.h"

namespace {

struct Settings {
    std::int32_t cellSize, sir, velikost, filter, hexa, coord, hsv, mixer;
};

PickerState laidOut(const Settings& in) {
    PickerState s;
    s.screenWidth = 1024;
    s.screenHeight = 768;
    s.cellSize = in.cellSize;
    s.sir = in.sir;
    s.velikost = in.velikost;
    s.convertcolflag = in.filter;
    s.showhexa = in.hexa;
    s.showcoord = in.coord;
    s.showhsv = in.hsv;
    s.mixerActive = static_cast<std::uint8_t>(in.mixer);
    computeLayout(s);
    return s;
}

}  // namespace

TEST(Layout, WorkedResults) {
    struct Case {
        Settings in;
        std::int32_t size, swatchLeft, swatchTop, crossX, crossY, hsvLeft, hsvTop, width, height;
    };
    const Case cases[] = {
        {{5, 9, 0, 0, 0, 1, 0, 0}, 45, 54, 42, 27, 27, 0, 0, 125, 65},
        {{5, 9, 0, 0, 1, 0, 0, 0}, 45, 54, 42, 27, 27, 0, 0, 85, 55},
        {{5, 9, 0, 0, 0, 1, 1, 0}, 45, 54, 42, 27, 27, 82, 1, 147, 65},
        {{5, 9, -2, 0, 0, 1, 1, 0}, 35, 44, 32, 22, 22, 89, 1, 154, 55},
        {{5, 9, 10, 0, 0, 1, 1, 0}, 95, 104, 92, 52, 52, 101, 41, 166, 115},
        {{3, 15, 10, 1, 1, 1, 1, 0}, 75, 84, 80, 42, 50, 112, 9, 177, 103},
        {{7, 7, -2, 0, 1, 0, 0, 0}, 35, 44, 32, 22, 22, 0, 0, 75, 45},
        {{5, 9, 0, 0, 0, 1, 0, 1}, 45, 54, 42, 27, 27, 0, 0, 170, 123},
        // The HSV block's width replaces the 125 minimum, in either radix.
        {{5, 9, 0, 0, 1, 1, 1, 0}, 45, 54, 42, 27, 27, 82, 1, 147, 65},
        // Decimal readouts push the block past the colour code while swatchTop is
        // below magnifierTop + 32 (39 pixels), not at it (40).
        {{3, 15, -2, 0, 0, 1, 1, 0}, 39, 48, 36, 24, 24, 93, 1, 158, 59},
        {{5, 9, -1, 0, 0, 1, 1, 0}, 40, 49, 37, 25, 25, 77, 1, 142, 60},
        // 77 keeps the block beside the readouts, 78 puts it under them.
        {{7, 7, 4, 0, 0, 1, 1, 0}, 77, 86, 74, 43, 43, 114, 1, 179, 97},
        {{3, 15, 11, 0, 0, 1, 1, 0}, 78, 87, 75, 44, 44, 84, 41, 149, 98},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.cellSize << "/" << c.in.sir << " velikost " << c.in.velikost
                                        << " hexa " << c.in.hexa << " hsv " << c.in.hsv);
        const PickerState s = laidOut(c.in);
        EXPECT_EQ(s.magnifierSize, c.size);
        EXPECT_EQ(s.swatchLeft, c.swatchLeft);
        EXPECT_EQ(s.swatchTop, c.swatchTop);
        EXPECT_EQ(s.crossX, c.crossX);
        EXPECT_EQ(s.crossY, c.crossY);
        if (c.in.hsv) {
            EXPECT_EQ(s.hsvLeft, c.hsvLeft);
            EXPECT_EQ(s.hsvTop, c.hsvTop);
        }
        EXPECT_EQ(s.panelWidth, c.width);
        EXPECT_EQ(s.panelHeight, c.height);
        EXPECT_EQ(s.magnifierLeft, 5);
        EXPECT_EQ(s.swatchSize, 8);
        EXPECT_EQ(s.swatchGap, 4);
    }
}

TEST(Layout, MixerPlacesTheSlidersUnderThePanel) {
    const PickerState s = laidOut({5, 9, 0, 0, 0, 1, 0, 1});
    EXPECT_EQ(s.slidersTop, 65);
    const std::int32_t rows[3] = {69, 83, 97};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(colorSliders[i].x, 15);
        EXPECT_EQ(colorSliders[i].y, rows[i]);
        EXPECT_EQ(colorSliders[i].maximum, 255);
        EXPECT_EQ(colorSliders[i].length, 128);
    }
}

// A filter label shifts everything under it down by 8; the mixer adds 58 rows and never
// narrows the panel. Checked over every combination the menu offers.
TEST(Layout, FilterAndMixerOffsetsOverEveryMenuCombination) {
    const std::int32_t pipettes[3][2] = {{3, 15}, {5, 9}, {7, 7}};
    for (const auto& p : pipettes)
        for (std::int32_t velikost : {-2, 0, 10})
            for (int flags = 0; flags < 8; ++flags) {
                const Settings plain = {p[0], p[1], velikost, 0, flags & 1, (flags >> 1) & 1, flags >> 2, 0};
                SCOPED_TRACE(testing::Message() << p[1] << " " << velikost << " flags " << flags);
                Settings filtered = plain, mixing = plain;
                filtered.filter = 3;
                mixing.mixer = 1;
                const PickerState a = laidOut(plain), f = laidOut(filtered), m = laidOut(mixing);
                EXPECT_EQ(f.magnifierTop, a.magnifierTop + 8);
                EXPECT_EQ(f.swatchTop, a.swatchTop + 8);
                EXPECT_EQ(f.crossX, a.crossX);
                EXPECT_EQ(f.crossY, a.crossY + 8);
                EXPECT_EQ(f.panelHeight, a.panelHeight + 8);
                EXPECT_EQ(f.panelWidth, a.panelWidth);
                if (plain.hsv) {
                    EXPECT_EQ(f.hsvTop, a.hsvTop + 8);
                }
                EXPECT_EQ(m.panelHeight, a.panelHeight + 58);
                EXPECT_EQ(m.slidersTop, a.panelHeight);
                EXPECT_GE(m.panelWidth, a.panelWidth);
                EXPECT_GE(m.panelWidth, 170);
            }
}

TEST(Layout, CursorGapIsHalfTheSampleCountButNeverBelowTen) {
    struct Case {
        std::int32_t sir, velikost, gap;
    };
    const Case cases[] = {{7, -2, 10}, {9, 0, 10}, {15, 0, 10}, {9, 10, 10}, {19, 0, 10},
                          {20, 0, 11}, {15, 10, 13}, {35, 0, 18}, {36, 0, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sir + c.velikost);
        EXPECT_EQ(laidOut({3, c.sir, c.velikost, 0, 0, 1, 0, 0}).cursorGap, c.gap);
    }
}

TEST(Layout, UnusableStoredSizesFallBackToTheStartUpMagnifier) {
    struct Case {
        const char* what;
        std::int32_t cellSize, sir, velikost, screen;
        bool fallback;
    };
    const Case cases[] = {
        {"no samples", 5, 9, -9, 768, true},
        {"negative count", 7, 7, -10, 768, true},
        {"most negative", 5, INT32_MIN, -1, 768, true},
        {"sir at the 32-bit limit", 5, INT32_MAX, 0, 768, true},
        {"sum beyond 32 bits", 3, INT32_MAX, 10, 768, true},
        {"larger than the screen", 5, 9, 150, 768, true},
        {"larger than an unknown screen can be", 7, INT32_MAX / 7, 0, 0, true},
        {"exactly the screen height", 3, 15, 241, 768, false},
        {"screen size not known yet", 5, 9, 150, 0, false},
        {"odd sir off the menu", 5, 11, 0, 768, false},
        {"even count", 3, 15, 11, 768, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickerState s;
        s.screenWidth = c.screen == 0 ? 0 : 1024;
        s.screenHeight = c.screen;
        s.cellSize = c.cellSize;
        s.sir = c.sir;
        s.velikost = c.velikost;
        computeLayout(s);
        if (c.fallback) {
            EXPECT_EQ(s.sir, 9);
            EXPECT_EQ(s.velikost, 0);
            EXPECT_EQ(s.cellSize, 5);
            EXPECT_EQ(s.magnifierSize, 45);
            EXPECT_EQ(s.panelWidth, 125);
        } else {
            EXPECT_EQ(s.sir, c.sir);
            EXPECT_EQ(s.velikost, c.velikost);
            EXPECT_EQ(s.cellSize, c.cellSize);
            EXPECT_EQ(s.magnifierSize, c.cellSize * (c.sir + c.velikost));
        }
    }
}
