// The panel window procedure driven as the system drives it, through the real window and
// menu: every menu command, the tray callback, clicks on the panel, the about-window gates;
// and the check marks that settings stored in the registry give at start-up.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "tracking/layout.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

constexpr const char* kKey = "Software\\Korvex\\Tintspot";

// Command ids of the menu's items in order, submenus walked in place; only the checked
// ones when asked.
void collectIds(HMENU menu, bool onlyChecked, std::vector<UINT>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            collectIds(sub, onlyChecked, out);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        const bool checked = GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED;
        if (id != 0 && (!onlyChecked || checked)) out.push_back(id);
    }
}

std::set<UINT> checkedItems() {
    std::vector<UINT> ids;
    collectIds(picker.appMenu, true, ids);
    return {ids.begin(), ids.end()};
}

// What an open popup menu looked like: the timer below reads it from inside the menu's
// modal loop, then closes it.
struct SeenPopup {
    bool open = false;
    RECT rect = {};
    HMENU menu = nullptr;
};
SeenPopup seen;

void CALLBACK readAndClosePopup(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup && IsWindowVisible(popup)) {
        seen.open = true;
        GetWindowRect(popup, &seen.rect);
        seen.menu = reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1, 0, 0));  // MN_GETHMENU
    }
    EndMenu();
}

// Sends a message that may open a popup menu, and reports the popup it opened, if any.
SeenPopup sendWatchingForPopup(UINT message, WPARAM wParam, LPARAM lParam) {
    seen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, readAndClosePopup);
    SendMessageA(picker.panelHwnd, message, wParam, lParam);
    KillTimer(nullptr, timer);
    MSG m;
    while (PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {}
    return seen;
}

class Commands : public StartedUp {
protected:
    void SetUp() override {
        StartedUp::SetUp();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        loadSettings();
        layoutPanel();
        takePanelMessages();
    }
    void TearDown() override {
        hidePanel();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    }
    void command(UINT id) { SendMessageA(picker.panelHwnd, WM_COMMAND, id, 0); }
};

}  // namespace

TEST(Menu, CommandIdsInOrderAndTheTextsInCyrillic) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(133));
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> ids;
    collectIds(menu, false, ids);
    const std::vector<UINT> expected = {32792, 32785, 32802, 32782, 32783, 32784, 32788, 32787, 32786,
                                        32804, 32805, 32806, 32807, 32794, 32793, 32809, 32778, 32781};
    EXPECT_EQ(ids, expected);
    std::vector<UINT> checkedInResource;
    collectIds(menu, true, checkedInResource);
    EXPECT_TRUE(checkedInResource.empty()) << "check marks are set at run time only";
    // The resource script is UTF-8; a wrong code page would give mojibake here.
    wchar_t text[32] = {};
    GetMenuStringW(GetSubMenu(menu, 0), 32781, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Выход");
    DestroyMenu(menu);
}

