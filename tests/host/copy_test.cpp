// The copy formats and readouts against published values, and the recent colours as kept and stored.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/settings.h"
#include "copy/formats.h"
#include "copy/palette_file.h"
#include "copy/recent.h"
#include "display/contrast.h"
#include "display/readouts.h"

namespace {

std::string text(Colour c, std::int32_t format, bool hexadecimal = true) {
    char out[48];
    const std::size_t n = colourText(c, format, hexadecimal, out, sizeof out);
    EXPECT_EQ(n, std::string(out).size());
    return out;
}

std::string recent(const PickerState& s) {
    char out[80];
    recentColoursText(s, out, sizeof out);
    return out;
}

}  // namespace

// Published values, not this code's arithmetic: CSS's hsl() and OKLab's oklch(); orange's as the request quotes it.
TEST(CopyFormats, ReferenceColoursInEveryFormat) {
    struct Row { int r, g, b; const char *hsl, *oklch, *colorref, *floats; };
    const Row rows[] = {
        {255, 255, 255, "hsl(0, 0%, 100%)", "oklch(100.00% 0.0000 0.00)", "0x00FFFFFF", "1.000, 1.000, 1.000"},
        {128, 128, 128, "hsl(0, 0%, 50%)", "oklch(59.99% 0.0000 0.00)", "0x00808080", "0.502, 0.502, 0.502"},
        {255, 0, 0, "hsl(0, 100%, 50%)", "oklch(62.80% 0.2577 29.23)", "0x000000FF", "1.000, 0.000, 0.000"},
        {0, 255, 0, "hsl(120, 100%, 50%)", "oklch(86.64% 0.2948 142.50)", "0x0000FF00", "0.000, 1.000, 0.000"},
        {255, 128, 0, "hsl(30, 100%, 50%)", "oklch(73.19% 0.1858 52.98)", "0x000080FF", "1.000, 0.502, 0.000"},
        {102, 51, 153, "hsl(270, 50%, 40%)", "oklch(44.03% 0.1603 303.37)", "0x00993366", "0.400, 0.200, 0.600"},
        {139, 69, 19, "hsl(25, 76%, 31%)", nullptr, "0x0013458B", "0.545, 0.271, 0.075"},
    };
    for (const Row& r : rows) {
        const Colour c = 0xAB000000u | r.r | r.g << 8 | r.b << 16;  // the top byte is not the colour's
        char hex[8], decimal[12], css[20];
        std::snprintf(hex, sizeof hex, "#%02X%02X%02X", r.r, r.g, r.b);
        std::snprintf(decimal, sizeof decimal, "%d,%d,%d", r.r, r.g, r.b);
        std::snprintf(css, sizeof css, "rgb(%d, %d, %d)", r.r, r.g, r.b);
        const std::string code = r.colorref + 2;
        EXPECT_EQ((std::vector{text(c, AsPanel), text(c, AsPanel, false), text(c, CssRgb), text(c, CssHsl),
                               text(c, Colorref), text(c, Delphi), text(c, Vb), text(c, Float), text(c, 99, false)}),
                  (std::vector<std::string>{hex, decimal, css, r.hsl, r.colorref, "$" + code, "&H" + code + "&",
                                            r.floats, decimal}));
        EXPECT_EQ(r.oklch ? text(c, CssOklch) : "", r.oklch ? r.oklch : "");
    }
    char small[8];  // cut to fit, and the length says so
    EXPECT_EQ(std::string(small, colourText(0x0080FF, CssRgb, false, small, sizeof small)), "rgb(255");
}

TEST(CopyFormats, RecentColoursNewestFirstWithoutRepeatsUpToTen) {
    PickerState s;
    for (Colour c = 0x10; c < 0x20; ++c) rememberColour(s, c | 0xFF000000u);
    rememberColour(s, 0x17);
    EXPECT_EQ(recent(s), "170000,1F0000,1E0000,1D0000,1C0000,1B0000,1A0000,190000,180000,160000") << "a repeat on top";

    // Stored red first; bad entries and repeats skipped, ten at most.
    parseRecentColours("ff8000,12345,GG0000,,0080FF,FF8000,123456 ,000000", s);
    EXPECT_EQ(recent(s), "FF8000,0080FF,000000");
    parseRecentColours("000001,000002,000003,000004,000005,000006,000007,000008,000009,00000A,00000B", s);
    EXPECT_EQ(s.recentCount, 10);
    for (const char* bad : {"", "8", "-1", "07", "3 ", "x"}) EXPECT_EQ(parseStoredChoice(bad, 8), 0) << bad;
    EXPECT_EQ(parseStoredChoice("7", 8), 7);
}

