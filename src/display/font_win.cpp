#include "display/font_win.h"

#include "core/picker_state.h"
#include "display/font.h"

void drawGlyph(HDC dc, char c, int x, int y) {
    const GlyphCell cell = glyphCell(c);
    BitBlt(dc, x, y, 5, 6, picker.glyphDC, cell.x, cell.y, SRCCOPY);
}

void drawString(HDC dc, int x, int y, const char* text) {
    forEachFieldGlyph(x, text, 0, 0, picker.readoutRadix, [&](char c, std::int32_t at) { drawGlyph(dc, c, at, y); });
}

void drawStringWithSigns(HDC dc, int x, int y, const char* text) {
    for (int at = x; *text; ++text, at += 5) {
        const GlyphCell cell = glyphCellWithSigns(*text);
        BitBlt(dc, at, y, 5, 6, picker.glyphDC, cell.x, cell.y, SRCCOPY);
    }
}

void drawField(HDC dc, int x, int y, const char* text, int width, int prefix) {
    forEachFieldGlyph(x, text, width, prefix, picker.readoutRadix,
                      [&](char c, std::int32_t at) { drawGlyph(dc, c, at, y); });
}
