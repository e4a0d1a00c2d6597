// Panel painting: the frame, the readouts and the outline helper.
#pragma once

#include <windows.h>

void paintFrame(HDC dc);
void paintReadouts(HDC dc, bool preview);
void outlineRect(HDC dc, const RECT& rect);
// Releases the memory the magnifier copies the screen into; at shutdown.
void releaseMagnifierGrab();
