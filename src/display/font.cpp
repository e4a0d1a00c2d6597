#include "display/font.h"

namespace {

// Cells of the glyph bitmap; the shapes are in resources/pictures/glyphs.txt.
constexpr GlyphCell kBlankCell = {25, 12};

struct Punctuation {
    char c;
    GlyphCell cell;
};
constexpr Punctuation kPunctuation[] = {
    {'(', {110, 6}}, {')', {115, 6}}, {'%', {130, 6}}, {',', {135, 6}}, {'=', {140, 6}},
};

}  // namespace

GlyphCell glyphCell(char c) {
    // Signed on purpose: codes above 127 are negative and must not fold.
    std::int32_t code = static_cast<signed char>(c);
    if (code >= 97) code -= 32;
    if (code >= 'A' && code <= 'Z') return {5 * (code - 'A'), 0};
    if (code >= '0' && code <= '9') return {5 * (code - '0'), 6};
    for (const Punctuation& p : kPunctuation)
        if (p.c == code) return p.cell;
    return kBlankCell;
}

GlyphCell glyphCellWithSigns(char c) {
    switch (c) {
    case '.': return {50, 6};
    case ':': return {55, 6};
    case '-': return {60, 6};
    default: return glyphCell(c);
    }
}

char fieldPad(std::int32_t radix) { return radix == 16 ? '0' : ' '; }
