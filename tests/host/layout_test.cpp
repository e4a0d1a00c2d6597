#include <gtest/gtest.h>

#include <array>

#include "mixer/slider.h"
#include "tracking/layout.h"

namespace {

struct Settings {
    std::int32_t cellSize, sir, velikost, filter, hexa, coord, hsv, mixer;
};

PickerState laidOut(const Settings& in, std::int32_t screen = 768) {
    PickerState s;
    s.screenWidth = screen ? 1024 : 0;
    s.screenHeight = screen;
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
    // magnifierSize, swatchLeft, swatchTop, crossX, crossY, hsvLeft, hsvTop, width, height, cursorGap
    using Geometry = std::array<std::int32_t, 10>;
    struct Case {
        Settings in;
        Geometry out;
    };
    const Case cases[] = {
        {{5, 9, 0, 0, 0, 1, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 125, 65, 10}},
        {{5, 9, 0, 0, 1, 0, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 85, 55, 10}},
        {{5, 9, 0, 0, 0, 1, 1, 0}, {45, 54, 42, 27, 27, 82, 1, 147, 65, 10}},
        {{5, 9, -2, 0, 0, 1, 1, 0}, {35, 44, 32, 22, 22, 89, 1, 154, 55, 10}},
        {{5, 9, 10, 0, 0, 1, 1, 0}, {95, 104, 92, 52, 52, 101, 41, 166, 115, 10}},
        {{3, 15, 10, 1, 1, 1, 1, 0}, {75, 84, 80, 42, 50, 112, 9, 177, 103, 13}},
        {{7, 7, -2, 0, 1, 0, 0, 0}, {35, 44, 32, 22, 22, 0, 0, 75, 45, 10}},
        {{5, 9, 0, 0, 0, 1, 0, 1}, {45, 54, 42, 27, 27, 0, 0, 170, 123, 10}},
        // The HSV block's width replaces the 125 minimum, in either radix.
        {{5, 9, 0, 0, 1, 1, 1, 0}, {45, 54, 42, 27, 27, 82, 1, 147, 65, 10}},
        // Decimal readouts push the block past the colour code while swatchTop is below
        // magnifierTop + 32 (39 pixels), not at it (40).
        {{3, 15, -2, 0, 0, 1, 1, 0}, {39, 48, 36, 24, 24, 93, 1, 158, 59, 10}},
        {{5, 9, -1, 0, 0, 1, 1, 0}, {40, 49, 37, 25, 25, 77, 1, 142, 60, 10}},
        // 77 keeps the block beside the readouts, 78 puts it under them.
        {{7, 7, 4, 0, 0, 1, 1, 0}, {77, 86, 74, 43, 43, 114, 1, 179, 97, 10}},
        {{3, 15, 11, 0, 0, 1, 1, 0}, {78, 87, 75, 44, 44, 84, 41, 149, 98, 14}},
        // The gap is half the sample count plus one, never below ten.
        {{3, 15, 4, 0, 1, 0, 0, 0}, {57, 66, 54, 33, 33, 0, 0, 97, 67, 10}},
        {{3, 15, 5, 0, 1, 0, 0, 0}, {60, 69, 57, 35, 35, 0, 0, 100, 70, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.cellSize << "/" << c.in.sir << " velikost " << c.in.velikost
                                        << " hexa " << c.in.hexa << " hsv " << c.in.hsv);
        const PickerState s = laidOut(c.in);
        const Geometry got = {s.magnifierSize, s.swatchLeft, s.swatchTop, s.crossX, s.crossY,
                              c.in.hsv ? s.hsvLeft : 0, c.in.hsv ? s.hsvTop : 0, s.panelWidth, s.panelHeight,
                              s.cursorGap};
        EXPECT_EQ(got, c.out);
        EXPECT_EQ(s.magnifierLeft, 5);
        EXPECT_EQ(s.swatchSize, 8);
    }
    const PickerState mixing = laidOut({5, 9, 0, 0, 0, 1, 0, 1});
    EXPECT_EQ(mixing.slidersTop, 65);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(colorSliders[i].x, 15);
        EXPECT_EQ(colorSliders[i].y, 69 + 14 * i);
        EXPECT_EQ(colorSliders[i].length, 128);
    }
}
