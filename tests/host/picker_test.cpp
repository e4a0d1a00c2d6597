#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/popup_position.h"
#include "app/settings.h"
#include "capture/capture.h"
#include "display/colour.h"
#include "display/readouts.h"
#include "mixer/mixer.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/layout.h"
#include "tracking/placement.h"

static std::string text(const TextBuffer& b) { return std::string(b.data, static_cast<std::size_t>(b.length)); }

// A 125 x 65 panel (unless told) 10 pixels from the pointer at (x, y), on a 1024 x 768 screen.
static PickerState at(std::int32_t x, std::int32_t y, std::int32_t width = 125, std::int32_t height = 65) {
    PickerState s;
    std::tie(s.screenWidth, s.screenHeight, s.panelWidth, s.panelHeight, s.cursorGap, s.cursorX, s.cursorY) =
        std::tuple{1024, 768, width, height, 10, x, y};
    return s;
}

template <class Point> static std::array<std::int32_t, 2> xy(Point p) { return {p.x, p.y}; }

TEST(Colour, DisplayedHsvAndCmyk) {
    struct Case { int r, g, b, h, s, v, c, m, y, k; };
    for (const Case& c : std::initializer_list<Case>{
             {0, 255, 0, 120, 100, 100, 100, 0, 100, 0}, {51, 102, 153, 210, 67, 60, 40, 20, 0, 40},
             // hue wraps by 360
             {200, 100, 50, 20, 75, 78, 0, 39, 59, 22},  {255, 0, 128, 330, 100, 100, 0, 100, 50, 0},
             {255, 255, 255, 0, 0, 100, 0, 0, 0, 0},     {254, 254, 254, 0, 0, 99, 0, 0, 0, 1},
             {14, 14, 14, 0, 0, 6, 0, 0, 0, 95},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 100}}) {
        float h, s, v;
        std::int32_t cy, ma, ye, bk;
        rgbToHsv(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b), h, s, v);
        rgbToCmyk(c.r, c.g, c.b, cy, ma, ye, bk);
        EXPECT_EQ((std::array{static_cast<int>(h), static_cast<int>(s), static_cast<int>(v), cy, ma, ye, bk}),
                  (std::array{c.h, c.s, c.v, c.c, c.m, c.y, c.k})) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(Colour, PaletteFilters) {
    auto rgb = [](Colour r, Colour g, Colour b) { return r | g << 8 | b << 16; };
    struct Case { std::int32_t filter; Colour in, out; };
    for (const Case& c : std::initializer_list<Case>{
             // web-safe: every band edge
             {1, rgb(25, 26, 76), rgb(0, 51, 51)}, {1, rgb(77, 127, 128), rgb(102, 102, 153)},
             {1, rgb(178, 179, 229), rgb(153, 204, 204)}, {1, rgb(230, 255, 0), rgb(255, 255, 0)},
             // Grayscale rounds the mean up; invert; the dominant channel, ties to red, then green.
             {2, rgb(2, 2, 3), rgb(3, 3, 3)}, {3, rgb(18, 52, 86), rgb(237, 203, 169)}, {4, rgb(1, 2, 3), rgb(0, 0, 3)},
             {4, rgb(10, 10, 5), rgb(10, 0, 0)}, {4, rgb(10, 5, 10), rgb(10, 0, 0)}, {4, rgb(5, 10, 10), rgb(0, 10, 0)},
             // Only filter 0 keeps the top byte (the invalid-pixel marker).
             {0, 0x12345678, 0x12345678}, {-1, 0x12345678, 0x00345678}, {3, 0xFFFFFFFF, 0}}) {
        picker.convertcolflag = c.filter;
        EXPECT_EQ(applyPaletteFilter(c.in), c.out) << "filter " << c.filter << " of " << std::hex << c.in;
    }
    picker.convertcolflag = 0;
}

