// Drawing a slider onto its owner's device context. It assumes the panel's grey ground:
// erasing is drawing again in that colour.
#include "app/picker_state.h"
#include "display/font_win.h"
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
    HPEN line = CreatePen(PS_SOLID, 1, 0x00000000);
    HGDIOBJ kept = SelectObject(dc, line);
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x + length, y);
    HPEN ground = nullptr;
    if (!visible) {
        ground = CreatePen(PS_SOLID, 1, kPanelGround);
        SelectObject(dc, ground);
    }
    if (!(showPercent && !visible)) {
        MoveToEx(dc, x + thumb, y + 1, nullptr);
        LineTo(dc, x + thumb - 4, y + 8);
        LineTo(dc, x + thumb + 4, y + 8);
        LineTo(dc, x + thumb, y + 1);
    }
    SelectObject(dc, kept);
    DeleteObject(line);
    if (ground) DeleteObject(ground);
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
    HDC dc = GetDC(window);
    if (!dc) return false;
    draw(dc, false);
    const bool moved = moveThumb(px, py);
    draw(dc, true);
    ReleaseDC(window, dc);
    return moved;
}

void SliderControl::setValueAndRedraw(HWND__* window, std::int32_t newValue) {
    HDC dc = GetDC(window);
    draw(dc, false);
    setValue(newValue);
    draw(dc, true);
    if (dc) ReleaseDC(window, dc);
}

void SliderControl::paint(HWND__* window) {
    HDC dc = GetDC(window);
    draw(dc, true);
    if (dc) ReleaseDC(window, dc);
}
