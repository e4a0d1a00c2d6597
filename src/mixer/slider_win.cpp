// Drawing a slider onto its owner's device context. It assumes the panel's grey ground:
// erasing is drawing again in that colour.
#include <windows.h>

#include "core/picker_state.h"
#include "display/font_win.h"
#include "display/panel_colours.h"
#include "display/scoped_gdi_win.h"
#include "display/text_buffer.h"
#include "mixer/slider.h"

void SliderControl::draw(HDC__* dc, bool visible) {
    if (!dc) return;
    if (showPercent) {
        const RECT box = {x - 4, y - 6, x + length + 30, y + 10};
        SetBkColor(dc, kPanelGround);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    }
    {
        const ScopedGdiObject line(CreatePen(PS_SOLID, 1, 0x00000000)), ground(CreatePen(PS_SOLID, 1, kPanelGround));
        const ScopedSelect linePen(dc, line.get());
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + length, y);
        // Erasing draws the old thumb again in the ground colour; a slider with its own box
        // has had it covered already.
        const ScopedSelect thumbPen(dc, visible ? line.get() : ground.get());
        const std::int32_t at = visible ? thumb : drawnThumb;
        if (!(showPercent && !visible)) {
            MoveToEx(dc, x + at, y + 1, nullptr);
            LineTo(dc, x + at - 4, y + 8);
            LineTo(dc, x + at + 4, y + 8);
            LineTo(dc, x + at, y + 1);
        }
    }
    if (!visible) return;
    drawnThumb = thumb;

    if (value < 0) value = 0;
    char shown[40];
    const std::int32_t digits = formatInt(value, picker.readoutRadix, shown);
    if (showPercent) {
        shown[digits] = '%';
        shown[digits + 1] = 0;
    }
    SetBkColor(dc, kPanelGround);
    drawField(dc, x + length + 6, y, shown, 3, 0);
}

void SliderControl::redraw(HDC__* dc) {
    draw(dc, false);
    draw(dc, true);
}
