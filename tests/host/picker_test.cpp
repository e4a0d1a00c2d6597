#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings.h"
#include "capture/capture.h"
#include "display/colour.h"
#include "display/readouts.h"
#include "mixer/mixer.h"
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
    const Case cases[] = {
        {0, 255, 0, 120, 100, 100, 100, 0, 100, 0},
        {51, 102, 153, 210, 67, 60, 40, 20, 0, 40},
        {200, 100, 50, 20, 75, 78, 0, 39, 59, 22},
        {255, 0, 128, 330, 100, 100, 0, 100, 50, 0},  // hue wraps by 360
        {255, 255, 255, 0, 0, 100, 0, 0, 0, 0},
        {254, 254, 254, 0, 0, 99, 0, 0, 0, 1},
        {14, 14, 14, 0, 0, 6, 0, 0, 0, 95},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 100},
    };
    for (const Case& c : cases) {
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
    const Case cases[] = {
        {1, rgb(25, 26, 76), rgb(0, 51, 51)},  // web-safe: every band edge
        {1, rgb(77, 127, 128), rgb(102, 102, 153)},
        {1, rgb(178, 179, 229), rgb(153, 204, 204)},
        {1, rgb(230, 255, 0), rgb(255, 255, 0)},
        {2, rgb(2, 2, 3), rgb(3, 3, 3)},  // grayscale rounds the mean up
        {3, rgb(18, 52, 86), rgb(237, 203, 169)},
        {0, 0x12345678, 0x12345678},  // only no filter keeps the top byte (the invalid-pixel marker)
        {3, 0xFFFFFFFF, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(applyPaletteFilter(c.in, c.filter), c.out) << "filter " << c.filter << " of " << std::hex << c.in;
}

// Per channel, halves up; pixels off the screen are left out of the mean.
TEST(Colour, MeanOfTheSampledSquare) {
    struct Row { std::vector<Colour> pixels; Colour mean; };
    std::vector<Colour> square(24, 0x0A00FFu);
    square.push_back(0x17FF00u);
    const Row rows[] = {
        {{0x000000u, 0x010101u}, 0x010101u},
        {{0x000000u, 0x000000u, 0x040201u}, 0x010100u},
        {square, 0x0B0AF5u},
        {{kInvalidColour, 0x102030u}, 0x102030u},
        {{kInvalidColour}, kInvalidColour},
    };
    for (const Row& r : rows) {
        SampleMean mean;
        for (Colour c : r.pixels) mean.add(c);
        EXPECT_EQ(mean.mean(), r.mean) << r.pixels.size();
    }
    EXPECT_EQ((std::array{sampleRadius(1), sampleRadius(2), sampleRadius(3)}), (std::array{1, 2, 0}));
}

// Padded with blanks, so that a shorter line covers a longer one it replaces.
TEST(Readouts, CoordinatesLineIsPaddedToTwentyThreeCells) {
    TextBuffer t;
    buildCoordinatesLine(t, -5, -12, false, 0, 0);
    EXPECT_EQ(text(t), "(-5,-12)               ");
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

// Where the panel goes for a pointer on a monitor, at scale 1 and 2 (192 DPI, the 125 x 65
// panel a 250 x 130 window: gap, snap and flip in window pixels).
TEST(Placement, FollowingSnapsWithinSevenPixelsAndFlipsPastTheFarEdge) {
    struct Case { Rect monitor; std::int32_t scale, cursorX, cursorY, pinned, x, y; };
    const Rect screen = {0, 0, 1024, 768}, right = {1024, 0, 1824, 600}, left = {-1280, 0, 0, 1024};
    const Rect above = {0, -900, 1600, 0};
    const Case cases[] = {
        {screen, 1, 882, 100, 0, 892, 110},  // right edge at 1017 stays
        {screen, 1, 883, 100, 0, 899, 110},  // at 1018 snaps
        {screen, 1, 896, 100, 0, 761, 110},  // at 1031 flips
        {screen, 1, 1000, 760, 0, 865, 685},  // flips both ways
        {screen, 1, -4, -17, 0, 0, -7},  // 6 from an edge snaps, 7 not
        {screen, 1, 300, 300, 2, 310, 310},
        {screen, 1, 300, 300, 1, 5, 6},  // only a pin of exactly 1 holds the corner
        // The monitor under the pointer, in coordinates negative left of and above the primary one.
        {right, 1, 1690, 300, 0, 1699, 310},
        {right, 1, 1500, 560, 0, 1510, 485},
        {left, 1, -100, 500, 0, -235, 510},
        {above, 1, 800, -50, 0, 810, -125},
        {screen, 2, 300, 300, 0, 320, 320},
        {screen, 2, 800, 700, 0, 530, 550},
        {screen, 2, -10, 5, 0, 0, 25},
    };
    for (const Case& c : cases) {
        PickerState s = at(c.cursorX, c.cursorY);
        std::tie(s.scale, s.pinned, s.panelX, s.panelY, s.dragOffsetX) = std::tuple{c.scale, c.pinned, 5, 6, 77};
        EXPECT_EQ(xy(computePanelPosition(s, c.monitor)), (std::array{c.x, c.y})) << c.cursorX << "," << c.cursorY;
        EXPECT_EQ(s.dragOffsetX, 0) << "no drag, no offset";
    }
    // Too large for either side of the pointer: it flips only as far as the screen's edges.
    PickerState s = at(500, 400, 602, 565);
    EXPECT_EQ(xy(computePanelPosition(s, screen)), (std::array{0, 0}));
    // A pin holds anywhere on its monitor, 20 pixels over its edges at most, in window pixels.
    s = at(0, 0);
    EXPECT_TRUE(pointInRect(keepInsideRect(s, right), 1718, -20));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1719, 300));
    EXPECT_FALSE(pointInRect(keepInsideRect(s, right), 1003, 300));
    s.scale = 2;
    EXPECT_EQ(keepInsideRect(s, screen), (Rect{-40, -40, 814, 678}));
    EXPECT_EQ((std::array{scaleForDpi(143), scaleForDpi(144), scaleForDpi(239), scaleForDpi(240)}),
              (std::array{1, 2, 2, 3}));
}

TEST(Placement, ADragKeepsThePointGrabbedAtThePressUnderThePointerAndSnapsButNeverFlips) {
    for (std::int32_t scale : {1, 2}) {
        PickerState s = at(560, 470);  // the hook may have seen a later move than the press
        // pinned too
        std::tie(s.scale, s.panelX, s.panelY, s.pinned, s.draggingPanel) = std::tuple{scale, 500, 400, 1, 1};
        beginDragOffsets(s, 520, 430);
        for (auto [cx, cy, x, y] : {std::array{540, 445, 520, 415},
                                    std::array{24, 33, 0, 0},
                                    std::array{970, 830, 950, 800}}) {
            std::tie(s.cursorX, s.cursorY) = std::tuple{cx, cy};
            EXPECT_EQ(xy(computePanelPosition(s, {0, 0, 1024, 768})), (std::array{x, y}))
                << cx << "," << cy << " at " << scale;
        }
    }
    PickerState s = at(0, 0);  // a stored corner far away: the offsets saturate instead of wrapping
    s.panelX = INT32_MAX;
    beginDragOffsets(s, -100, 0);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
}

TEST(Settings, StoredNumbersSaturateAndStoredFlagsLoadAsOnOrOff) {
    struct Case { const char* text; std::int32_t value; };
    const Case cases[] = {
        {"-2", -2},
        {" \t15", 15},
        {"+7", 7},
        {"12abc", 12},
        {"--3", 0},
        {"2147483648", INT32_MAX},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(parseStoredInt(c.text), c.value) << c.text;
    PickerState s;
    // no drag survives
    std::tie(s.hexReadouts, s.pinned, s.draggingPanel, s.magnifiedPixels, s.sizeStep) = std::tuple{2, -1, 1, 15, -14};
    applyLoadedSettings(s);
    EXPECT_EQ((std::array{s.hexReadouts, s.pinned, s.draggingPanel, s.cellSize, s.readoutRadix, s.sizeStep}),
              (std::array{1, 1, 0, 5, 16, 0})) << "a magnifier too small is made the start-up size";
}

// Dragged any way, the copy is the band's inside; a band with no pixels inside copies nothing.
TEST(Capture, BandWhicheverWayItIsDraggedAndWhetherAReleaseCopies) {
    for (auto [sx, sy, x, y] : {std::array{105, 206, 100, 200},
                                std::array{100, 206, 105, 200},
                                std::array{105, 200, 100, 206}}) {
        const Rect in = bandInside(bandRect(sx, sy, x, y));
        EXPECT_EQ((std::array{in.left, in.top, in.right, in.bottom}), (std::array{101, 201, 105, 206})) << sx;
    }
    for (auto [w, h, copies] : {std::tuple{5, 6, true},
                                std::tuple{5, 5, false},
                                std::tuple{800, 0, false},
                                std::tuple{1, 60, false},
                                std::tuple{2, 60, true},
                                std::tuple{60, 1, false}})
        EXPECT_EQ(bandCopies({100, 200, 100 + w, 200 + h}), copies) << w << "x" << h;
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
