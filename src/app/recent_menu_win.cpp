// The "Недавние цвета" submenu, made from the recent colours whenever the menu opens, so that
// its texts follow the chosen format.
#include "app/app_win.h"
#include "copy/formats.h"
#include "core/commands.h"
#include "core/picker_state.h"
#include "display/scoped_gdi_win.h"

namespace {

constexpr int kRecentPosition = 3;  // in the popup menu, after "Помощь"
constexpr int kSwatchSide = 12;
HBITMAP swatches[kRecentColours] = {};

// A square of the colour in a black frame: a white or pale colour still shows as a square.
HBITMAP makeSwatch(Colour colour) {
    const ScopedGetDC screen(nullptr);
    const ScopedMemoryDC memory(screen);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(screen, kSwatchSide, kSwatchSide) : nullptr;
    if (!bitmap) return nullptr;
    const ScopedSelect selected(memory, bitmap);
    const RECT frame = {0, 0, kSwatchSide, kSwatchSide}, inside = {1, 1, kSwatchSide - 1, kSwatchSide - 1};
    SetBkColor(memory, RGB(0, 0, 0));
    ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &frame, nullptr, 0, nullptr);
    SetBkColor(memory, colour & 0xFFFFFF);
    ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &inside, nullptr, 0, nullptr);
    return bitmap;
}

}  // namespace

void releaseRecentSwatches() {
    for (HBITMAP& swatch : swatches) {
        if (swatch) DeleteObject(swatch);
        swatch = nullptr;
    }
}

void fillRecentMenu() {
    HMENU recent = GetSubMenu(GetSubMenu(picker.appMenu, 0), kRecentPosition);
    if (!recent) return;
    while (GetMenuItemCount(recent) > 0) DeleteMenu(recent, 0, MF_BYPOSITION);
    releaseRecentSwatches();  // only once no item shows them
    AppendMenuW(recent, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(recent, MF_STRING | (picker.recentCount ? 0u : MF_GRAYED), cmd::SavePalette,
                L"Сохранить как палитру…");
    if (picker.recentCount == 0)
        InsertMenuW(recent, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, cmd::RecentFirst, L"(пусто)");
    for (std::int32_t i = 0; i < picker.recentCount && i < kRecentColours; ++i) {
        char copied[52], text[2 * sizeof copied];
        colourText(picker.recent[i], picker.copyFormat, picker.hexReadouts != 0, copied, sizeof copied);
        // A menu reads '&' as the mark of a shortcut letter; "&&" shows one.
        char* out = text;
        for (const char* c = copied; *c; ++c) {
            if (*c == '&') *out++ = '&';
            *out++ = *c;
        }
        *out = 0;
        swatches[i] = makeSwatch(picker.recent[i]);
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
        item.wID = cmd::RecentFirst + static_cast<UINT>(i);
        item.dwTypeData = text;
        item.hbmpItem = swatches[i];
        InsertMenuItemA(recent, static_cast<UINT>(i), TRUE, &item);
    }
}
