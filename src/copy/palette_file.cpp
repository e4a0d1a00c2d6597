#include "copy/palette_file.h"

#include <bit>
#include <cstdio>
#include <cwctype>
#include <string_view>

#include "copy/formats.h"
#include "core/colour_maths.h"

namespace {

constexpr const wchar_t* kExtensions[kPaletteFormats] = {L".gpl", L".ase", L".css", L".txt"};

struct Rgb {
    int r, g, b;
};
Rgb channels(Colour c) {
    return {static_cast<int>(redOf(c)), static_cast<int>(greenOf(c)), static_cast<int>(blueOf(c))};
}

// "#FF8000": the name every format gives a colour.
std::string code(Colour c) {
    char text[7];
    hexCode(c, text);
    return std::string("#") + text;
}

void text(std::string& out, std::string_view s) { out += s; }

// Big-endian, as the swatch exchange format is throughout.
void u16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v >> 8 & 0xFF);
    out += static_cast<char>(v & 0xFF);
}
void u32(std::string& out, std::uint32_t v) {
    u16(out, v >> 16);
    u16(out, v & 0xFFFF);
}

void gpl(std::string& out, const Colour* colours, std::size_t count) {
    text(out, "GIMP Palette\nName: Tintspot recent colours\nColumns: " + std::to_string(count) + "\n#\n");
    for (std::size_t i = 0; i < count; ++i) {
        char line[40];
        const Rgb v = channels(colours[i]);
        std::snprintf(line, sizeof line, "%3d %3d %3d\t%s\n", v.r, v.g, v.b, code(colours[i]).c_str());
        text(out, line);
    }
}

void ase(std::string& out, const Colour* colours, std::size_t count) {
    text(out, "ASEF");
    u16(out, 1);  // version 1.0
    u16(out, 0);
    u32(out, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = code(colours[i]);
        const auto units = static_cast<std::uint32_t>(name.size() + 1);  // UTF-16 code units with the NUL
        u16(out, 0x0001);                                                 // a colour entry
        u32(out, 2 + 2 * units + 4 + 3 * 4 + 2);                          // the length of what follows
        u16(out, units);
        for (char c : name) u16(out, static_cast<unsigned char>(c));
        u16(out, 0);
        text(out, "RGB ");
        const Rgb v = channels(colours[i]);
        for (int channel : {v.r, v.g, v.b})
            u32(out, std::bit_cast<std::uint32_t>(static_cast<float>(channel) / 255.0f));
        u16(out, 0);  // global
    }
}

void css(std::string& out, const Colour* colours, std::size_t count) {
    text(out, ":root {\n");
    for (std::size_t i = 0; i < count; ++i)
        text(out, "  --tintspot-" + std::to_string(i + 1) + ": " + code(colours[i]) + ";\n");
    text(out, "}\n");
}

void txt(std::string& out, const Colour* colours, std::size_t count, std::int32_t format, bool hex) {
    for (std::size_t i = 0; i < count; ++i) {
        char line[60];
        colourText(colours[i], format, hex, line, sizeof line);
        text(out, line);
        text(out, "\n");
    }
}

}  // namespace

std::vector<std::uint8_t> paletteBytes(const Colour* colours, std::size_t count, PaletteFormat format,
                                       std::int32_t copyFormat, bool hexadecimal) {
    std::string out;  // built as text: GCC 12 warns wrongly of overflows in a vector grown byte by byte
    switch (format) {
    case Ase: ase(out, colours, count); break;
    case Css: css(out, colours, count); break;
    case Txt: txt(out, colours, count, copyFormat, hexadecimal); break;
    default: gpl(out, colours, count); break;
    }
    return {out.begin(), out.end()};
}

PaletteTarget paletteTarget(const std::wstring& path, PaletteFormat selected) {
    const std::size_t dot = path.find_last_of(L'.'), folder = path.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (folder == std::wstring::npos || dot > folder)) {
        std::wstring extension = path.substr(dot);
        for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
        for (std::int32_t f = 0; f < kPaletteFormats; ++f)
            if (extension == kExtensions[f]) return {path, static_cast<PaletteFormat>(f)};
    }
    const auto format = selected >= 0 && selected < kPaletteFormats ? selected : Gpl;
    return {path + kExtensions[format], format};
}
