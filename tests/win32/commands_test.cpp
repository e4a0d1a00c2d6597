// The panel window procedure driven as the system drives it, through the real window and
// menu: every menu command, the tray callback, clicks on the panel, the about-window gates;
// and the check marks that settings stored in the registry give at start-up.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
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
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        loadSettings();
        layoutPanel();
        takePanelMessages();
    }
    void TearDown() override {
        hidePanel();
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
    // The resource script is UTF-8; a wrong code page would give mojibake here.
    wchar_t text[32] = {};
    GetMenuStringW(GetSubMenu(menu, 0), 32781, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Выход");
    DestroyMenu(menu);
}

// Each step sends one message to the panel, as the system would, and checks the state, the
// check marks, what is posted to the panel and the window's size and visibility after it.
TEST_F(Commands, EveryCommandAndClickThroughThePanelWindowProcedure) {
    // sir, cellSize, velikost, showhexa, readoutRadix, showcoord, showhsv, convertcolflag, nomove, show,
    // moveform, freeze (1 before every step)
    using State = std::array<std::int32_t, 12>;
    struct Step {
        const char* what;
        std::uint8_t about;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        State state;
        std::set<UINT> checks;
        std::vector<UINT> posted;
    };
    using namespace cmd;
    const std::set<UINT> start = {PipetteNormal, WindowNormal, Coordinates, PaletteNormal};
    const std::set<UINT> later = {PipetteNormal, WindowNormal, PaletteNormal, HsvCmyk};
    const std::vector<UINT> frame = {UM_FRAME};
    const Step steps[] = {
        {"pipette max", 0, WM_COMMAND, PipetteMax, 0, {7, 7, 0, 0, 10, 1, 0, 0, 0, 0, 0, 1}, {PipetteMax, WindowNormal, Coordinates, PaletteNormal}, frame},
        {"pipette min", 0, WM_COMMAND, PipetteMin, 0, {15, 3, 0, 0, 10, 1, 0, 0, 0, 0, 0, 1}, {PipetteMin, WindowNormal, Coordinates, PaletteNormal}, frame},
        {"pipette normal", 0, WM_COMMAND, PipetteNormal, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0, 0, 1}, start, frame},
        {"window max", 0, WM_COMMAND, WindowMax, 0, {9, 5, 10, 0, 10, 1, 0, 0, 0, 0, 0, 1}, {PipetteNormal, WindowMax, Coordinates, PaletteNormal}, frame},
        {"window min", 0, WM_COMMAND, WindowMin, 0, {9, 5, -2, 0, 10, 1, 0, 0, 0, 0, 0, 1}, {PipetteNormal, WindowMin, Coordinates, PaletteNormal}, frame},
        {"window normal", 0, WM_COMMAND, WindowNormal, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0, 0, 1}, start, frame},
        {"hex on", 0, WM_COMMAND, HexValues, 0, {9, 5, 0, 1, 16, 1, 0, 0, 0, 0, 0, 1}, {PipetteNormal, WindowNormal, Coordinates, PaletteNormal, HexValues}, frame},
        {"hex off", 0, WM_COMMAND, HexValues, 0, {9, 5, 0, 0, 10, 1, 0, 0, 0, 0, 0, 1}, start, frame},
        {"coordinates off", 0, WM_COMMAND, Coordinates, 0, {9, 5, 0, 0, 10, 0, 0, 0, 0, 0, 0, 1}, {PipetteNormal, WindowNormal, PaletteNormal}, frame},
        {"hsv on", 0, WM_COMMAND, HsvCmyk, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1}, later, frame},
        {"web palette", 0, WM_COMMAND, PaletteWeb, 0, {9, 5, 0, 0, 10, 0, 1, 1, 0, 0, 0, 1}, {PipetteNormal, WindowNormal, PaletteWeb, HsvCmyk}, frame},
        {"grey", 0, WM_COMMAND, PaletteGray, 0, {9, 5, 0, 0, 10, 0, 1, 2, 0, 0, 0, 1}, {PipetteNormal, WindowNormal, PaletteGray, HsvCmyk}, frame},
        {"invert", 0, WM_COMMAND, PaletteInvert, 0, {9, 5, 0, 0, 10, 0, 1, 3, 0, 0, 0, 1}, {PipetteNormal, WindowNormal, PaletteInvert, HsvCmyk}, frame},
        {"no filter", 0, WM_COMMAND, PaletteNormal, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1}, later, frame},
        {"attach pins and unfreezes", 0, WM_COMMAND, AttachToCursor, 0, {9, 5, 0, 0, 10, 0, 1, 0, 1, 0, 0, 0}, later, frame},
        {"attach again releases", 0, WM_COMMAND, AttachToCursor, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 0}, later, frame},
        {"show", 0, WM_COMMAND, ShowHide, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 0}, later, {}},
        {"hide", 0, WM_COMMAND, ShowHide, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1}, later, {}},
        {"unknown id", 0, WM_COMMAND, 40000, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1}, later, {}},
        {"tray double click shows", 0, UM_TRAY, 0, WM_LBUTTONDBLCLK, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 0}, later, {}},
        {"other tray clicks do nothing", 0, UM_TRAY, 0, WM_LBUTTONDOWN, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 1}, later, {}},
        {"press on the panel starts a drag", 0, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3), {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 1, 0}, later, {UM_FRAME, UM_READOUT}},
        {"and the release ends it", 0, WM_LBUTTONUP, 0, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 1}, later, {}},
        // While the about window is open only a double click on the panel acts.
        {"about: command", 1, WM_COMMAND, PipetteMax, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 1}, later, {}},
        {"about: tray", 1, UM_TRAY, 0, WM_LBUTTONDBLCLK, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 1}, later, {}},
        {"about: press", 1, WM_LBUTTONDOWN, 0, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 1, 0, 1}, later, {}},
        {"about: double click hides", 1, WM_LBUTTONDBLCLK, 0, 0, {9, 5, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1}, later, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        picker.aboutActive = s.about;
        picker.freeze = 1;
        SendMessageA(picker.panelHwnd, s.message, s.wParam, s.lParam);
        const State got = {picker.sir, picker.cellSize, picker.velikost, picker.showhexa, picker.readoutRadix,
                           picker.showcoord, picker.showhsv, picker.convertcolflag, picker.nomove, picker.show,
                           picker.moveform, picker.freeze};
        EXPECT_EQ(got, s.state);
        EXPECT_EQ(checkedItems(), s.checks);
        EXPECT_EQ(takePanelMessages(), s.posted);
        EXPECT_EQ(IsWindowVisible(picker.panelHwnd) && picker.hookHandle, picker.show != 0);
        PickerState fresh = picker;  // the window has the size the settings lay out
        computeLayout(fresh);
        RECT r;
        GetWindowRect(picker.panelHwnd, &r);
        EXPECT_EQ((std::array{r.right - r.left, r.bottom - r.top}), (std::array<LONG, 2>{fresh.panelWidth, fresh.panelHeight}));
    }
}

