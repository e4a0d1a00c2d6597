// Checks the bitmaps, cursors and icon that tools/make_pictures.py builds
// from resources/pictures. The font table below is written out here on
// purpose rather than read from glyphs.txt: the program's text rendering
// depends on every cell being exactly where and what it is, and a table kept
// apart from the generator's input is what catches a generator that
// misplaces, flips or pads a glyph.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#ifndef TINTSPOT_PICTURES_DIR
#error "TINTSPOT_PICTURES_DIR must name the directory the pictures are generated into"
#endif

namespace {

// ---------------------------------------------------------------------------
// Reading

std::vector<std::uint8_t> readPicture(const std::string& name) {
    const std::string path = std::string(TINTSPOT_PICTURES_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian field access that refuses to read past the end, so a
// truncated file fails the test instead of reading garbage.
class Bytes {
public:
    explicit Bytes(const std::vector<std::uint8_t>& data) : data_(data) {}

    std::size_t size() const { return data_.size(); }

    std::uint8_t u8(std::size_t at) const {
        if (at >= data_.size()) {
            throw std::out_of_range("read past the end at offset " + std::to_string(at));
        }
        return data_[at];
    }
    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(u8(at) | (u8(at + 1) << 8));
    }
    std::uint32_t u32(std::size_t at) const {
        return static_cast<std::uint32_t>(u16(at)) | (static_cast<std::uint32_t>(u16(at + 2)) << 16);
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }

private:
    const std::vector<std::uint8_t>& data_;
};

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "RGB(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << ")";
}

constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kDarkRed{0x80, 0x00, 0x00};
constexpr Rgb kFace{0xD0, 0xBE, 0x7E};  // COLORREF 0x007EBED0
constexpr Rgb kGrey{0xC0, 0xC0, 0xC0};

// Palette entries are stored blue, green, red, reserved.
std::vector<Rgb> readPalette(const Bytes& in, std::size_t at, std::size_t count) {
    std::vector<Rgb> palette;
    for (std::size_t i = 0; i < count; ++i) {
        palette.push_back({in.u8(at + 4 * i + 2), in.u8(at + 4 * i + 1), in.u8(at + 4 * i)});
    }
    return palette;
}

// Index of pixel x in a packed row of bpp-bit pixels, leftmost in the high bits.
unsigned packedPixel(const Bytes& in, std::size_t row, int x, int bpp) {
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
    const unsigned byte = in.u8(row + bit / 8);
    const unsigned shift = 8u - static_cast<unsigned>(bpp) - static_cast<unsigned>(bit % 8);
    return (byte >> shift) & ((1u << bpp) - 1u);
}

std::size_t stride(int width, int bpp) {
    return static_cast<std::size_t>((width * bpp + 31) / 32) * 4;
}

// Just enough of a BMP reader for our own files: uncompressed, bottom-up,
// BITMAPINFOHEADER, palettised.
struct Bitmap {
    int width = 0;
    int height = 0;
    int bpp = 0;
    std::vector<Rgb> palette;
    std::vector<std::vector<unsigned>> index;  // [y][x], y = 0 is the top row

    unsigned at(int x, int y) const {
        return index.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x));
    }
    Rgb colour(int x, int y) const { return palette.at(at(x, y)); }
};

