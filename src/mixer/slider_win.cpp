// Drawing a slider onto its owner's device context. It assumes the panel's grey ground:
// erasing is drawing again in that colour.
#include "app/picker_state.h"
#include "display/font_win.h"
#include "display/scoped_gdi_win.h"
#include "mixer/slider.h"

#include <windows.h>

#include <cstring>

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
        if (!(showPercent && !visible)) {
            MoveToEx(dc, x + thumb, y + 1, nullptr);
            LineTo(dc, x + thumb - 4, y + 8);
            LineTo(dc, x + thumb + 4, y + 8);
            LineTo(dc, x + thumb, y + 1);
        }
    }
    if (!visible) return;

    if (value < 0) value = 0;
    text.clear();
    text.appendInt(value, picker.readoutRadix);
    char shown[20];
    std::strncpy(shown, text.data, sizeof shown - 2);
    shown[sizeof shown - 2] = 0;
    if (showPercent) std::strcat(shown, "%");
    SetBkColor(dc, kPanelGround);
    drawField(dc, x + length + 6, y, shown, 3, 0);
}

bool SliderControl::dragTo(HWND__* window, std::int32_t px, std::int32_t py) {
    if (!dragging) return false;
    const ScopedGetDC dc(window);
    if (!dc) return false;
    draw(dc, false);
    const bool moved = moveThumb(px, py);
    draw(dc, true);
    return moved;
}

void SliderControl::setValueAndRedraw(HWND__* window, std::int32_t newValue) {
    const ScopedGetDC dc(window);
    draw(dc, false);
    setValue(newValue);
    draw(dc, true);
}

void SliderControl::paint(HWND__* window) {
    draw(ScopedGetDC(window), true);
}
