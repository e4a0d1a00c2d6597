// Panel painting: the frame, the readouts and the outline helper.
#pragma once

#include <windows.h>

#include "core/types.h"

// What the readouts show besides the live screen under the pointer.
struct ReadoutSource {
    bool preview = false;       // the mixer's preview: the mix in the magnifier, the picked colour in the swatch
    Colour pickedColour = 0;    // the swatch during the preview
    bool fromSnapshot = false;  // the colour under the pointer comes from the mixer's frozen screen
    Colour snapshotColour = 0;
    Rect band;                  // the capture's band while it is dragged, for the coordinates line
    bool dragging = false;
    bool evenFrozen = false;    // painted though the panel is frozen: the keys stepped its point
};

// Where the panel's pictures are painted: at scale 1 the window itself; above it a picture of
// the panel kept in memory at one pixel a panel pixel, enlarged pixel for pixel onto the
// window when the painting is done. Everything painted keeps its panel coordinates.
class PanelCanvas {
public:
    explicit PanelCanvas(HDC window);
    ~PanelCanvas();
    PanelCanvas(const PanelCanvas&) = delete;
    PanelCanvas& operator=(const PanelCanvas&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC window_;
    HDC dc_;
};

void paintFrame(HDC dc);
// False when nothing was painted (a frozen panel, or no screen to read).
bool paintReadouts(HDC dc, const ReadoutSource& source);
void outlineRect(HDC dc, const RECT& rect);
// Releases the memory the magnifier copies the screen into; at shutdown.
void releaseMagnifierGrab();
// Releases the scaled panel's picture; at shutdown (never while a PanelCanvas paints on it).
void releasePanelPicture();
