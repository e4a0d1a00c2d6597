#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "mixer/snapshot.h"

namespace {

// A snapshot in plain memory, its padding filled with a marker that must survive.
struct Frozen : Snapshot {
    std::vector<std::uint16_t> memory;
    std::vector<std::uint8_t> bits;
    Frozen(std::int32_t w, std::int32_t h, std::uint16_t fill = 0) {
        width = w;
        height = h;
        stride = snapshotStride(w);
        memory.assign(static_cast<std::size_t>(stride) * h, 0xABCD);
        for (std::int32_t r = 0; r < h; ++r) std::fill_n(memory.begin() + r * stride, w, fill);
        bits.assign(static_cast<std::size_t>(maskBytes(w, h)), 0);
        pixels = memory.data();
        mask = bits.data();
    }
    std::uint16_t at(std::int32_t x, std::int32_t row) const { return memory[row * stride + x]; }
};

// The matching walk as written for the mixer: one counter over the visible pixels in memory
// order, one comparison of the three 5-bit channels a pixel.
void referenceMark(Frozen& s, Colour target, std::int32_t tolerance, bool restore) {
    const int tr = (target & 0xFF) >> 3, tg = (target >> 8 & 0xFF) >> 3, tb = (target >> 16 & 0xFF) >> 3;
    const int d = std::max(tolerance, 1);
    std::int32_t c = s.width, p = 0, i = 0;
    for (std::int32_t r = 0; r < s.height; ++r)
        for (std::int32_t x = 0; x < s.width; ++x, ++i) {
            if (--c == 0) {
                c = s.width + 2 * p - 1;
                p = 1 - p;
            }
            std::uint16_t& v = s.memory[r * s.stride + x];
            const std::uint8_t bit = static_cast<std::uint8_t>(1 << (i % 8));
            if (restore && (s.bits[i / 8] & bit) && (c & 1)) v = static_cast<std::uint16_t>(~v);
            if (std::abs((v >> 10 & 31) - tr) < d && std::abs((v >> 5 & 31) - tg) < d && std::abs((v & 31) - tb) < d) {
                s.bits[i / 8] |= bit;
                if (c & 1) v = static_cast<std::uint16_t>(~v);
            } else {
                s.bits[i / 8] &= static_cast<std::uint8_t>(~bit);
            }
        }
}

}  // namespace

TEST(Snapshot, MatchingIsBitIdenticalToThePlainWalk) {
    std::mt19937 random(7);
    const std::uint16_t palette[6] = {0x7C00, 0x03E0, 0x001F, 0x318C, 0x0C48, 0x2041};
    for (std::int32_t w : {1, 2, 3, 5, 8, 9, 16, 17, 31}) {
        Frozen fast(w, 7), plain(w, 7);
        for (std::int32_t r = 0; r < 7; ++r)
            for (std::int32_t x = 0; x < w; ++x)  // few colours, so that many pixels match
                fast.memory[r * fast.stride + x] = plain.memory[r * plain.stride + x] = palette[random() % 6];
        for (auto [target, tolerance, restore] : {std::tuple{fromRgb555(palette[4]), 0, false}, std::tuple{0x00404040u, 9, true},
                                                  std::tuple{fromRgb555(palette[5]), 3, true}, std::tuple{0x000000FFu, 1, true},
                                                  std::tuple{0x00202020u, 33, false}}) {
            markMatches(fast, target, tolerance, restore);
            referenceMark(plain, target, tolerance, restore);
            ASSERT_EQ(fast.memory, plain.memory) << "width " << w << " target " << target;
            ASSERT_EQ(fast.bits, plain.bits) << "width " << w << " target " << target;
            const Colour paint = target ^ 0x00FF8040;  // and the marked pixels recoloured
            recolorMarked(fast, paint);
            for (std::int32_t i = 0; i < w * 7; ++i)
                if (plain.bits[i / 8] >> (i % 8) & 1) plain.memory[i / w * plain.stride + i % w] = toRgb555(paint);
            ASSERT_EQ(fast.memory, plain.memory) << "recoloured, width " << w;
        }
    }
}

TEST(Snapshot, CheckerboardOfShownMatchesAndTheToleranceRules) {
    struct Case {
        std::int32_t width;
        Colour target;
        std::int32_t tolerance;
        std::vector<std::vector<int>> inverted;  // columns shown inverted, rows 0 and 1
    };
    const Case cases[] = {
        {8, 0, 32, {{0, 2, 4, 6, 7}, {1, 3, 5, 6}}},  // the even-width right-edge rule
        {5, 0, 33, {{1, 3}, {0, 2, 4}}},              // odd width: an exact checkerboard
        {8, 0x00070707, 0, {{0, 2, 4, 6, 7}, {1, 3, 5, 6}}},  // the low three bits do not count
        {8, 0x00080000, 1, {{}, {}}},                 // tolerance 0 and 1: equal channels only
        {8, 0x00080000, 2, {{0, 2, 4, 6, 7}, {1, 3, 5, 6}}},
    };
    for (const Case& c : cases) {
        Frozen s(c.width, 2);
        markMatches(s, c.target, c.tolerance, false);
        for (std::int32_t r = 0; r < 2; ++r) {
            std::vector<int> got;
            for (std::int32_t x = 0; x < c.width; ++x)
                if (s.at(x, r) == 0xFFFF) got.push_back(x);
            EXPECT_EQ(got, c.inverted[r]) << c.width << " " << c.target << " row " << r;
        }
        EXPECT_EQ(s.bits[0] != 0, !c.inverted[0].empty());
        const std::vector<std::uint16_t> before = s.memory;
        recolorMarked(s, 0x00FFFFFF);
        EXPECT_EQ(s.memory == before, c.inverted[0].empty()) << "an empty mask recolours nothing";
        if (c.width == 5) {
            EXPECT_EQ(s.memory[5], 0xABCD) << "the row padding is never touched";
        }
    }
}

TEST(Snapshot, PixelsReadBackFromTheBottomUpRowsAsColours) {
    EXPECT_EQ(toRgb555(0x00FFFFFF), 0x7FFF);
    EXPECT_EQ(toRgb555(0x00808080), 0x4210);
    EXPECT_EQ(fromRgb555(0x7C00), 0x000000F8u);
    EXPECT_EQ(fromRgb555(0x83FF), 0x00F8F800u) << "inverted red; bit 15 ignored";
    Frozen s(3, 2);
    s.memory[0] = toRgb555(0x000000FF);  // the first row in memory is the bottom of the screen
    s.memory[4] = toRgb555(0x00FF0000);  // the second row starts after one pixel of padding
    snapshot = s;
    snapshot.originX = -3;  // a monitor left of the primary one
    EXPECT_EQ(snapshotPixel(-3, 1), 0x000000F8u);
    EXPECT_EQ(snapshotPixel(-3, 0), 0x00F80000u);
    EXPECT_EQ(snapshotPixel(0, 0), 0xFFFFFFFFu);
    snapshot = Snapshot{};
}
