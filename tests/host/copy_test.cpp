// The copy formats against published values, and the recent colours as kept and stored.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/settings.h"
#include "copy/formats.h"
#include "copy/palette_file.h"
#include "copy/recent.h"
#include "display/contrast.h"

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

// Published values, not this code's arithmetic. HSL: the primaries and CSS's named colours
// navy, rebeccapurple (hsl(270 50% 40%)) and saddlebrown. OKLCH: the sRGB primaries, mid grey
// and rebeccapurple as OKLab's published conversions give them; orange as the request quotes it.
TEST(CopyFormats, ReferenceColoursInEveryFormat) {
    struct Row { std::uint8_t r, g, b; const char *panelDecimal, *rgb, *hsl, *oklch, *colorref, *floats; };
    const Row rows[] = {
        {0, 0, 0, "0,0,0", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "oklch(0.00% 0.0000 0.00)", "0x00000000",
         "0.000, 0.000, 0.000"},
        {255, 255, 255, "255,255,255", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "oklch(100.00% 0.0000 0.00)",
         "0x00FFFFFF", "1.000, 1.000, 1.000"},
        {128, 128, 128, "128,128,128", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "oklch(59.99% 0.0000 0.00)",
         "0x00808080", "0.502, 0.502, 0.502"},
        {255, 0, 0, "255,0,0", "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "oklch(62.80% 0.2577 29.23)", "0x000000FF",
         "1.000, 0.000, 0.000"},
        {0, 255, 0, "0,255,0", "rgb(0, 255, 0)", "hsl(120, 100%, 50%)", "oklch(86.64% 0.2948 142.50)", "0x0000FF00",
         "0.000, 1.000, 0.000"},
        {0, 0, 255, "0,0,255", "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "oklch(45.20% 0.3132 264.05)", "0x00FF0000",
         "0.000, 0.000, 1.000"},
        {255, 128, 0, "255,128,0", "rgb(255, 128, 0)", "hsl(30, 100%, 50%)", "oklch(73.19% 0.1858 52.98)",
         "0x000080FF", "1.000, 0.502, 0.000"},
        {102, 51, 153, "102,51,153", "rgb(102, 51, 153)", "hsl(270, 50%, 40%)", "oklch(44.03% 0.1603 303.37)",
         "0x00993366", "0.400, 0.200, 0.600"},
        {139, 69, 19, "139,69,19", "rgb(139, 69, 19)", "hsl(25, 76%, 31%)", nullptr, "0x0013458B",
         "0.545, 0.271, 0.075"},
    };
    for (const Row& r : rows) {
        const Colour c = 0xAB000000u | r.r | r.g << 8 | r.b << 16;  // the top byte is not the colour's
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02X%02X%02X", r.r, r.g, r.b);
        const std::string code = r.colorref + 2;
        EXPECT_EQ((std::vector{text(c, AsPanel), text(c, AsPanel, false), text(c, CssRgb), text(c, CssHsl),
                               text(c, Colorref), text(c, Delphi), text(c, Vb), text(c, Float), text(c, 99, false)}),
                  (std::vector<std::string>{hex, r.panelDecimal, r.rgb, r.hsl, r.colorref, "$" + code,
                                            "&H" + code + "&", r.floats, r.panelDecimal}));
        EXPECT_EQ(r.oklch ? text(c, CssOklch) : "", r.oklch ? r.oklch : "");
    }
    char small[8];
    EXPECT_EQ(colourText(0x0080FF, CssRgb, false, small, sizeof small), 7u);
    EXPECT_STREQ(small, "rgb(255") << "cut to fit";
}

TEST(CopyFormats, RecentColoursNewestFirstWithoutRepeatsUpToTen) {
    PickerState s;
    for (Colour c : {0x000001u, 0x000002u, 0x000003u, 0x000001u}) rememberColour(s, c);
    EXPECT_EQ(recent(s), "010000,030000,020000") << "a repeat moves to the top";
    for (Colour c = 0x10; c < 0x20; ++c) rememberColour(s, c | 0xFF000000u);
    EXPECT_EQ(recent(s), "1F0000,1E0000,1D0000,1C0000,1B0000,1A0000,190000,180000,170000,160000");
    rememberColour(s, 0x17);
    EXPECT_EQ(recent(s), "170000,1F0000,1E0000,1D0000,1C0000,1B0000,1A0000,190000,180000,160000");

    // Stored red first; bad entries and repeats skipped, ten at most.
    parseRecentColours("ff8000,12345,GG0000,,0080FF,FF8000,123456 ,000000", s);
    EXPECT_EQ(recent(s), "FF8000,0080FF,000000");
    EXPECT_EQ(s.recent[0], 0x0080FFu);
    parseRecentColours("", s);
    EXPECT_EQ(s.recentCount, 0);
    parseRecentColours("000001,000002,000003,000004,000005,000006,000007,000008,000009,00000A,00000B", s);
    EXPECT_EQ(s.recentCount, 10);
    for (const char* bad : {"", "8", "-1", "07", "3 ", "x"}) EXPECT_EQ(parseStoredChoice(bad, 8), 0) << bad;
    EXPECT_EQ(parseStoredChoice("7", 8), 7);
}

