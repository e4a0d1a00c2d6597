// Painting the panel.
#include "app/picker_state.h"
#include "display/paint_win.h"

void paintFrame(HDC) {}
void paintReadouts(HDC, bool) {}
void outlineRect(HDC dc, const RECT& rect) {
    const POINT corners[5] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom},
                              {rect.left, rect.bottom}, {rect.left, rect.top}};
    Polyline(dc, corners, 5);
}
