// The recent colours as a palette file, for image editors and design tools: the bytes of each
// format, and which format and name a chosen file gets. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/types.h"

// In the order of the Save As dialog's list of types.
enum PaletteFormat : std::int32_t {
    Gpl,  // GIMP palette: a text header, then "R G B<TAB>name" lines
    Ase,  // Adobe swatch exchange: big-endian blocks, one global RGB colour entry a colour
    Css,  // CSS custom properties: ":root { --tintspot-1: #FF8000; ... }"
    Txt,  // plain text: one colour a line in the chosen copy format
    kPaletteFormats
};

// The file's bytes for the colours (0x00BBGGRR), in the order given (newest first). Each colour
// is named by its code, "#FF8000"; the text one is written as a copy in copyFormat would be.
std::vector<std::uint8_t> paletteBytes(const Colour* colours, std::size_t count, PaletteFormat format,
                                       std::int32_t copyFormat, bool hexadecimal);

struct PaletteTarget {
    std::wstring path;
    PaletteFormat format;
};
// A name ending in one of the four extensions (any case) is written in that format, whatever
// type is selected; any other name gets the selected type's extension added.
PaletteTarget paletteTarget(const std::wstring& path, PaletteFormat selected);
