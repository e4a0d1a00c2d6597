#include "display/font_win.h"

#include "core/picker_state.h"
#include "display/font.h"

namespace {
void drawCell(HDC dc, GlyphCell cell, int x, int y) {
    BitBlt(dc, x, y, 5, 6, picker.glyphDC, cell.x, cell.y, SRCCOPY);
}
}  // namespace

void drawGlyph(HDC dc, char c, int x, int y) { drawCell(dc, glyphCell(c), x, y); }

void drawString(HDC dc, int x, int y, const char* text) {
    forEachFieldGlyph(x, text, 0, 0, picker.readoutRadix, [&](char c, std::int32_t at) { drawGlyph(dc, c, at, y); });
}

void drawStringWithSigns(HDC dc, int x, int y, const char* text) {
    forEachFieldGlyph(x, text, 0, 0, picker.readoutRadix,
                      [&](char c, std::int32_t at) { drawCell(dc, glyphCellWithSigns(c), at, y); });
}

void drawField(HDC dc, int x, int y, const char* text, int width, int prefix) {
    forEachFieldGlyph(x, text, width, prefix, picker.readoutRadix,
                      [&](char c, std::int32_t at) { drawGlyph(dc, c, at, y); });
}