Bitmap decodeBmp(const std::vector<std::uint8_t>& data) {
    const Bytes in(data);
    if (in.u8(0) != 'B' || in.u8(1) != 'M') {
        throw std::runtime_error("no BM signature");
    }
    if (in.u32(2) != data.size()) {
        throw std::runtime_error("bfSize does not match the file size");
    }
    if (in.u32(14) != 40) {
        throw std::runtime_error("not a 40-byte BITMAPINFOHEADER");
    }
    Bitmap bmp;
    bmp.width = in.i32(18);
    bmp.height = in.i32(22);
    bmp.bpp = in.u16(28);
    if (bmp.width <= 0 || bmp.height <= 0) {
        throw std::runtime_error("expected a bottom-up bitmap with a positive size");
    }
    if (in.u16(26) != 1 || in.u32(30) != 0) {
        throw std::runtime_error("expected one plane, no compression");
    }
    if (bmp.bpp != 1 && bmp.bpp != 4 && bmp.bpp != 8) {
        throw std::runtime_error("expected a palettised bitmap");
    }
    const std::uint32_t used = in.u32(46);
    const std::size_t colours = used != 0 ? used : (std::size_t{1} << bmp.bpp);
    if (colours > (std::size_t{1} << bmp.bpp)) {
        throw std::runtime_error("more palette entries than the bit depth allows");
    }
    bmp.palette = readPalette(in, 14 + 40, colours);
    const std::size_t offset = in.u32(10);
    const std::size_t rowBytes = stride(bmp.width, bmp.bpp);
    if (offset != 14 + 40 + 4 * colours) {
        throw std::runtime_error("pixels do not follow the palette");
    }
    if (offset + rowBytes * static_cast<std::size_t>(bmp.height) != data.size()) {
        throw std::runtime_error("rows are not padded to 4 bytes");
    }
    bmp.index.assign(static_cast<std::size_t>(bmp.height), {});
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(bmp.height - 1 - y);
        auto& line = bmp.index[static_cast<std::size_t>(y)];
        for (int x = 0; x < bmp.width; ++x) {
            const unsigned value = packedPixel(in, row, x, bmp.bpp);
            if (value >= colours) {
                throw std::runtime_error("pixel refers past the palette");
            }
            line.push_back(value);
        }
        // Pad bits and bytes are zero, so identical pictures give identical files.
        const int slots = static_cast<int>(rowBytes * 8) / bmp.bpp;
        for (int x = bmp.width; x < slots; ++x) {
            if (packedPixel(in, row, x, bmp.bpp) != 0) {
                throw std::runtime_error("row padding is not zero");
            }
        }
    }
    return bmp;
}

// ---------------------------------------------------------------------------
// The font

struct GlyphCase {
    char ch;
    int x;  // top-left corner of the 5x6 cell in glyphs.bmp
    int y;
    const char* name;
    std::array<const char*, 6> rows;  // '#' ink, '.' ground
};

std::ostream& operator<<(std::ostream& out, const GlyphCase& g) { return out << g.name; }

constexpr int kCellWidth = 5;
constexpr int kCellHeight = 6;