TEST_F(Commands, EveryMenuCommandChangesItsSettingCheckMarksAndPanel) {
    // sir, cellSize, velikost, showhexa, readoutRadix, showcoord, showhsv, convertcolflag, nomove, show
    using Expected = std::array<std::int32_t, 10>;
    struct Step {
        const char* what;
        UINT command;
        std::int32_t freezeBefore;
        Expected state;
        std::set<UINT> checks;
        bool frame;  // UM_FRAME posted
    };
    using namespace cmd;
    const Step steps[] = {
        {"pipette max", PipetteMax, 0, {7, 7, 0, 0, 10, 1, 0, 0, 0, 0}, {PipetteMax, WindowNormal, Coordinates, PaletteNormal}, true},
        {"pipette min", PipetteMin, 0, {15, 3, 0, 0, 10, 1, 0, 0, 0, 0}, {PipetteMin, WindowNormal, Coordinates, PaletteNormal}, true},
        {"pipette normal", PipetteNormal, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0}, {PipetteNormal, WindowNormal, Coordinates, PaletteNormal}, true},
        {"window max", WindowMax, 0, {9, 5, 10, 0, 10, 1, 0, 0, 0, 0}, {PipetteNormal, WindowMax, Coordinates, PaletteNormal}, true},
        {"window min", WindowMin, 0, {9, 5, -2, 0, 10, 1, 0, 0, 0, 0}, {PipetteNormal, WindowMin, Coordinates, PaletteNormal}, true},
        {"window normal", WindowNormal, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0}, {PipetteNormal, WindowNormal, Coordinates, PaletteNormal}, true},
        {"hex on", HexValues, 0, {9, 5, 0, 1, 16, 1, 0, 0, 0, 0}, {PipetteNormal, WindowNormal, Coordinates, PaletteNormal, HexValues}, true},
        {"hex off", HexValues, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0}, {PipetteNormal, WindowNormal, Coordinates, PaletteNormal}, true},
        {"coordinates off", Coordinates, 0, {9, 5, 0, 0, 10, 0, 0, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal}, true},
        {"hsv on", HsvCmyk, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, true},
        {"web palette", PaletteWeb, 0, {9, 5, 0, 0, 10, 0, 1, 1, 0, 0}, {PipetteNormal, WindowNormal, PaletteWeb, HsvCmyk}, true},
        {"grey", PaletteGray, 0, {9, 5, 0, 0, 10, 0, 1, 2, 0, 0}, {PipetteNormal, WindowNormal, PaletteGray, HsvCmyk}, true},
        {"invert", PaletteInvert, 0, {9, 5, 0, 0, 10, 0, 1, 3, 0, 0}, {PipetteNormal, WindowNormal, PaletteInvert, HsvCmyk}, true},
        {"no filter", PaletteNormal, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, true},
        {"attach pins and unfreezes", AttachToCursor, 1, {9, 5, 0, 0, 10, 0, 1, 0, 1, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, true},
        {"attach again releases", AttachToCursor, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, true},
        {"show", ShowHide, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, false},
        {"hide", ShowHide, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, false},
        {"unknown id", 40000, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0}, {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk}, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        picker.freeze = s.freezeBefore;
        command(s.command);
        const Expected got = {picker.sir, picker.cellSize, picker.velikost, picker.showhexa, picker.readoutRadix,
                              picker.showcoord, picker.showhsv, picker.convertcolflag, picker.nomove, picker.show};
        EXPECT_EQ(got, s.state);
        EXPECT_EQ(picker.freeze, 0);
        EXPECT_EQ(checkedItems(), s.checks);
        EXPECT_EQ(IsWindowVisible(picker.panelHwnd) != 0, picker.show != 0);
        EXPECT_EQ(picker.hookHandle != nullptr, picker.show != 0);
        const std::vector<UINT> posted = takePanelMessages();
        EXPECT_EQ(posted == std::vector<UINT>{UM_FRAME}, s.frame);
        // The window has the size the new settings lay out.
        PickerState fresh = picker;
        computeLayout(fresh);
        RECT r;
        GetWindowRect(picker.panelHwnd, &r);
        EXPECT_EQ(r.right - r.left, fresh.panelWidth);
        EXPECT_EQ(r.bottom - r.top, fresh.panelHeight);
    }
}