// Per channel, halves up; pixels off the screen are left out of the mean.
TEST(Colour, MeanOfTheSampledSquare) {
    struct Row { std::vector<Colour> pixels; Colour mean; };
    std::vector<Colour> square(24, 0x0A00FFu);
    square.push_back(0x17FF00u);
    const Row rows[] = {
        {{0x030201u}, 0x030201u}, {{0x000000u, 0x010101u}, 0x010101u},
        {{0x000000u, 0x000000u, 0x040201u}, 0x010100u}, {square, 0x0B0AF5u},
        {{kInvalidColour, 0x102030u}, 0x102030u}, {{kInvalidColour}, kInvalidColour},
    };
    for (const Row& r : rows) {
        SampleMean mean;
        for (Colour c : r.pixels) mean.add(c);
        EXPECT_EQ(mean.mean(), r.mean) << r.pixels.size();
    }
    EXPECT_EQ((std::array{sampleRadius(0), sampleRadius(1), sampleRadius(2), sampleRadius(3), sampleRadius(-1)}),
              (std::array{0, 1, 2, 0, 0}));
}

TEST(Readouts, CoordinatesLineIsPaddedToTwentyThreeCells) {
    for (auto [x, y, capturing, w, h, line] : {std::tuple{-5, -12, false, 0, 0, "(-5,-12)               "},
                                                std::tuple{-1000, -700, true, -1000, 7000,
                                                           "(-1000,-700) W=-1000 H=7000"}}) {
        TextBuffer t;
        buildCoordinatesLine(t, x, y, capturing, w, h);
        EXPECT_EQ(text(t), line);
        EXPECT_EQ(t.data[t.length], 0);
    }
}

// Monitors and a block of screen pixels -> the parts on them (screen rectangle, column, row).
TEST(Readouts, BlockOnTheMonitorsPartByPart) {
    using Parts = std::vector<std::array<std::int32_t, 6>>;
    const Rect primary = {0, 0, 1024, 768}, left = {-1280, -200, 0, 824}, above = {0, -600, 800, 0};
    const Rect right = {1024, 0, 1824, 600}, tiny = {1824, 0, 1830, 5};
    struct Row { std::vector<Rect> monitors; Rect block; Parts parts; };
    const Row rows[] = {
        {{primary}, {496, 296, 505, 305}, {{496, 296, 505, 305, 0, 0}}},
        {{primary}, {496, 762, 505, 771}, {{496, 762, 505, 768, 0, 0}}},
        {{primary}, {1019, 296, 1028, 305}, {{1019, 296, 1024, 305, 0, 0}}},
        {{primary}, {-4, -4, 5, 5}, {{0, 0, 5, 5, 4, 4}}},
        {{primary}, {-20, 800, -10, 810}, {}},
        {{primary, left, above}, {-3, -2, 6, 7}, {{0, 0, 6, 7, 3, 2}, {-3, -2, 0, 7, 0, 0}, {0, -2, 6, 0, 3, 0}}},
        {{primary, right}, {1018, 596, 1027, 605}, {{1018, 596, 1024, 605, 0, 0}, {1024, 596, 1027, 600, 6, 0}}},
        {{right, tiny}, {1820, -3, 1835, 12}, {{1820, 0, 1824, 12, 0, 3}, {1824, 0, 1830, 5, 4, 3}}},
    };
    BlockPart out[3];
    std::int32_t count = 0;
    for (const Row& r : rows) {
        count = blockOnMonitors(r.monitors.data(), static_cast<std::int32_t>(r.monitors.size()), r.block, out);
        Parts got;
        for (const BlockPart& p : std::vector(out, out + count))
            got.push_back({p.screen.left, p.screen.top, p.screen.right, p.screen.bottom, p.column, p.row});
        EXPECT_EQ(got, r.parts) << r.block.left << "," << r.block.top;
    }
    // The last row's parts: the corner below the tiny monitor is between monitors.
    EXPECT_EQ((std::array{onMonitors(out, count, 1823, 11), onMonitors(out, count, 1829, 4),
                          onMonitors(out, count, 1829, 5), onMonitors(out, count, 1819, 5)}),
              (std::array{true, true, false, false}));
}