const GlyphCase kGlyphs[] = {
    {'A', 0, 0, "LetterA", {"####.", "#..#.", "####.", "#..#.", "#..#.", "#..#."}},
    {'B', 5, 0, "LetterB", {"###..", "#..#.", "###..", "#..#.", "#..#.", "###.."}},
    {'C', 10, 0, "LetterC", {".##..", "#..#.", "#....", "#....", "#..#.", ".##.."}},
    {'D', 15, 0, "LetterD", {"###..", "#..#.", "#..#.", "#..#.", "#..#.", "###.."}},
    {'E', 20, 0, "LetterE", {"####.", "#....", "####.", "#....", "#....", "####."}},
    {'F', 25, 0, "LetterF", {"####.", "#....", "####.", "#....", "#....", "#...."}},
    {'G', 30, 0, "LetterG", {".###.", "#....", "#.##.", "#..#.", "#..#.", ".##.."}},
    {'H', 35, 0, "LetterH", {"#..#.", "#..#.", "####.", "#..#.", "#..#.", "#..#."}},
    {'I', 40, 0, "LetterI", {".###.", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', 45, 0, "LetterJ", {".###.", "...#.", "...#.", "#..#.", "#..#.", "####."}},
    {'K', 50, 0, "LetterK", {"#..#.", "#.#..", "##...", "##...", "#.#..", "#..#."}},
    {'L', 55, 0, "LetterL", {"#....", "#....", "#....", "#....", "#....", "####."}},
    {'M', 60, 0, "LetterM", {"#..#.", "####.", "####.", "#..#.", "#..#.", "#..#."}},
    {'N', 65, 0, "LetterN", {"#..#.", "##.#.", "##.#.", "#.##.", "#.##.", "#..#."}},
    {'O', 70, 0, "LetterO", {".##..", "#..#.", "#..#.", "#..#.", "#..#.", ".##.."}},
    {'P', 75, 0, "LetterP", {"###..", "#..#.", "#..#.", "###..", "#....", "#...."}},
    {'Q', 80, 0, "LetterQ", {"####.", "#..#.", "#..#.", "#..#.", "#.##.", "###.."}},
    {'R', 85, 0, "LetterR", {"###..", "#..#.", "#..#.", "###..", "#..#.", "#..#."}},
    {'S', 90, 0, "LetterS", {".###.", "#....", ".##..", "...#.", "...#.", "###.."}},
    {'T', 95, 0, "LetterT", {"####.", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', 100, 0, "LetterU", {"#..#.", "#..#.", "#..#.", "#..#.", "#..#.", "####."}},
    {'V', 105, 0, "LetterV", {"#..#.", "#..#.", "#..#.", "#..#.", ".##..", ".##.."}},
    {'W', 110, 0, "LetterW", {"#..#.", "#..#.", "#..#.", "####.", "####.", "#..#."}},
    {'X', 115, 0, "LetterX", {"#..#.", "#..#.", ".##..", "#..#.", "#..#.", "#..#."}},
    {'Y', 120, 0, "LetterY", {"#..#.", "#..#.", "#..#.", ".###.", "...#.", ".##.."}},
    {'Z', 125, 0, "LetterZ", {"####.", "..##.", "..#..", ".#...", "##...", "####."}},
    {'0', 0, 6, "Digit0", {".##..", "#..#.", "#..#.", "#..#.", "#..#.", ".##.."}},
    {'1', 5, 6, "Digit1", {"..#..", ".##..", "..#..", "..#..", "..#..", "..#.."}},
    {'2', 10, 6, "Digit2", {"###..", "...#.", ".##..", "#....", "#....", "####."}},
    {'3', 15, 6, "Digit3", {"###..", "...#.", "###..", "...#.", "...#.", "###.."}},
    {'4', 20, 6, "Digit4", {"..##.", ".#.#.", ".#.#.", "#..#.", "####.", "...#."}},
    {'5', 25, 6, "Digit5", {"####.", "#....", "###..", "...#.", "...#.", "###.."}},
    {'6', 30, 6, "Digit6", {".##..", "#....", "###..", "#..#.", "#..#.", ".##.."}},
    {'7', 35, 6, "Digit7", {"####.", "...#.", "..#..", "..#..", ".#...", ".#..."}},
    {'8', 40, 6, "Digit8", {".##..", "#..#.", ".##..", "#..#.", "#..#.", ".##.."}},
    {'9', 45, 6, "Digit9", {".##..", "#..#.", "#..#.", ".###.", "...#.", ".##.."}},
    {'(', 110, 6, "LeftParen", {"..#..", ".#...", ".#...", ".#...", ".#...", "..#.."}},
    {')', 115, 6, "RightParen", {".#...", "..#..", "..#..", "..#..", "..#..", ".#..."}},
    {'%', 130, 6, "Percent", {".##..", ".##.#", "...#.", "..#..", ".#.##", "...##"}},
    {',', 135, 6, "Comma", {".....", ".....", ".....", ".....", "..#..", "..#.."}},
    {'=', 140, 6, "Equals", {".....", ".###.", ".....", ".###.", ".....", "....."}},
    {' ', 25, 12, "Blank", {".....", ".....", ".....", ".....", ".....", "....."}},
};

const GlyphCase& glyphFor(char ch) {
    for (const GlyphCase& g : kGlyphs) {
        if (g.ch == ch) {
            return g;
        }
    }
    throw std::invalid_argument(std::string("no glyph for '") + ch + "'");
}

// Readable names for parameterised cases, taken from the tables.
template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& testCase) {
    return testCase.param.name;
}

using Point = std::pair<int, int>;  // x, y

// The ink of text set with the program's font: 5 px advance, ink only.
std::set<Point> textInk(const std::string& text, int x, int y) {
    std::set<Point> ink;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GlyphCase& g = glyphFor(text[i]);
        for (int row = 0; row < kCellHeight; ++row) {
            for (int col = 0; col < kCellWidth; ++col) {
                if (g.rows[static_cast<std::size_t>(row)][col] == '#') {
                    ink.insert({x + static_cast<int>(i) * kCellWidth + col, y + row});
                }
            }
        }
    }
    return ink;
}

struct Box {
    int x0, y0, x1, y1;  // inclusive
    bool contains(int x, int y) const { return x0 <= x && x <= x1 && y0 <= y && y <= y1; }
};

Box boundsOf(const std::set<Point>& points) {
    Box box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& [x, y] : points) {
        box.x0 = std::min(box.x0, x);
        box.y0 = std::min(box.y0, y);
        box.x1 = std::max(box.x1, x);
        box.y1 = std::max(box.y1, y);
    }
    return box;
}

// ---------------------------------------------------------------------------
// glyphs.bmp

constexpr unsigned kInk = 0;
constexpr unsigned kGround = 1;

const Bitmap& glyphBitmap() {
    static const Bitmap bmp = decodeBmp(readPicture("glyphs.bmp"));
    return bmp;
}

TEST(GlyphBitmap, IsA155By46MonochromeBitmapWithBlackInkOnWhite) {
    const Bitmap& bmp = glyphBitmap();
    EXPECT_EQ(bmp.width, 155);
    EXPECT_EQ(bmp.height, 46);
    EXPECT_EQ(bmp.bpp, 1);
    ASSERT_EQ(bmp.palette.size(), 2u);
    EXPECT_EQ(bmp.palette[kInk], kBlack);
    EXPECT_EQ(bmp.palette[kGround], kWhite);
}

TEST(GlyphBitmap, HoldsFortyOneGlyphsAndTheBlankCell) {
    EXPECT_EQ(std::size(kGlyphs), 42u);
}

class GlyphCell : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphCell, MatchesTheFontPixelForPixel) {
    const GlyphCase& g = GetParam();
    const Bitmap& bmp = glyphBitmap();
    ASSERT_LE(g.x + kCellWidth, bmp.width);
    ASSERT_LE(g.y + kCellHeight, bmp.height);
    for (int row = 0; row < kCellHeight; ++row) {
        std::string actual;
        for (int col = 0; col < kCellWidth; ++col) {
            actual += bmp.at(g.x + col, g.y + row) == kInk ? '#' : '.';
        }
        EXPECT_EQ(actual, g.rows[static_cast<std::size_t>(row)])
            << "glyph '" << g.ch << "' row " << row << " at (" << g.x << "," << g.y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Font, GlyphCell, ::testing::ValuesIn(kGlyphs),
                         caseName<GlyphCase>);

TEST(GlyphBitmap, EverythingOutsideTheCellsIsGround) {
    const Bitmap& bmp = glyphBitmap();
    ASSERT_EQ(bmp.width, 155);
    ASSERT_EQ(bmp.height, 46);
    int checked = 0;
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            const bool inCell = std::any_of(std::begin(kGlyphs), std::end(kGlyphs), [&](const GlyphCase& g) {
                return g.x <= x && x < g.x + kCellWidth && g.y <= y && y < g.y + kCellHeight;
            });
            if (!inCell) {
                ++checked;
                EXPECT_EQ(bmp.at(x, y), kGround) << "stray ink at (" << x << "," << y << ")";
            }
        }
    }
    EXPECT_EQ(checked, 155 * 46 - 42 * kCellWidth * kCellHeight);
}

