// Menu 133 read back as UTF-16: the Russian texts must arrive intact, not as mojibake,
// and every item must carry its command id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "resource_ids.h"

namespace {

struct Item {
    std::wstring text;  // empty for a separator
    UINT id;            // 0 for a submenu or separator
    std::vector<Item> sub;
};

std::wstring itemText(HMENU menu, int position) {
    wchar_t text[100] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 100;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return text;
}

void expectMenu(HMENU menu, const std::vector<Item>& expected) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const Item& e = expected[i];
        SCOPED_TRACE(i);
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        ASSERT_TRUE(GetMenuItemInfoW(menu, i, TRUE, &info));
        EXPECT_FALSE(info.fState & MFS_CHECKED) << "no item is checked in the resource";
        if (e.text.empty()) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_EQ(itemText(menu, i), e.text);
        if (e.sub.empty()) {
            EXPECT_EQ(info.hSubMenu, nullptr);
            EXPECT_EQ(info.wID, e.id);
        } else {
            ASSERT_NE(info.hSubMenu, nullptr);
            expectMenu(info.hSubMenu, e.sub);
        }
    }
}

}  // namespace

TEST(Menu, TextsAndCommandIdsOfEveryItem) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_APP_MENU));
    ASSERT_NE(menu, nullptr);
    const std::vector<Item> sizes = {{L"Минимальный", 32782, {}}, {L"Нормальный", 32783, {}},
                                     {L"Максимальный", 32784, {}}};
    const std::vector<Item> windows = {{L"Минимальный", 32788, {}}, {L"Нормальный", 32787, {}},
                                       {L"Максимальный", 32786, {}}};
    const std::vector<Item> palette = {{L"Нормальные", 32804, {}}, {L"Web палитра", 32805, {}},
                                       {L"Серый", 32806, {}}, {L"Инверсия", 32807, {}}};
    const std::vector<Item> settings = {{L"Координаты", 32792, {}},  {L"Hex Values", 32785, {}},
                                        {L"HSV / CMYK", 32802, {}},  {L"", 0, {}},
                                        {L"Размер пипетки", 0, sizes}, {L"Размер окна", 0, windows},
                                        {L"Палитра цветов", 0, palette}};
    const std::vector<Item> popup = {{L"Установки", 0, settings},
                                     {L"Микшер цветов", 32794, {}},
                                     {L"Помощь", 32793, {}},
                                     {L"", 0, {}},
                                     {L"Привязать к курсору", 32809, {}},
                                     {L"Показать/Скрыть", 32778, {}},
                                     {L"Выход", 32781, {}}};
    expectMenu(menu, {{L"Меню", 0, popup}});
    DestroyMenu(menu);
}

TEST(Menu, SetMenuCheckFindsItemsInSubmenusByCommand) {
    picker.appMenu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_APP_MENU));
    ASSERT_NE(picker.appMenu, nullptr);
    for (UINT id : {cmd::PipetteMax, cmd::PaletteInvert, cmd::Coordinates, cmd::Exit}) {
        SCOPED_TRACE(id);
        setMenuCheck(id, true);
        EXPECT_EQ(GetMenuState(picker.appMenu, id, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
        setMenuCheck(id, false);
        EXPECT_EQ(GetMenuState(picker.appMenu, id, MF_BYCOMMAND) & MF_CHECKED, 0u);
    }
    DestroyMenu(picker.appMenu);
}