TEST(TextBuffer, GrowsByAThousandAtTenSpareBytes) {
    for (auto [count, capacity] : {std::pair{989, 1000}, std::pair{990, 2000}, std::pair{4321, 5000}}) {
        TextBuffer b;
        const std::string t(static_cast<std::size_t>(count), 'x');
        EXPECT_EQ(b.append(t.c_str()), count);
        EXPECT_EQ(std::pair(b.capacity, text(b)), std::pair(capacity, t)) << count;
    }
    TextBuffer b;
    b.assign("R=");
    EXPECT_EQ(b.appendCount("ab\0cd", 5), 7);
    EXPECT_EQ(text(b), std::string("R=ab\0cd", 7));
    EXPECT_EQ(b.appendCount("zz", -1), 0) << "a negative count is refused";
}

TEST(Layout, WorkedResults) {
    // cellSize, sir, velikost, filter, hexa, coord, hsv, mixer -> magnifierSize, swatchLeft, swatchTop,
    // crossX, crossY, hsvLeft, hsvTop, width, height, cursorGap
    struct Case { std::array<std::int32_t, 8> in; std::array<std::int32_t, 10> out; };
    for (const Case& c : std::initializer_list<Case>{
             {{5, 9, 0, 0, 0, 1, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 125, 65, 10}},
             {{5, 9, 0, 0, 1, 0, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 85, 55, 10}},
             {{5, 9, 0, 0, 0, 0, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 102, 55, 10}},  // three decimal digits need room
             {{3, 15, 10, 1, 1, 1, 1, 0}, {75, 84, 80, 42, 50, 112, 9, 177, 103, 13}},  // a filter's name above
             {{5, 9, 0, 0, 0, 1, 0, 1}, {45, 54, 42, 27, 27, 0, 0, 170, 123, 10}},
             // The decimal colour code pushes the block on while swatchTop is below magnifierTop + 32.
             {{3, 15, -2, 0, 0, 1, 1, 0}, {39, 48, 36, 24, 24, 93, 1, 158, 59, 10}},
             {{3, 15, -2, 0, 1, 1, 1, 0}, {39, 48, 36, 24, 24, 76, 1, 141, 59, 10}},
             {{5, 9, -1, 0, 0, 1, 1, 0}, {40, 49, 37, 25, 25, 77, 1, 142, 60, 10}},
             // 77 keeps the block beside the readouts, 78 puts it under them.
             {{7, 7, 4, 0, 0, 1, 1, 0}, {77, 86, 74, 43, 43, 114, 1, 179, 97, 10}},
             {{3, 15, 11, 0, 0, 1, 1, 0}, {78, 87, 75, 44, 44, 84, 41, 149, 98, 14}},
             // under 35 pixels: the start-up size
             {{1, 34, 0, 0, 0, 1, 0, 0}, {45, 54, 42, 27, 27, 0, 0, 125, 65, 10}}}) {
        PickerState s;
        std::tie(s.cellSize, s.sir, s.velikost, s.convertcolflag, s.showhexa, s.showcoord, s.showhsv, s.mixerActive) =
            std::tuple{c.in[0], c.in[1], c.in[2], c.in[3], c.in[4], c.in[5], c.in[6],
                       static_cast<std::uint8_t>(c.in[7])};
        computeLayout(s);
        EXPECT_EQ((std::array{s.magnifierSize, s.swatchLeft, s.swatchTop, s.crossX, s.crossY, s.hsvLeft, s.hsvTop,
                              s.panelWidth, s.panelHeight, s.cursorGap}), c.out);
    }
    PickerState s;  // the mixer's sliders go in the rows the layout adds
    std::tie(s.showcoord, s.mixerActive) = std::tuple{1, 1};
    computeLayout(s);
    placeColourSliders(s);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((std::array{colorSliders[i].x, colorSliders[i].y, colorSliders[i].length}),
                  (std::array{15, 69 + 14 * i, 128}));
}