// ---------------------------------------------------------------------------
// skin.bmp: the about page on the left, the help page on the right

constexpr int kPageWidth = 223;
constexpr int kAboutPage = 0;
constexpr int kHelpPage = 223;

const Bitmap& skin() {
    static const Bitmap bmp = decodeBmp(readPicture("skin.bmp"));
    return bmp;
}

TEST(Skin, IsTwoPagesOf223By283At8BitsPerPixel) {
    const Bitmap& bmp = skin();
    EXPECT_EQ(bmp.width, 2 * kPageWidth);
    EXPECT_EQ(bmp.height, 283);
    EXPECT_EQ(bmp.bpp, 8);
    EXPECT_EQ(bmp.palette.size(), 256u);
}

TEST(Skin, PagesHaveWhiteGroundWithBlackAndDarkRedText) {
    const Bitmap& bmp = skin();
    ASSERT_EQ(bmp.width, 2 * kPageWidth);
    ASSERT_EQ(bmp.height, 283);
    for (const int page : {kAboutPage, kHelpPage}) {
        EXPECT_EQ(bmp.colour(page, 0), kWhite);
        EXPECT_EQ(bmp.colour(page + kPageWidth - 1, 0), kWhite);
        EXPECT_EQ(bmp.colour(page, 282), kWhite);
        EXPECT_EQ(bmp.colour(page + kPageWidth - 1, 282), kWhite);
        std::map<std::string, int> counts;
        // Above the buttons, so captions do not count as page text.
        for (int y = 0; y < 249; ++y) {
            for (int x = page; x < page + kPageWidth; ++x) {
                const Rgb c = bmp.colour(x, y);
                counts["black"] += c == kBlack;
                counts["dark red"] += c == kDarkRed;
            }
        }
        EXPECT_GT(counts["black"], 500) << "page at x " << page;
        EXPECT_GT(counts["dark red"], 200) << "page at x " << page;
    }
}