// WCAG 2.x as contrast checkers publish it (#767676 the lightest grey passing AA on white); APCA-W3 0.0.98G's pairs.
TEST(Readouts, ContrastAgainstPublishedValuesAndCoordinatesPadded) {
    struct Row { Colour text, background; const char* line; };
    const Row rows[] = {
        {0x000000, 0xFFFFFF, "21.00:1 AAA LC 106 "},
        {0x888888, 0xFFFFFF, "3.54:1 - LC 63     "},
        {0xFFFFFF, 0x888888, "3.54:1 - LC -69    "},
        {0x767676, 0xFFFFFF, "4.54:1 AA"},
        {0x777777, 0xFFFFFF, "4.47:1 -"},
        {0x595959, 0xFFFFFF, "7.00:1 AAA"},
        {0x0000FF, 0xFFFFFF, "3.99:1 -"},  // red: the 4:1 often quoted, cut
    };
    TextBuffer t;
    const auto line = [&t] { return std::string(t.data, static_cast<std::size_t>(t.length)); };
    for (const Row& r : rows) {
        buildContrastLine(t, r.text, r.background);
        EXPECT_EQ(line().substr(0, std::strlen(r.line)), r.line);
    }
    for (auto [text, background, lc, reversed] : {std::tuple{0x000000u, 0xAAAAAAu, 58, -56},
                                                  std::tuple{0x332211u, 0x444444u, 8, -8}})
        EXPECT_EQ(std::pair(apcaContrast(text, background), apcaContrast(background, text)), std::pair(lc, reversed));
    buildCoordinatesLine(t, -5, -12, false, 0, 0);
    EXPECT_EQ(line(), "(-5,-12)               ") << "padded to cover a longer line it replaces";
}

// The palette files against their published formats; the swatch exchange file byte for byte.
TEST(Palette, FilesInTheirPublishedFormats) {
    const Colour colours[] = {0x0080FF, 0x996633};  // orange, then #336699
    const auto asText = [&](PaletteFormat f, std::int32_t copyFormat) {
        const std::vector<std::uint8_t> bytes = paletteBytes(colours, 2, f, copyFormat, true);
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(asText(Gpl, AsPanel), "GIMP Palette\nName: Tintspot recent colours\nColumns: 2\n#\n"
                                    "255 128   0\t#FF8000\n 51 102 153\t#336699\n");
    EXPECT_EQ(asText(Css, AsPanel), ":root {\n  --tintspot-1: #FF8000;\n  --tintspot-2: #336699;\n}\n");
    EXPECT_EQ(asText(Txt, CssRgb) + asText(Txt, AsPanel), "rgb(255, 128, 0)\nrgb(51, 102, 153)\n#FF8000\n#336699\n");
    // "ASEF" 1.0, two blocks, each a colour (1) of 36 bytes: 8 UTF-16 units of name with NUL, "RGB ", 3 floats, 0.
    std::string hex;
    for (std::uint8_t b : paletteBytes(colours, 2, Ase, AsPanel, true))
        hex.append(1, "0123456789ABCDEF"[b >> 4]).append(1, "0123456789ABCDEF"[b & 15]);
    EXPECT_EQ(hex, "41534546000100000000000200010000002400080023004600460038003000300030000052474220"
                   "3F8000003F008081000000000000"
                   "00010000002400080023003300330036003600390039000052474220"
                   "3E4CCCCD3ECCCCCD3F19999A0000");
    struct Row { const wchar_t* typed; PaletteFormat selected; const wchar_t* path; PaletteFormat format; };
    for (const Row& r : {Row{L"C:\\a\\pal.ASE", Txt, L"C:\\a\\pal.ASE", Ase},
                         {L"C:\\a.b\\pal", Css, L"C:\\a.b\\pal.css", Css},
                         {L"pal.png", Ase, L"pal.png.ase", Ase}}) {
        const PaletteTarget t = paletteTarget(r.typed, r.selected);
        EXPECT_TRUE(t.path == r.path && t.format == r.format) << static_cast<int>(r.format);
    }
}