TEST_F(Commands, TrayAndPanelPopupsOpenWhereTheyShould) {
    EXPECT_EQ(SendMessageA(picker.panelHwnd, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    picker.aboutActive = 1;
    EXPECT_FALSE(sendWatchingForPopup(WM_RBUTTONDOWN, 0, 0).open);
    EXPECT_FALSE(sendWatchingForPopup(UM_TRAY, 0, WM_RBUTTONUP).open);
    picker.aboutActive = 0;
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


// Settings stored by the user, as the next start finds them, and as the exit writes them back.
struct Stored {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values;  // text; null stores a REG_DWORD 5
    std::array<std::int32_t, 8> state;  // sir, cellSize, velikost, readoutRadix, showhexa, showcoord, nomove, moveform
    std::set<UINT> checks;
    std::vector<std::pair<const char*, const char*>> written;
};
void PrintTo(const Stored& stored, std::ostream* out) { *out << stored.what; }
class StoredSettings : public StartedUp, public ::testing::WithParamInterface<Stored> {};

std::string storedText(HKEY root, const char* name) {
    char text[100] = {};
    DWORD size = sizeof text;
    return RegGetValueA(root, kKey, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS ? text : "(none)";
}

void store(HKEY root, const std::vector<std::pair<const char*, const char*>>& values) {
    HKEY key;
    RegCreateKeyExA(root, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    const DWORD five = 5;
    for (auto [name, value] : values)
        if (value)
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), lstrlenA(value) + 1);
        else
            RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), sizeof five);
    RegCloseKey(key);
}

TEST_P(StoredSettings, AreMadeSafeAndSetFieldsAndCheckMarksAtStartUp) {
    const Stored& c = GetParam();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    store(HKEY_CURRENT_USER, c.values);
    loadSettings();
    EXPECT_EQ((std::array{picker.sir, picker.cellSize, picker.velikost, picker.readoutRadix, picker.showhexa,
                          picker.showcoord, picker.nomove, picker.moveform}),
              c.state);
    EXPECT_EQ(checkedItems(), c.checks);
    saveSettings();
    for (auto [name, text] : c.written) EXPECT_EQ(storedText(HKEY_CURRENT_USER, name), text) << name;
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

using namespace cmd;
INSTANTIATE_TEST_SUITE_P(Registry, StoredSettings, ::testing::Values(
    Stored{"every item on", {{"convertcolflag", "3"}, {"velikost", "10"}, {"showhsv", "1"}, {"showhexa", "1"}, {"sir", "15"}},
           {15, 3, 10, 16, 1, 1, 0, 0}, {PaletteInvert, WindowMax, Coordinates, HsvCmyk, HexValues, PipetteMin},
           {{"sir", "15"}, {"velikost", "10"}}},
    Stored{"the other sizes", {{"showcoord", "0"}, {"velikost", "-2"}, {"sir", "7"}, {"convertcolflag", "1"}},
           {7, 7, -2, 10, 0, 0, 0, 0}, {PaletteWeb, WindowMin, PipetteMax}, {{"velikost", "-2"}}},
    Stored{"odd values that harm nothing", {{"convertcolflag", "4"}, {"sir", "11"}, {"showhexa", "2"}},
           {11, 5, 0, 16, 1, 1, 0, 0}, {WindowNormal, Coordinates, HexValues}, {{"showhexa", "1"}, {"convertcolflag", "4"}}},
    Stored{"flags beyond 1 and a drag", {{"nomove", "2"}, {"showcoord", "5"}, {"show", "2147483647"}, {"moveform", "1"}},
           {9, 5, 0, 10, 0, 1, 1, 0}, {PaletteNormal, WindowNormal, Coordinates, PipetteNormal},
           {{"nomove", "1"}, {"showcoord", "1"}, {"show", "1"}, {"moveform", "0"}}},
    Stored{"a magnifier too small", {{"sir", "9"}, {"velikost", "-5"}}, {9, 5, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal}, {{"velikost", "0"}}},
    Stored{"a number that is not text", {{"sir", nullptr}, {"velikost", "10"}}, {9, 5, 10, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowMax, Coordinates, PipetteNormal}, {{"sir", "9"}}}));

// A standard user may read the machine-wide key but not write it: the user's own key is read
// first and always written; the machine's is read when the user has none and written when
// it can be opened for writing.
TEST_F(StartedUp, UserSettingsFirstMachineSettingsWhenAllowed) {
    struct Case {
        const char* user;
        const char* machine;
        bool machineDenied;
        std::int32_t loaded;
        const char* machineAfter;
    };
    for (Case c : {Case{nullptr, "7", false, 7, "15"}, Case{"9", "7", false, 9, "15"}, Case{nullptr, "7", true, 9, "7"}}) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        if (c.user) store(HKEY_CURRENT_USER, {{"sir", c.user}});
        store(HKEY_LOCAL_MACHINE, {{"sir", c.machine}});
        openMachineSettingsKey = c.machineDenied ? [](REGSAM, HKEY*) -> LONG { return ERROR_ACCESS_DENIED; }
                                                 : [](REGSAM access, HKEY* key) -> LONG {
                                                       return RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, access, key);
                                                   };
        picker.sir = 0;
        loadSettings();
        EXPECT_EQ(picker.sir, c.loaded);
        picker.sir = 15;
        saveSettings();
        EXPECT_EQ(storedText(HKEY_CURRENT_USER, "sir"), "15");
        EXPECT_EQ(storedText(HKEY_LOCAL_MACHINE, "sir"), c.machineAfter);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
}