struct ButtonCase {
    const char* name;
    int page;
    int x0;
    int x1;
    const char* caption;
};

std::ostream& operator<<(std::ostream& out, const ButtonCase& b) { return out << b.name; }

const ButtonCase kButtons[] = {
    {"AboutClose", kAboutPage, 37, 93, "CLOSE"},
    {"AboutHelp", kAboutPage, 135, 191, "HELP"},
    {"HelpClose", kHelpPage, 37, 93, "CLOSE"},
    {"HelpAbout", kHelpPage, 135, 191, "ABOUT"},
};

constexpr int kButtonTop = 249;
constexpr int kButtonBottom = 266;

class SkinButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(SkinButton, IsFaceColourWithItsCaptionCentredInBlack) {
    const ButtonCase& b = GetParam();
    const Bitmap& bmp = skin();
    ASSERT_EQ(bmp.width, 2 * kPageWidth);
    ASSERT_EQ(bmp.height, 283);
    const Box face{b.page + b.x0, kButtonTop, b.page + b.x1, kButtonBottom};

    std::set<Point> ink;
    for (int y = face.y0; y <= face.y1; ++y) {
        for (int x = face.x0; x <= face.x1; ++x) {
            const Rgb c = bmp.colour(x, y);
            if (c == kBlack) {
                ink.insert({x, y});
            } else {
                EXPECT_EQ(c, kFace) << "at (" << x << "," << y << ")";
            }
        }
    }
    ASSERT_FALSE(ink.empty()) << "no caption";

    // The program hit-tests these exact rectangles; the face must end there.
    for (int y = face.y0 - 1; y <= face.y1 + 1; ++y) {
        for (int x = face.x0 - 1; x <= face.x1 + 1; ++x) {
            if (!face.contains(x, y)) {
                EXPECT_NE(bmp.colour(x, y), kFace) << "face spills to (" << x << "," << y << ")";
            }
        }
    }

    // The caption's ink, placed where the face shows it, must be the font's.
    const std::set<Point> shape = textInk(b.caption, 0, 0);
    const Box drawn = boundsOf(ink);
    const Box natural = boundsOf(shape);
    EXPECT_EQ(ink, textInk(b.caption, drawn.x0 - natural.x0, drawn.y0 - natural.y0));

    const int leftGap = drawn.x0 - face.x0;
    const int rightGap = face.x1 - drawn.x1;
    const int topGap = drawn.y0 - face.y0;
    const int bottomGap = face.y1 - drawn.y1;
    EXPECT_LE(std::abs(leftGap - rightGap), 1) << leftGap << " vs " << rightGap;
    EXPECT_LE(std::abs(topGap - bottomGap), 1) << topGap << " vs " << bottomGap;
}

