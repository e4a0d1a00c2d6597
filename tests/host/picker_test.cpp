#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings.h"
#include "display/colour.h"
#include "display/readouts.h"
#include "mixer/snapshot.h"
#include "tracking/layout.h"
#include "tracking/placement.h"

// A 125 x 65 panel (unless told) 10 pixels from the pointer at (x, y), on a 1024 x 768 screen.
static PickerState at(std::int32_t x, std::int32_t y, std::int32_t width = 125, std::int32_t height = 65) {
    return {.screenWidth = 1024, .screenHeight = 768, .cursorX = x, .cursorY = y, .panelWidth = width,
            .panelHeight = height, .cursorGap = 10};
}

template <class Point> static std::array<std::int32_t, 2> xy(Point p) { return {p.x, p.y}; }

TEST(Colour, DisplayedHsvAndCmyk) {
    struct Case { int r, g, b, h, s, v, c, m, y, k; };
    const Case cases[] = {
        {0, 255, 0, 120, 100, 100, 100, 0, 100, 0},
        {51, 102, 153, 210, 67, 60, 40, 20, 0, 40},
        {255, 0, 128, 330, 100, 100, 0, 100, 50, 0},  // hue wraps by 360
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
        {1, rgb(230, 255, 0), rgb(255, 255, 0)},
        {2, rgb(2, 2, 3), rgb(3, 3, 3)},  // grayscale rounds the mean up
        {3, 0xFF000000 | rgb(18, 52, 86), rgb(237, 203, 169)},
        {0, 0x12345678, 0x12345678},  // only no filter keeps the top byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(applyPaletteFilter(c.in, c.filter), c.out) << c.filter << std::hex << " of " << c.in;
}

// Per channel, halves up; pixels off the screen are left out of the mean.
TEST(Colour, MeanOfTheSampledSquare) {
    struct Row { std::vector<Colour> pixels; Colour mean; };
    const Row rows[] = {
        {{0x000000u, 0x030201u}, 0x020101u},
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

// Monitors and a block of screen pixels -> the parts on them (screen rectangle, column, row).
TEST(Readouts, BlockOnTheMonitorsPartByPart) {
    using Parts = std::vector<std::array<std::int32_t, 6>>;
    const Rect primary = {0, 0, 1024, 768}, left = {-1280, -200, 0, 824}, above = {0, -600, 800, 0};
    const Rect right = {1024, 0, 1824, 600}, tiny = {1824, 0, 1830, 5};
    struct Row { std::vector<Rect> monitors; Rect block; Parts parts; };
    const Row rows[] = {
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
    EXPECT_EQ((std::array{onMonitors(out, count, 1823, 11), onMonitors(out, count, 1829, 4),
                          onMonitors(out, count, 1829, 5), onMonitors(out, count, 1819, 5)}),
              (std::array{true, true, false, false})) << "the last row's parts; off below the tiny one";
}

// Where the panel goes for a pointer on a monitor, at scale 1 and 2 (gap, snap and flip in window pixels).
TEST(Placement, FollowingSnapsToEdgesAndFlipsPastTheFarOne) {
    struct Case { Rect monitor; std::int32_t scale, cursorX, cursorY, pinned, x, y, width = 125, height = 65; };
    const Rect screen = {0, 0, 1024, 768}, right = {1024, 0, 1824, 600}, left = {-1280, 0, 0, 1024};
    const Case cases[] = {
        {screen, 1, 882, 100, 0, 892, 110},  // right edge at 1017 stays
        {screen, 1, 883, 100, 0, 899, 110},  // at 1018 snaps
        {screen, 1, 896, 100, 0, 761, 110},  // at 1031 flips
        {screen, 1, -4, -17, 0, 0, -7},  // 6 from an edge snaps, 7 not
        {screen, 1, 300, 300, 1, 5, 6},  // pinned: it stays
        {screen, 1, 500, 400, 0, 0, 0, 602, 565},  // too large for either side: flipped only as far as the edges
        {right, 1, 1690, 300, 0, 1699, 310},  // other monitors, the left one at negative coordinates
        {left, 1, -100, 500, 0, -235, 510},
        {screen, 2, 800, 700, 0, 530, 550},
        {screen, 2, -10, 5, 0, 0, 25},
    };
    for (const Case& c : cases) {
        PickerState s = at(c.cursorX, c.cursorY, c.width, c.height);
        std::tie(s.scale, s.pinned, s.panelX, s.panelY, s.dragOffsetX) = std::tuple{c.scale, c.pinned, 5, 6, 77};
        EXPECT_EQ(xy(computePanelPosition(s, c.monitor)), (std::array{c.x, c.y})) << c.cursorX << "," << c.cursorY;
    }
    PickerState s = at(0, 0);  // a pin holds anywhere on its monitor, up to 20 window pixels over its edges
    s.scale = 2;
    EXPECT_EQ(keepInsideRect(s, right), (Rect{984, -40, 1614, 510}));
    EXPECT_EQ((std::array{scaleForDpi(143), scaleForDpi(144), scaleForDpi(239), scaleForDpi(240)}),
              (std::array{1, 2, 2, 3}));
}

TEST(Placement, ADragKeepsThePointGrabbedAndSnapsButNeverFlips) {
    for (std::int32_t scale : {1, 2}) {
        PickerState s = at(560, 470);  // pinned too; the hook may have seen a later move than the press
        std::tie(s.scale, s.panelX, s.panelY, s.pinned, s.draggingPanel) = std::tuple{scale, 500, 400, 1, 1};
        beginDragOffsets(s, 520, 430);
        for (auto [cx, cy, x, y] : {std::array{540, 445, 520, 415},
                                    {24, 33, 0, 0},
                                    {970, 830, 950, 800}}) {
            std::tie(s.cursorX, s.cursorY) = std::tuple{cx, cy};
            EXPECT_EQ(xy(computePanelPosition(s, {0, 0, 1024, 768})), (std::array{x, y})) << "at scale " << scale;
        }
    }
    PickerState s{.panelX = INT32_MAX};  // a stored corner far away: the offsets saturate instead of wrapping
    beginDragOffsets(s, -100, 0);
    EXPECT_EQ(s.dragOffsetX, INT32_MAX);
}

TEST(Settings, StoredNumbersSaturateAndFlagsLoadAsOnOrOff) {
    struct Case { const char* text; std::int32_t value; };
    const Case cases[] = {
        {"-2", -2},
        {"--3", 0},
        {"2147483648", INT32_MAX},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(parseStoredInt(c.text), c.value) << c.text;
    PickerState s{.hexReadouts = 2, .pinned = -1, .draggingPanel = 1, .sizeStep = -14, .magnifiedPixels = 15};
    applyLoadedSettings(s);
    EXPECT_EQ((std::array{s.hexReadouts, s.pinned, s.draggingPanel, s.cellSize, s.readoutRadix, s.sizeStep}),
              (std::array{1, 1, 0, 5, 16, 0})) << "a magnifier too small: the start-up size";
}

// A snapshot in plain memory, all 0x0C48 (red 3, green 2, blue 8 of 31); the row padding's marker must survive.
struct Frozen : Snapshot {
    std::vector<std::uint16_t> memory;
    std::vector<std::uint8_t> bits;
    Frozen(std::int32_t w, std::int32_t h)
        : Snapshot{.width = w, .height = h, .stride = snapshotStride(w)},
          memory(static_cast<std::size_t>(stride) * h, 0xABCD), bits(static_cast<std::size_t>(maskBytes(w, h)), 0) {
        std::tie(pixels, mask) = std::tuple{memory.data(), bits.data()};
        for (int i = 0; i < w * h; ++i) at(i) = 0x0C48;
    }
    std::uint16_t& at(std::int32_t i) { return memory[i / width * stride + i % width]; }  // visible pixel i
};

// A 17 x 2 snapshot; row 1 starts at mask bit 17, mid-byte.
TEST(Snapshot, MarksShowAsACheckerboardAndTakeTheMix) {
    struct Px { std::int32_t row, x; std::uint16_t before; bool near, exact, odd; };
    const Px pixels[] = {
        {0, 0, 0x0C48, true, true, false},
        {0, 1, 0x0C48, true, true, true},
        {0, 3, 0x0048, false, false, true},  // red 3 under
        {0, 15, 0x0C48, true, true, true},
        {0, 16, 0x0C48, true, true, false},
        {1, 0, 0x0C48, true, true, true},
        {1, 4, 0x0CA8, false, false, false},  // green 3 off
        {1, 7, 0x0C48, true, true, false},
        {1, 10, 0x0C46, true, false, true},  // blue 2 off
        {1, 16, 0x0C48, true, true, true},
    };
    Frozen s(17, 2);
    for (const Px& p : pixels) s.at(17 * p.row + p.x) = p.before;
    // Marked within 2 of each channel, then exactly, the first marks' inversions undone; then recoloured.
    for (auto [tolerance, restore] : {std::tuple{3, false}, std::tuple{1, true}}) {
        markMatches(s, fromRgb555(0x0C48), tolerance, restore);
        for (const Px& p : pixels) {
            const int i = 17 * p.row + p.x;
            const bool marked = restore ? p.exact : p.near;
            EXPECT_EQ(s.at(i), marked && p.odd ? static_cast<std::uint16_t>(~p.before) : p.before) << i;
            EXPECT_EQ(s.bits[i / 8] >> i % 8 & 1, marked) << i;
        }
    }
    recolorMarked(s, 0x00FF8040);  // red, the low byte, to the high bits, each channel cut to 5
    for (const Px& p : pixels) EXPECT_EQ(s.at(17 * p.row + p.x), p.exact ? 0x221F : p.before) << p.row << p.x;
    EXPECT_EQ(std::tuple(s.memory[17], s.memory.back()), std::tuple(0xABCD, 0xABCD)) << "rows padded to 4 bytes";
    snapshot = s;
    snapshot.originX = -17;  // a monitor left of the primary one; the first row in memory is the screen's bottom
    EXPECT_EQ((std::array{snapshotPixel(-17, 1), snapshotPixel(-13, 0), snapshotPixel(0, 0)}),
              (std::array{0x00F88040u, 0x00402818u, kInvalidColour}));
    snapshot = Snapshot{};
    // At an even width a reload repeats a parity: the squares slip a pixel there, in the row's last eight.
    Frozen even(16, 2);
    markMatches(even, fromRgb555(0x0C48), 1, false);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(even.at(i) != 0x0C48, (i < 16 ? 0xD555 : 0x6AAA) >> i % 16 & 1) << i;
}

// The grab's and the show's row conversions, eight pixels at once and the ninth alone: white stays white.
TEST(Snapshot, RowsPackedAndWidenedEightAtOnceAndAlone) {
    std::uint32_t wide[9], back[9];
    std::uint16_t narrow[9];
    for (int i = 0; i < 9; ++i) wide[i] = i % 2 ? 0xFFFFFF : 0xFF8040;
    packRow(wide, narrow, 9);
    widenRow(narrow, back, 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(std::tuple(narrow[i], back[i]), i % 2 ? std::tuple(0x7FFF, 0xFFFFFFu) : std::tuple(0x7E08, 0xFF8442u))
            << i;
}