TEST(Placement, FollowingSnapsWithinSevenPixelsAndFlipsPastTheFarEdge) {
    struct Case { Rect monitor; std::int32_t cursorX, cursorY, nomove, x, y; };
    const Rect screen = {0, 0, 1024, 768}, right = {1024, 0, 1824, 600}, left = {-1280, 0, 0, 1024},
        above = {0, -900, 1600, 0};
    for (const Case& c : std::initializer_list<Case>{
             // right edge at 1017 stays; at 1018 snaps
             {screen, 882, 100, 0, 892, 110}, {screen, 883, 100, 0, 899, 110},
             {screen, 895, 100, 0, 899, 110}, {screen, 896, 100, 0, 761, 110},  // at 1030 still snaps; at 1031 flips
             // flips both ways; 6 from an edge snaps, 7 not
             {screen, 1000, 760, 0, 865, 685}, {screen, -4, -17, 0, 0, -7},
             {screen, 300, 300, 2, 310, 310}, {screen, 300, 300, 1, 5, 6},  // only a pin of exactly 1 holds the corner
             // The monitor under the pointer, in coordinates negative left of and above the primary one.
             {right, 1690, 300, 0, 1699, 310}, {right, 1500, 560, 0, 1510, 485},
             {left, -100, 500, 0, -235, 510},  {above, 800, -50, 0, 810, -125}}) {
        PickerState s = at(c.cursorX, c.cursorY);
        std::tie(s.nomove, s.xokna, s.yokna, s.dragOffsetX) = std::tuple{c.nomove, 5, 6, 77};
        EXPECT_EQ(xy(computePanelPosition(s, c.monitor)), (std::array{c.x, c.y})) << c.cursorX << "," << c.cursorY;
        EXPECT_EQ(s.dragOffsetX, 0) << "no drag, no offset";
    }
    // Too large for either side of the pointer: it flips only as far as the screen's edges.
    PickerState s = at(500, 400, 602, 565);
    EXPECT_EQ(xy(computePanelPosition(s)), (std::array{0, 0}));
    // A pin holds anywhere on its monitor, 20 pixels over its edges at most.
    s = at(0, 0);
    EXPECT_TRUE(pointInRect(keepInsideRect(s, right), 1718, -20));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1719, 300));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1003, 300));
}

// At scale 2 the 125 x 65 panel is a 250 x 130 window: gap, snap, flip and the pin's slack
// all in window pixels.
TEST(Placement, ScaledPanelInWindowPixels) {
    EXPECT_EQ((std::array{scaleForDpi(96), scaleForDpi(143), scaleForDpi(144), scaleForDpi(239), scaleForDpi(240),
                          scaleForDpi(480)}),
              (std::array{1, 1, 2, 2, 3, 3}));
    for (auto [cursorX, cursorY, x, y] : {std::array{300, 300, 320, 320}, {744, 300, 774, 320}, {800, 700, 530, 550},
                                          {-10, 5, 0, 25}}) {
        PickerState s = at(cursorX, cursorY);
        s.scale = 2;
        EXPECT_EQ(xy(computePanelPosition(s)), (std::array{x, y})) << cursorX << "," << cursorY;
    }
    PickerState s = at(0, 0);
    s.scale = 2;
    EXPECT_EQ(keepInsideRect(s, {0, 0, 1024, 768}), (Rect{-40, -40, 814, 678}));
    std::tie(s.xokna, s.yokna, s.moveform) = std::tuple{500, 400, 1};
    beginDragOffsets(s, 520, 430);
    std::tie(s.cursorX, s.cursorY) = std::tuple{540, 445};
    EXPECT_EQ(xy(computePanelPosition(s)), (std::array{520, 415})) << "the grabbed point stays under the pointer";
    EXPECT_EQ((std::array{panelUnits(-1, 2), panelUnits(5, 2), panelUnits(-4, 2), panelUnits(-3, 1)}),
              (std::array{-1, 2, -2, -3}));
}