INSTANTIATE_TEST_SUITE_P(Pages, SkinButton, ::testing::ValuesIn(kButtons),
                         caseName<ButtonCase>);

// The mixer's hint: a grey strip the program copies out of the about page.
constexpr Box kHintStrip{36, 222, 36 + 151 - 1, 222 + 10 - 1};
constexpr const char* kHintText = "DOUBLE CLICK = EXIT MIXER MODE";

TEST(Skin, HintStripIsGreyWithItsTextInBlack) {
    const Bitmap& bmp = skin();
    ASSERT_EQ(bmp.width, 2 * kPageWidth);
    ASSERT_EQ(bmp.height, 283);
    const std::set<Point> expected = textInk(kHintText, kHintStrip.x0 + 2, kHintStrip.y0 + 2);
    for (const auto& [x, y] : expected) {
        ASSERT_TRUE(kHintStrip.contains(x, y)) << "text ink outside the strip at (" << x << "," << y << ")";
    }
    int inked = 0;
    for (int y = kHintStrip.y0; y <= kHintStrip.y1; ++y) {
        for (int x = kHintStrip.x0; x <= kHintStrip.x1; ++x) {
            const bool ink = expected.count({x, y}) != 0;
            inked += ink;
            EXPECT_EQ(bmp.colour(kAboutPage + x, y), ink ? kBlack : kGrey) << "at (" << x << "," << y << ")";
        }
    }
    EXPECT_EQ(inked, static_cast<int>(expected.size()));
}

// The program paints this band white and draws its sprites there, so the
// page itself must leave it empty; only the hint strip lives in it.
TEST(Skin, SpriteBandOfTheAboutPageHoldsOnlyTheHintStrip) {
    const Bitmap& bmp = skin();
    ASSERT_EQ(bmp.width, 2 * kPageWidth);
    ASSERT_EQ(bmp.height, 283);
    const Box band{35, 188, 222, 233};
    int checked = 0;
    for (int y = band.y0; y <= band.y1; ++y) {
        for (int x = band.x0; x <= band.x1; ++x) {
            if (!kHintStrip.contains(x, y)) {
                ++checked;
                EXPECT_EQ(bmp.colour(kAboutPage + x, y), kWhite) << "at (" << x << "," << y << ")";
            }
        }
    }
    EXPECT_EQ(checked, 188 * 46 - 151 * 10);
}

struct LinkCase {
    const char* name;
    Box hot;     // where the program takes clicks, about page
    int top;     // the text's six rows
};

std::ostream& operator<<(std::ostream& out, const LinkCase& l) { return out << l.name; }

const LinkCase kLinks[] = {
    {"Web", {34, 144, 107, 157}, 148},
    {"Mail", {34, 157, 113, 170}, 160},
};

class SkinLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SkinLink, IsDarkRedTextInsideItsHotRectangle) {
    const LinkCase& l = GetParam();
    const Bitmap& bmp = skin();
    ASSERT_EQ(bmp.width, 2 * kPageWidth);
    ASSERT_EQ(bmp.height, 283);
    std::set<Point> ink;
    for (int y = l.hot.y0; y <= l.hot.y1; ++y) {
        for (int x = l.hot.x0; x <= l.hot.x1; ++x) {
            const Rgb c = bmp.colour(kAboutPage + x, y);
            if (c == kDarkRed) {
                ink.insert({x, y});
            } else {
                EXPECT_EQ(c, kWhite) << "at (" << x << "," << y << ")";
            }
        }
    }
    ASSERT_GT(ink.size(), 60u) << "too little text";
    const Box text = boundsOf(ink);
    EXPECT_EQ(text.x0, 35);
    EXPECT_GE(text.y0, l.top);
    EXPECT_LE(text.y1, l.top + kCellHeight - 1);
    EXPECT_GE(text.y1 - text.y0, 4);
    EXPECT_GE(text.x1 - text.x0, 50) << "text shorter than expected";
}

INSTANTIATE_TEST_SUITE_P(AboutPage, SkinLink, ::testing::ValuesIn(kLinks),
                         caseName<LinkCase>);

}  // namespace
