#include <gtest/gtest.h>

#include <array>

#include "display/colour.h"

namespace {

Colour rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

// Sets the global filter for one scope; other tests expect it off.
struct Filter {
    explicit Filter(std::int32_t flag) { picker.convertcolflag = flag; }
    ~Filter() { picker.convertcolflag = 0; }
};

}  // namespace

TEST(Colour, DisplayedHsvAndCmyk) {
    struct Case {
        int r, g, b, h, s, v, c, m, y, k;
    };
    const Case cases[] = {
        {255, 0, 0, 0, 100, 100, 0, 100, 100, 0},   {0, 255, 0, 120, 100, 100, 100, 0, 100, 0},
        {0, 0, 255, 240, 100, 100, 100, 100, 0, 0}, {255, 0, 255, 300, 100, 100, 0, 100, 0, 0},
        {255, 255, 0, 60, 100, 100, 0, 0, 100, 0},  {255, 128, 0, 30, 100, 100, 0, 50, 100, 0},
        {200, 100, 50, 20, 75, 78, 0, 39, 59, 22},  {51, 102, 153, 210, 67, 60, 40, 20, 0, 40},
        {128, 128, 128, 0, 0, 50, 0, 0, 0, 50},     {255, 255, 255, 0, 0, 100, 0, 0, 0, 0},
        {254, 254, 254, 0, 0, 99, 0, 0, 0, 1},      {0, 0, 0, 0, 0, 0, 0, 0, 0, 100},
        {1, 0, 0, 0, 100, 0, 0, 0, 0, 100},     {14, 14, 14, 0, 0, 6, 0, 0, 0, 95},
        // A negative hue wraps round by 360.
        {255, 0, 128, 330, 100, 100, 0, 100, 50, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
        float h, s, v;
        rgbToHsv(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b), h, s, v);
        std::int32_t cy, ma, ye, bk;
        rgbToCmyk(c.r, c.g, c.b, cy, ma, ye, bk);
        EXPECT_EQ((std::array{static_cast<int>(h), static_cast<int>(s), static_cast<int>(v), cy, ma, ye, bk}),
                  (std::array{c.h, c.s, c.v, c.c, c.m, c.y, c.k}));
    }
}

TEST(Colour, PaletteFilters) {
    struct Case {
        std::int32_t filter;
        Colour in, out;
    };
    const Case cases[] = {
        // Web-safe, every band edge, each channel on its own.
        {1, rgb(25, 26, 76), rgb(0, 51, 51)},       {1, rgb(77, 127, 128), rgb(102, 102, 153)},
        {1, rgb(178, 179, 229), rgb(153, 204, 204)}, {1, rgb(230, 255, 0), rgb(255, 255, 0)},
        {1, rgb(229, 25, 230), rgb(204, 0, 255)},
        // Grayscale rounds the mean.
        {2, rgb(255, 0, 0), rgb(85, 85, 85)},       {2, rgb(1, 1, 0), rgb(1, 1, 1)},
        {2, rgb(255, 255, 255), rgb(255, 255, 255)}, {2, rgb(0, 0, 0), 0},
        {2, rgb(2, 2, 3), rgb(3, 3, 3)},
        // Invert.
        {3, 0, 0x00FFFFFF},                           {3, rgb(18, 52, 86), rgb(237, 203, 169)},
        // Dominant channel: red wins ties, then green.
        {4, rgb(10, 10, 5), rgb(10, 0, 0)},          {4, rgb(5, 10, 10), rgb(0, 10, 0)},
        {4, rgb(10, 5, 10), rgb(10, 0, 0)},          {4, rgb(1, 2, 3), rgb(0, 0, 3)},
        {4, rgb(7, 7, 7), rgb(7, 0, 0)},             {4, rgb(3, 9, 1), rgb(0, 9, 0)},
        // The top byte: kept only by filter 0.
        {0, 0xFFFFFFFF, 0xFFFFFFFF},                  {1, 0xFFFFFFFF, 0x00FFFFFF},
        {2, 0xFFFFFFFF, 0x00FFFFFF},                  {3, 0xFFFFFFFF, 0x00000000},
        {4, 0xFFFFFFFF, 0x000000FF},                  {5, 0xFFFFFFFF, 0x00FFFFFF},
        {-1, 0x12345678, 0x00345678},                 {0, 0x12345678, 0x12345678},
    };
    for (const Case& c : cases) {
        Filter filter(c.filter);
        EXPECT_EQ(applyPaletteFilter(c.in), c.out) << "filter " << c.filter << " of " << std::hex << c.in;
    }
}