TEST(Placement, ADragKeepsThePointGrabbedAtThePressUnderThePointerAndSnapsButNeverFlips) {
    PickerState s = at(560, 470);  // the hook may have seen a later move than the press
    std::tie(s.xokna, s.yokna, s.nomove, s.moveform) = std::tuple{500, 400, 1, 1};  // a drag moves a pinned panel too
    beginDragOffsets(s, 520, 430);
    for (auto [cx, cy, x, y] : {std::array{540, 445, 520, 415}, std::array{24, 33, 0, 0},
                                std::array{970, 830, 950, 800}}) {
        std::tie(s.cursorX, s.cursorY) = std::tuple{cx, cy};
        EXPECT_EQ(xy(computePanelPosition(s)), (std::array{x, y})) << cx << "," << cy;
    }
    // A stored corner far away: the offsets saturate instead of wrapping.
    s.xokna = INT32_MAX;
    beginDragOffsets(s, -100, 0);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
}

TEST(Settings, StoredNumbersSaturateAndStoredFlagsLoadAsOnOrOff) {
    struct Case { const char* text; std::int32_t value; };
    for (const Case& c : std::initializer_list<Case>{{"-2", -2}, {" \t15", 15}, {"+7", 7}, {"12abc", 12}, {"abc", 0},
                                                     {"--3", 0},
                                                     {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
                                                     {"-99999999999999999999999", INT32_MIN}})
        EXPECT_EQ(parseStoredInt(c.text), c.value) << c.text;
    PickerState s;
    std::tie(s.showhexa, s.showhsv, s.moveform, s.sir) = std::tuple{2, -1, 1, 15};  // no drag survives a restart
    applyLoadedSettings(s);
    EXPECT_EQ((std::array{s.showhexa, s.showhsv, s.moveform, s.cellSize, s.readoutRadix}),
              (std::array{1, 1, 0, 3, 16}));
}

TEST(PopupPosition, PanelPopupOpensLeftOnlyForItemsWiderThan130) {
    std::tie(picker.xokna, picker.panelWidth, picker.screenHeight) = std::tuple{500, 125, 768};
    for (auto [measured, width, x] : {std::tuple{true, 131, 364}, std::tuple{true, 130, 625},
                                      std::tuple{false, 150, 625}})
        EXPECT_EQ(panelPopupPosition(measured, width).x, x) << width;
    EXPECT_EQ(xy(trayPopupPosition(500)), (std::array{370, 598}));
    picker = PickerState{};
}

TEST(Capture, BandWhicheverWayItIsDraggedAndWhetherAReleaseCopies) {
    for (auto [sx, sy, x, y] : {std::array{105, 206, 100, 200}, std::array{100, 206, 105, 200},
                                std::array{105, 200, 100, 206}}) {
        const Rect in = bandInside(bandRect(sx, sy, x, y));  // the band's own lines left out
        EXPECT_EQ((std::array{in.left, in.top, in.right, in.bottom}), (std::array{101, 201, 105, 206})) << sx << ","
            << sy;
    }
    // A band 1 pixel wide or high passes the size test but has nothing inside.
    for (auto [w, h, size, copies] : {std::tuple{5, 6, 11, true}, std::tuple{5, 5, 10, false},
                                      std::tuple{800, 0, 0, false},
                                      std::tuple{0, 500, 0, false}, std::tuple{1, 60, 61, false},
                                          std::tuple{2, 60, 62, true},
                                      std::tuple{60, 1, 61, false}}) {
        EXPECT_EQ(captureSize(w, h), size) << w << "x" << h;
        EXPECT_EQ(bandCopies({100, 200, 100 + w, 200 + h}), copies) << w << "x" << h;
    }
    char out[8];  // the colour text: a number sign in hexadecimal mode, cut to fit
    EXPECT_EQ(std::string(out, colourClipboardText("FF8000", true, out, sizeof out)), "#FF8000");
    EXPECT_EQ(std::string(out, colourClipboardText("255,128,0", false, out, sizeof out)), "255,128");
}

TEST(Slider, GeometryHitBoxAndDragArithmetic) {
    SliderControl s;
    for (auto [length, maximum, scale, stored] : {std::array{0, 255, 2550, 10}, std::array{1000, 5, 1, 500},
                                                  std::array{128, 255, 199, 128}}) {
        s.setGeometry(100, 50, length, maximum);
        EXPECT_EQ((std::array{s.scale, s.length}), (std::array{scale, stored})) << length << "," << maximum;
    }
    for (auto [value, thumb] : {std::pair{8, 4}, std::pair{-5, 0}, std::pair{300, 128}}) {  // kept as given
        s.setValue(value);
        EXPECT_EQ((std::array{s.value, s.thumb}), (std::array{value, thumb}));
    }
    // The thumb tip is at (228, 50); the box reaches 7 pixels to each side and rows 49 to 59.
    for (auto [px, py, hit] : {std::tuple{221, 54, true}, std::tuple{235, 54, true}, std::tuple{220, 54, false},
                               std::tuple{236, 54, false}, std::tuple{228, 49, true}, std::tuple{228, 59, true},
                               std::tuple{228, 48, false}, std::tuple{228, 60, false}})
        EXPECT_EQ(s.hitTest(px, py), hit) << px << "," << py;
    EXPECT_FALSE(s.dragging) << "a miss ends a drag";
    s.setValue(0);  // dragging: an odd pointer row adds one, reaching the values between two thumb positions
    for (auto [px, py, value, thumb, moved] : {std::tuple{101, 50, 1, 1, true}, std::tuple{101, 51, 2, 1, false},
                                               std::tuple{228, 51, 255, 128, true},
                                                   std::tuple{400, 50, 255, 128, false},
                                               std::tuple{99, 51, 0, -1, true}, std::tuple{90, 50, 0, 0, true}}) {
        EXPECT_EQ(s.moveThumb(px, py), moved) << px << "," << py;
        EXPECT_EQ((std::array{s.value, s.thumb}), (std::array{value, thumb})) << px << "," << py;
    }
}

// A snapshot in plain memory; the row padding holds a marker that must survive.
struct Frozen : Snapshot {
    std::vector<std::uint16_t> memory;
    std::vector<std::uint8_t> bits;
    Frozen(std::int32_t w, std::int32_t h)
        : Snapshot{.width = w, .height = h, .stride = snapshotStride(w)},
          memory(static_cast<std::size_t>(stride) * h, 0xABCD), bits(static_cast<std::size_t>(maskBytes(w, h)), 0) {
        std::tie(pixels, mask) = std::tuple{memory.data(), bits.data()};
    }
    std::uint16_t& at(std::int32_t i) { return memory[i / width * stride + i % width]; }  // visible pixel i
};

// The matching walk as written for the mixer: one counter over the visible pixels in memory
// order, one comparison of the three 5-bit channels a pixel.
static void referenceMark(Frozen& s, Colour target, std::int32_t tolerance, bool restore) {
    auto near = [&](std::uint16_t v, int i) {
        return std::abs((v >> (10 - 5 * i) & 31) - static_cast<int>(target >> 8 * i & 0xFF) / 8) < std::max(tolerance,
                                                                                                            1);
    };
    for (std::int32_t i = 0, c = s.width, p = 0; i < s.width * s.height; ++i) {
        if (--c == 0) std::tie(c, p) = std::tuple{s.width + 2 * p - 1, 1 - p};
        std::uint16_t& v = s.at(i);
        std::uint8_t& byte = s.bits[i / 8];
        const std::uint8_t bit = static_cast<std::uint8_t>(1 << (i % 8));
        if (restore && (byte & bit) && (c & 1)) v = static_cast<std::uint16_t>(~v);
        const bool matched = near(v, 0) && near(v, 1) && near(v, 2);
        byte = static_cast<std::uint8_t>(matched ? byte | bit : byte & ~bit);
        if (matched && (c & 1)) v = static_cast<std::uint16_t>(~v);
    }
}

TEST(Snapshot, MatchingIsBitIdenticalToThePlainWalk) {
    std::mt19937 random(7);
    // Few colours, so that many pixels match; the last is just outside a tolerance of 3 from the one before.
    const std::uint16_t palette[7] = {0x7C00, 0x03E0, 0x001F, 0x318C, 0x0C48, 0x2041, 0x1441};
    for (std::int32_t w : {1, 2, 3, 5, 8, 9, 16, 17, 31}) {
        Frozen fast(w, 7), plain(w, 7);
        for (std::int32_t i = 0; i < w * 7; ++i) fast.at(i) = plain.at(i) = palette[random() % 7];
        for (auto [target, tolerance, restore] : {std::tuple{fromRgb555(palette[4]), 0, false},
                                                  std::tuple{fromRgb555(palette[5]), 3, true},
                                                      std::tuple{0x00404040u, 9, true},
                                                  std::tuple{0x000000FFu, 1, true},
                                                      std::tuple{0x00202020u, 33, false}}) {
            markMatches(fast, target, tolerance, restore);
            referenceMark(plain, target, tolerance, restore);
            ASSERT_EQ(std::tie(fast.memory, fast.bits), std::tie(plain.memory, plain.bits)) << "width " << w << ", "
                << target;
            const Colour paint = target ^ 0x00FF8040;  // and the marked pixels recoloured
            recolorMarked(fast, paint);
            for (std::int32_t i = 0; i < w * 7; ++i)
                if (plain.bits[i / 8] >> (i % 8) & 1) plain.at(i) = toRgb555(paint);
            ASSERT_EQ(fast.memory, plain.memory) << "recoloured, width " << w;
        }
    }
}

TEST(Snapshot, PixelsReadBackFromTheBottomUpRowsAsColours) {
    EXPECT_EQ(toRgb555(0x00FF8040), 0x221F) << "red (the low byte) to the high bits, each channel cut to 5";
    EXPECT_EQ(fromRgb555(0x83FF), 0x00F8F800u) << "inverted red; bit 15 ignored";
    Frozen s(3, 2);
    s.memory[0] = toRgb555(0x000000FF);  // the first row in memory is the bottom of the screen
    s.memory[4] = toRgb555(0x00FF0000);  // the second row starts after one pixel of padding
    snapshot = s;
    snapshot.originX = -3;  // a monitor left of the primary one
    EXPECT_EQ((std::array{snapshotPixel(-3, 1), snapshotPixel(-3, 0), snapshotPixel(0, 0)}),
              (std::array{0x000000F8u, 0x00F80000u, 0xFFFFFFFFu}));
    snapshot = Snapshot{};
    // The grab's and the show's row conversions, eight pixels at once and the ninth alone:
    // widened, white stays white.
    std::array<std::uint32_t, 9> wide, back;
    std::array<std::uint16_t, 9> narrow;
    for (int i = 0; i < 9; ++i) wide[i] = i % 2 ? 0x00FFFFFF : 0x00FF8040;
    packRow(wide.data(), narrow.data(), 9);
    widenRow(narrow.data(), back.data(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(std::tuple(narrow[i], back[i]), i % 2 ? std::tuple(0x7FFF, 0x00FFFFFFu) : std::tuple(0x7E08, 0x00FF8442u)) << i;
}
