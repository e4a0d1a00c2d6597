// Panel painting: the frame, the readouts and the outline helper.
#pragma once

#include <windows.h>

void paintFrame(HDC dc);
void paintReadouts(HDC dc, bool preview);
void outlineRect(HDC dc, const RECT& rect);
// Releases the memory the magnifier copies the screen into; at shutdown.
void releaseMagnifierGrab();

// When set, the magnifier reads one GetPixel per cell instead of one block copy: the
// benchmark's reference, and what the painting falls back to without a DIB section.
extern bool magnifierPerPixelReads;