// WCAG 2.x, as contrast checkers publish it: black on white 21:1, red 3.99:1 (the 4:1 often
// quoted, cut), blue 8.59:1, #888888 3.54:1; #767676 is the lightest grey passing AA on white
// (4.54:1), #777777 fails (4.47:1), #595959 is 7:1. APCA: the pairs published with APCA-W3
// 0.0.98G (black on white Lc 106.04; #888 on #fff 63.06, the reverse -68.54; #000 on #aaa
// 58.15, the reverse -56.24; #123 on #def 91.67, the reverse -93.07; #123 on #444 8.32, the
// reverse -7.53).
TEST(Contrast, WcagRatioLevelAndApcaAgainstPublishedValues) {
    struct Row { Colour text, background; const char* line; };
    const Row rows[] = {
        {0x000000, 0xFFFFFF, "21.00:1 AAA LC 106 "},
        {0xFFFFFF, 0xFFFFFF, "1.00:1 - LC 0      "},
        {0x888888, 0xFFFFFF, "3.54:1 - LC 63     "},
        {0xFFFFFF, 0x888888, "3.54:1 - LC -69    "},
        {0x767676, 0xFFFFFF, "4.54:1 AA"},
        {0x777777, 0xFFFFFF, "4.47:1 -"},
        {0x595959, 0xFFFFFF, "7.00:1 AAA"},
        {0x0000FF, 0xFFFFFF, "3.99:1 -"},  // red (0x00BBGGRR)
        {0xFF0000, 0xFFFFFF, "8.59:1 AAA"},  // blue
    };
    TextBuffer t;
    for (const Row& r : rows) {
        buildContrastLine(t, r.text, r.background);
        const std::string line(t.data, static_cast<std::size_t>(t.length));
        EXPECT_EQ(line.substr(0, std::strlen(r.line)), r.line);
    }
    struct Apca { Colour text, background; std::int32_t lc; };
    for (const Apca& a : {Apca{0x000000, 0xAAAAAA, 58},
                          Apca{0xAAAAAA, 0x000000, -56},
                          Apca{0x332211, 0xFFEEDD, 92},
                          Apca{0xFFEEDD, 0x332211, -93},
                          Apca{0x332211, 0x444444, 8},
                          Apca{0x444444, 0x332211, -8}})
        EXPECT_EQ(apcaContrast(a.text, a.background), a.lc) << std::hex << a.text << " on " << a.background;
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
    // "ASEF", version 1.0, two blocks; each a colour entry (1) of 36 bytes: the name's 8 UTF-16
    // units with the NUL, "RGB ", three floats (1.0, 128 / 255, 0; 0.2, 0.4, 0.6), global (0).
    std::string hex;
    for (std::uint8_t b : paletteBytes(colours, 2, Ase, AsPanel, true))
        hex.append(1, "0123456789ABCDEF"[b >> 4]).append(1, "0123456789ABCDEF"[b & 15]);
    EXPECT_EQ(hex, "41534546000100000000000200010000002400080023004600460038003000300030000052474220"
                   "3F8000003F008081000000000000"
                   "00010000002400080023003300330036003600390039000052474220"
                   "3E4CCCCD3ECCCCCD3F19999A0000");
    struct Row { const wchar_t* typed; PaletteFormat selected; const wchar_t* path; PaletteFormat format; };
    for (const Row& r : {Row{L"C:\\a\\pal", Gpl, L"C:\\a\\pal.gpl", Gpl}, {L"C:\\a\\pal.ASE", Txt, L"C:\\a\\pal.ASE", Ase},
                         {L"C:\\a.b\\pal", Css, L"C:\\a.b\\pal.css", Css}, {L"pal.txt", Gpl, L"pal.txt", Txt},
                         {L"pal.png", Ase, L"pal.png.ase", Ase}}) {
        const PaletteTarget t = paletteTarget(r.typed, r.selected);
        EXPECT_TRUE(t.path == r.path && t.format == r.format) << static_cast<int>(r.format);
    }
}