TEST_F(Commands, TrayAndPanelClicksShowHideAndOpenThePopups) {
    for (std::int32_t shown : {1, 1, 0}) {
        SendMessageA(picker.panelHwnd, UM_TRAY, 0, shown == picker.show ? WM_LBUTTONDOWN : WM_LBUTTONDBLCLK);
        EXPECT_EQ(picker.show, shown) << "a double click toggles; other messages on the icon do nothing";
        EXPECT_EQ(IsWindowVisible(picker.panelHwnd) != 0, shown != 0);
    }
    SetCursorPos(500, 300);
    SeenPopup popup = sendWatchingForPopup(UM_TRAY, 0, WM_RBUTTONUP);
    EXPECT_EQ(popup.menu, GetSubMenu(picker.appMenu, 0));
    EXPECT_EQ(popup.rect.left, 500 - 130);
    EXPECT_EQ(popup.rect.top, picker.screenHeight - 170);

    picker.nomove = 1;  // the hook must not move the panel while the menu is open
    picker.xokna = 400;
    picker.yokna = 200;
    showPanel();
    // Left of the panel with a 5-pixel gap when the menu reports an item wider than 130
    // pixels (it does once the popup has been shown), unless that runs off the screen.
    RECT item = {};
    GetMenuItemRect(picker.panelHwnd, GetSubMenu(picker.appMenu, 0), 1, &item);
    const int width = item.right - item.left;
    ASSERT_GT(width, 130);
    for (auto [xokna, x] : {std::pair{400, 400 - width - 5}, std::pair{100, 100 + picker.panelWidth}}) {
        picker.xokna = xokna;
        placePanel();
        popup = sendWatchingForPopup(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
        EXPECT_EQ(popup.menu, GetSubMenu(picker.appMenu, 0));
        EXPECT_EQ(popup.rect.left, x);
        EXPECT_EQ(popup.rect.top, 200);
    }
}

TEST_F(Commands, WhileTheAboutWindowIsOpenOnlyTheDoubleClickActs) {
    picker.aboutActive = 1;
    picker.moveform = 1;
    for (UINT id : {cmd::PipetteMax, cmd::ShowHide}) command(id);
    SendMessageA(picker.panelHwnd, UM_TRAY, 0, WM_LBUTTONDBLCLK);
    SendMessageA(picker.panelHwnd, WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(sendWatchingForPopup(WM_RBUTTONDOWN, 0, 0).open);
    EXPECT_FALSE(sendWatchingForPopup(UM_TRAY, 0, WM_RBUTTONUP).open);
    EXPECT_EQ(picker.sir, 9);
    EXPECT_EQ(picker.show, 0);
    EXPECT_EQ(picker.moveform, 1);
    EXPECT_TRUE(takePanelMessages().empty());
    SendMessageA(picker.panelHwnd, WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(picker.show, 1);
    picker.aboutActive = 0;
    // Without it a press on the panel starts a drag, and unfreezes; the release ends it.
    picker.freeze = 1;
    SendMessageA(picker.panelHwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(picker.freeze, 0);
    SendMessageA(picker.panelHwnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(picker.moveform, 0);
    EXPECT_EQ(SendMessageA(picker.panelHwnd, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
}

struct Stored {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values;
    std::int32_t sir, cellSize, velikost, radix;
    std::set<UINT> checks;
};
void PrintTo(const Stored& stored, std::ostream* out) { *out << stored.what; }
class StoredSettings : public StartedUp, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredSettings, SetFieldsAndCheckMarksAtStartUp) {
    const Stored& c = GetParam();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    HKEY key;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    for (auto [name, value] : c.values)
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), lstrlenA(value) + 1);
    RegCloseKey(key);
    loadSettings();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ((std::array{picker.sir, picker.cellSize, picker.velikost, picker.readoutRadix}),
              (std::array{c.sir, c.cellSize, c.velikost, c.radix}));
    EXPECT_EQ(checkedItems(), c.checks);
}

using namespace cmd;
INSTANTIATE_TEST_SUITE_P(Registry, StoredSettings, ::testing::Values(
    Stored{"nothing stored", {}, 9, 5, 0, 10, {PaletteNormal, WindowNormal, Coordinates, PipetteNormal}},
    Stored{"every item on", {{"convertcolflag", "3"}, {"velikost", "10"}, {"showhsv", "1"}, {"showhexa", "1"},
           {"sir", "15"}}, 15, 3, 10, 16, {PaletteInvert, WindowMax, Coordinates, HsvCmyk, HexValues, PipetteMin}},
    Stored{"the other sizes", {{"showcoord", "0"}, {"velikost", "-2"}, {"sir", "7"}, {"convertcolflag", "1"}},
           7, 7, -2, 10, {PaletteWeb, WindowMin, PipetteMax}},
    Stored{"values off the menu", {{"convertcolflag", "4"}, {"velikost", "5"}, {"sir", "11"}, {"showhexa", "2"}},
           11, 5, 5, 16, {Coordinates, HexValues}}));
