// The panel's 5 x 6 bitmap font, drawn from the glyph bitmap's memory context. Ink takes
// the destination's text colour (black), ground its background colour: every cell is
// opaque.
#pragma once

#include <windows.h>

void drawGlyph(HDC dc, char c, int x, int y);
void drawString(HDC dc, int x, int y, const char* text);
// drawString with the signs of the contrast line.
void drawStringWithSigns(HDC dc, int x, int y, const char* text);
// A label of prefix characters, then the rest right-aligned in a field of width cells,
// padded with blank cells in decimal and "0" glyphs in hexadecimal.
void drawField(HDC dc, int x, int y, const char* text, int width, int prefix);
