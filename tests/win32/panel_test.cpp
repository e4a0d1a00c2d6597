// The panel window procedure driven as the system drives it, through the real windows and
// menu: the commands, the tray callback, clicks, the about window; the check marks and
// fields that stored settings give at start-up; the resources as the program loads them.
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "tracking/layout.h"
#include "win32_fixture.h"

namespace {

constexpr const char* kKey = "Software\\Korvex\\Tintspot";

// Command ids of the menu's items in order, submenus walked in place; only the checked ones
// when asked.
void collectIds(HMENU menu, bool onlyChecked, std::vector<UINT>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            collectIds(sub, onlyChecked, out);
        } else if (GetMenuItemID(menu, i) && (!onlyChecked || GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED)) {
            out.push_back(GetMenuItemID(menu, i));
        }
    }
}

std::set<UINT> checkedItems() {
    std::vector<UINT> ids;
    collectIds(picker.appMenu, true, ids);
    return {ids.begin(), ids.end()};
}

// Sends a message that may open a popup menu; a timer reads the popup from inside the menu's
// modal loop and closes it. Gives the popup's rectangle and menu (none when none opened).
std::pair<RECT, HMENU> seen;
void CALLBACK readAndClosePopup(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup && IsWindowVisible(popup)) {
        GetWindowRect(popup, &seen.first);
        seen.second = reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1, 0, 0));  // MN_GETHMENU
    }
    EndMenu();
}
std::pair<RECT, HMENU> sendWatchingForPopup(UINT message, WPARAM wParam, LPARAM lParam) {
    seen = {{}, nullptr};
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, readAndClosePopup);
    SendMessageA(picker.panelHwnd, message, wParam, lParam);
    KillTimer(nullptr, timer);
    return seen;
}

std::string storedText(HKEY root, const char* name) {
    char text[100] = {};
    DWORD size = sizeof text;
    return RegGetValueA(root, kKey, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS ? text : "(none)";
}

// Replaces the key's values; a null text stores a REG_DWORD 5.
void store(HKEY root, const std::vector<std::pair<const char*, const char*>>& values) {
    RegDeleteKeyA(root, kKey);
    const DWORD five = 5;
    for (auto [name, text] : values)
        RegSetKeyValueA(root, kKey, name, text ? REG_SZ : REG_DWORD, text ? static_cast<const void*>(text) : &five,
                        text ? lstrlenA(text) + 1 : sizeof five);
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
    void TearDown() override { hidePanel(); }
};

}  // namespace

TEST(Menu, CommandIdsInOrderAndTheTextsInCyrillic) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(133));
    std::vector<UINT> ids;
    collectIds(menu, false, ids);
    EXPECT_EQ(ids, (std::vector<UINT>{32792, 32785, 32802, 32850, 32851, 32852, 32853, 32854, 32855, 32856, 32857,
                                      32875, 32876, 32782, 32783, 32784, 32788, 32787, 32786, 32804, 32805, 32806,
                                      32807, 32870, 32871, 32872, 32794, 32793, 32860, 32877, 32809, 32778, 32781}));
    wchar_t text[32] = {};  // the resource script is UTF-8; a wrong code page gives mojibake
    GetMenuStringW(menu, 32781, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Выход");
    GetMenuStringW(menu, 32876, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Клавиатура при заморозке");
    GetMenuStringW(menu, 32856, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"VB &&H00BBGGRR&&") << "shown as VB &H00BBGGRR&";
    DestroyMenu(menu);
}

// The decisions are tables of their own; here a few messages go through the real window
// procedure to the real menu, window and hook.
TEST_F(Commands, MessagesReachTheMenuTheWindowAndTheHook) {
    struct Step {
        const char* what;
        std::uint8_t about;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::set<UINT> checks;
        std::int32_t show;
        std::vector<UINT> posted;
    };
    using namespace cmd;
    const Step steps[] = {
        {"pipette max", 0, WM_COMMAND, PipetteMax, 0, {PipetteMax, WindowNormal, Coordinates, PaletteNormal,
         CopyFormatFirst, SampleFirst}, 0, {UM_FRAME}},
        {"a copy format, one checked", 0, WM_COMMAND, CopyFormatLast, 0, {PipetteMax, WindowNormal, Coordinates,
         PaletteNormal, CopyFormatLast, SampleFirst}, 0, {}},
        {"about: command", 1, WM_COMMAND, PipetteMin, 0, {PipetteMax, WindowNormal, Coordinates, PaletteNormal,
         CopyFormatLast, SampleFirst}, 0, {}},
        {"tray double click shows", 0, UM_TRAY, 0, WM_LBUTTONDBLCLK, {PipetteMax, WindowNormal, Coordinates,
         PaletteNormal, CopyFormatLast, SampleFirst}, 1, {}},
        {"hide", 0, WM_COMMAND, ShowHide, 0, {PipetteMax, WindowNormal, Coordinates, PaletteNormal, CopyFormatLast,
         SampleFirst},
         0, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        picker.aboutActive = s.about;
        SendMessageA(picker.panelHwnd, s.message, s.wParam, s.lParam);
        EXPECT_EQ(checkedItems(), s.checks);
        EXPECT_EQ(takePanelMessages(), s.posted);
        EXPECT_EQ(picker.show, s.show);
        EXPECT_EQ(IsWindowVisible(picker.panelHwnd) && picker.hookHandle, picker.show != 0);
        PickerState fresh = picker;  // the window has the size the settings lay out
        computeLayout(fresh);
        RECT r;
        GetWindowRect(picker.panelHwnd, &r);
        EXPECT_EQ((std::array{r.right - r.left, r.bottom - r.top}),
                  (std::array<LONG, 2>{fresh.panelWidth, fresh.panelHeight}));
    }
}

// The system ends the process once the panel has answered WM_ENDSESSION: the settings are
// stored then, with the panel's shown state as it was.
TEST_F(Commands, TheSessionsEndStoresTheSettings) {
    std::tie(picker.sir, picker.show) = std::tuple{15, 1};
    SendMessageA(picker.panelHwnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ((std::array{storedText(HKEY_CURRENT_USER, "sir"), storedText(HKEY_CURRENT_USER, "show")}),
              (std::array<std::string, 2>{"15", "1"}));
}

TEST_F(Commands, TrayAndPanelPopupsOpenWhereTheyShould) {
    EXPECT_EQ(SendMessageA(picker.panelHwnd, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    picker.aboutActive = 1;
    EXPECT_FALSE(sendWatchingForPopup(WM_RBUTTONDOWN, 0, 0).second);
    EXPECT_FALSE(sendWatchingForPopup(UM_TRAY, 0, WM_RBUTTONUP).second);
    picker.aboutActive = 0;
    SetCursorPos(500, 300);
    auto [rect, menu] = sendWatchingForPopup(UM_TRAY, 0, WM_RBUTTONUP);
    EXPECT_EQ((std::array{rect.left, rect.top}), (std::array<LONG, 2>{500 - 130, picker.screenHeight - 170}));
    EXPECT_EQ(menu, GetSubMenu(picker.appMenu, 0));
    // Left of the panel with a 5-pixel gap when the menu reports an item wider than 130 pixels
    // (it does once the popup has been shown), unless that runs off the screen.
    picker.nomove = 1;  // the hook must not move the panel while the menu is open
    picker.xokna = 400;
    picker.yokna = 200;
    showPanel();
    RECT item = {};
    GetMenuItemRect(picker.panelHwnd, GetSubMenu(picker.appMenu, 0), 1, &item);
    const LONG width = item.right - item.left;
    ASSERT_GT(width, 130);
    for (auto [xokna, x] : {std::pair{400L, 400 - width - 5}, std::pair{100L, 100L + picker.panelWidth}}) {
        picker.xokna = xokna;
        placePanel();
        std::tie(rect, menu) = sendWatchingForPopup(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
        EXPECT_EQ((std::array{rect.left, rect.top}), (std::array<LONG, 2>{x, 200}));
        EXPECT_EQ(menu, GetSubMenu(picker.appMenu, 0));
    }
}

// Settings stored, as the next start finds them, and as the exit writes them back. The user's
// own key is read first and always written; the machine's is read when the user has none
// (no values), and written where it can be opened for writing.
struct Stored {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values, machine;
    std::array<std::int32_t, 8> state;  // sir, cellSize, velikost, readoutRadix, showhexa, showcoord, nomove, moveform
    std::set<UINT> checks;
    std::vector<std::pair<const char*, const char*>> written;
};
void PrintTo(const Stored& stored, std::ostream* out) { *out << stored.what; }
class StoredSettings : public StartedUp, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredSettings, AreMadeSafeAndSetFieldsAndCheckMarksAtStartUp) {
    const Stored& c = GetParam();
    store(HKEY_LOCAL_MACHINE, c.machine);
    store(HKEY_CURRENT_USER, c.values);
    loadSettings();
    EXPECT_EQ((std::array{picker.sir, picker.cellSize, picker.velikost, picker.readoutRadix, picker.showhexa,
                          picker.showcoord, picker.nomove, picker.moveform}),
              c.state);
    EXPECT_EQ(checkedItems(), c.checks);
    saveSettings();
    for (auto [name, text] : c.written) {
        EXPECT_EQ(storedText(HKEY_CURRENT_USER, name), text) << name;
        EXPECT_EQ(c.machine.empty() ? text : storedText(HKEY_LOCAL_MACHINE, name), text) << name;
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
}

// Three colours, 2,000 commas, eight more: the first ten are kept however long the value is.
const std::string kLongRecent = "000001,000002,000003" + std::string(2000, ',') +
                                "000004,000005,000006,000007,000008,000009,00000A,00000B";

using namespace cmd;
INSTANTIATE_TEST_SUITE_P(Registry, StoredSettings, ::testing::Values(
    Stored{"every item on",
           {{"convertcolflag", "3"}, {"velikost", "10"}, {"showhsv", "1"}, {"showhexa", "1"}, {"sir", "15"}},
           {{"sir", "7"}}, {15, 3, 10, 16, 1, 1, 0, 0},
               {PaletteInvert, WindowMax, Coordinates, HsvCmyk, HexValues, PipetteMin, CopyFormatFirst, SampleFirst},
           {{"sir", "15"}, {"velikost", "10"}}},
    Stored{"flags beyond 1 and a drag",
           {{"nomove", "2"}, {"showcoord", "5"}, {"show", "2147483647"}, {"moveform", "1"}}, {},
           {9, 5, 0, 10, 0, 1, 1, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal, CopyFormatFirst, SampleFirst},
           {{"nomove", "1"}, {"showcoord", "1"}, {"show", "1"}, {"moveform", "0"}}},
    Stored{"a magnifier too small", {{"sir", "9"}, {"velikost", "-5"}}, {}, {9, 5, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal, CopyFormatFirst, SampleFirst},
           {{"velikost", "0"}}},
    Stored{"a number that is not text", {{"sir", nullptr}, {"velikost", "10"}}, {}, {9, 5, 10, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowMax, Coordinates, PipetteNormal, CopyFormatFirst, SampleFirst}, {{"sir", "9"}}},
    Stored{"the machine's when the user has none", {}, {{"sir", "7"}}, {7, 7, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteMax, CopyFormatFirst, SampleFirst}, {{"sir", "7"}}},
    Stored{"a copy format and recent colours", {{"copyformat", "4"}, {"recent", "ff8000,bad,0080FF,FF8000"}}, {},
           {9, 5, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal, CopyFormatFirst + 4, SampleFirst},
           {{"copyformat", "4"}, {"recent", "FF8000,0080FF"}, {"sir", "9"}}},
    Stored{"recent colours past 2,000 commas", {{"recent", kLongRecent.c_str()}}, {}, {9, 5, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal, CopyFormatFirst, SampleFirst},
           {{"recent", "000001,000002,000003,000004,000005,000006,000007,000008,000009,00000A"}}},
    Stored{"a bad copy format, a sample, the contrast line, the keys",
           {{"copyformat", "8"}, {"sample", "2"}, {"contrast", "1"}, {"keys", "1"}}, {}, {9, 5, 0, 10, 0, 1, 0, 0},
           {PaletteNormal, WindowNormal, Coordinates, PipetteNormal, CopyFormatFirst, SampleLast, Contrast, FrozenKeys},
           {{"copyformat", "0"}, {"sample", "2"}, {"contrast", "1"}, {"keys", "1"}}}));

// The version resource as Windows reads it (the tests carry the program's resources), and the
// title, against the VERSION file.
TEST(Resources, VersionResourceAndTitleCarryTheVersionFile) {
    std::string version;
    std::ifstream(TINTSPOT_SOURCE_DIR "/VERSION") >> version;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD unused = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path, &unused));
    ASSERT_TRUE(!info.empty() && GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
    auto query = [&](const std::string& name) {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueA(info.data(), name.c_str(), &value, &length) ? value : nullptr;
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
    ASSERT_TRUE(fixed);
    const auto dotted = [](DWORD high, DWORD low) {
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low));
    };
    EXPECT_EQ((std::array{dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS),
                          dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS)}),
              (std::array{version, version}));
    for (auto [name, want] : {std::pair<const char*, std::string>{"ProductName", "Tintspot"},
                              {"CompanyName", "Korvex Software"}, {"LegalCopyright", "(C) Korvex Software"},
                              {"FileVersion", version}, {"ProductVersion", version}}) {
        const char* text = static_cast<const char*>(query(std::string("\\StringFileInfo\\040904B0\\") + name));
        EXPECT_EQ(text ? text : "(none)", want) << name;
    }
    EXPECT_EQ(std::string(kAppTitle), "Tintspot " + version.substr(0, version.rfind('.')));
}

TEST_F(StartedUp, ClassesCursorsAndBitmapsAsCreated) {
    // Double clicks reach only the panel; the overlay has no brush, so it never erases.
    WNDCLASSA panel = {}, overlay = {};
    GetClassInfoA(GetModuleHandleA(nullptr), "Classname1", &panel);
    GetClassInfoA(GetModuleHandleA(nullptr), "Classname2", &overlay);
    EXPECT_EQ((std::array<UINT, 2>{panel.style, overlay.style}),
              (std::array<UINT, 2>{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, CS_HREDRAW | CS_VREDRAW}));
    EXPECT_EQ(overlay.hbrBackground, nullptr);
    // Owned by one hidden window: no taskbar button, not even on Wine's taskbar.
    HWND owner = GetWindow(picker.panelHwnd, GW_OWNER);
    EXPECT_TRUE(owner && owner == GetWindow(picker.overlayHwnd, GW_OWNER) && !IsWindowVisible(owner));
    for (auto [cursor, hot] : {std::pair{picker.linkCursor, 0u}, {picker.pickCursor, 1u}, {picker.selectCursor, 1u},
                               {picker.toleranceCursor, 0u}}) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_EQ((std::array{info.xHotspot, info.yHotspot}), (std::array<DWORD, 2>{hot, hot}));
        DeleteObject(info.hbmMask);
    }
    BITMAP skin = {};
    GetObjectA(picker.skinBitmap, sizeof skin, &skin);
    EXPECT_EQ(skin.bmWidth, 446);
}

// Every glyph of the font's text source, read back through the loaded glyph bitmap at the
// cell the program draws that character from.
TEST_F(StartedUp, GlyphBitmapHoldsEveryGlyphOfTheFontSourceWhereTheProgramLooks) {
    std::ifstream source(TINTSPOT_SOURCE_DIR "/resources/pictures/glyphs.txt");
    std::string line, word, name, at;
    int glyphs = 0, x = 0, y = 0;
    while (std::getline(source, line)) {
        if (!(std::istringstream(line) >> word >> name >> at >> x >> y) || word != "glyph" || at != "at") continue;
        const char c = name == "space" ? ' ' : name[0];
        const GlyphCell cell = glyphCellWithSigns(c), lower = glyphCell(static_cast<char>(std::tolower(c)));
        // The signs have cells only for the contrast line: elsewhere they paint the blank one.
        const bool sign = std::strchr(".:-", c) != nullptr;
        EXPECT_EQ((std::array{cell.x, cell.y, lower.x}), (std::array{x, y, sign ? 25 : x})) << name;
        for (int row = 0; row < 6 && std::getline(source, line); ++row)
            for (int column = 0; column < 5; ++column)
                EXPECT_EQ(GetPixel(picker.glyphDC, x + column, y + row),
                          line[column] == '#' ? RGB(0, 0, 0) : RGB(255, 255, 255))
                    << name << " " << column << "," << row;
        ++glyphs;
    }
    EXPECT_EQ(glyphs, 45);
}

TEST_F(StartedUp, TrayIconAndScreenSizeFollowTheTaskbarAndTheDisplays) {
    addTrayIcon();
    EXPECT_TRUE(removeTrayIcon());
    SendMessageA(picker.panelHwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);  // Explorer restarted
    EXPECT_TRUE(removeTrayIcon()) << "added again";
    picker.screenWidth = picker.screenHeight = 1;
    picker.cursorX = picker.cursorY = 500;
    SendMessageA(picker.panelHwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ((std::array{picker.screenWidth, picker.screenHeight, picker.aboutRect.left, picker.xokna}),
              (std::array{1024, 768, 400, 510}));
}

TEST_F(StartedUp, AboutWindowTakesACaptionOverTheMixerAndParksWhenClosed) {
    layoutPanel();
    showPanel();
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Help, 0);  // leaves the mixer first, and its pin
    EXPECT_EQ((std::array{int{picker.mixerActive}, int{picker.aboutActive}, picker.nomove}), (std::array{0, 1, 0}));
    HWND about = picker.overlayHwnd;
    EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_POPUP | WS_VISIBLE), WS_CAPTION | WS_VISIBLE);
    char title[32] = {};
    GetWindowTextA(about, title, sizeof title);
    EXPECT_STREQ(title, "Tintspot 3.0");
    RECT client, frame;
    GetClientRect(about, &client);
    GetWindowRect(about, &frame);
    EXPECT_EQ((std::array{frame.left, frame.top, client.right, client.bottom}),
              (std::array<LONG, 4>{400, 162, 223, 283}));
    SendMessageA(about, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(about, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));  // anywhere but the page button closes
    EXPECT_FALSE(picker.aboutActive);
    EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_POPUP | WS_VISIBLE), WS_POPUP);
    EXPECT_EQ(GetWindowLongA(about, GWL_EXSTYLE) & ~WS_EX_TOPMOST, WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowTextLengthA(about), 0);
    GetWindowRect(about, &frame);
    EXPECT_EQ((std::array{frame.left, frame.top, frame.right, frame.bottom}), (std::array<LONG, 4>{-1, -1, 0, 0}));
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
}

// A palette is written beside its destination and moved into place whole: a file another
// program holds open, which cannot be replaced then, keeps its bytes, and nothing is left beside
// it. (Wine replaces a read-only file, which Windows refuses.)
TEST(Palette, AFailedWriteLeavesTheOldFileAsItWas) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tintspot-palette", path = folder + L"\\old.gpl";
    CreateDirectoryW(folder.c_str(), nullptr);
    const auto read = [&] {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(writeFileWhole(path, {'o', 'l', 'd'}), 0u);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writeFileWhole(path, {'n', 'e', 'w'}), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_EQ(read(), "old");
    const auto entries = std::distance(std::filesystem::directory_iterator(folder), {});
    CloseHandle(held);
    EXPECT_EQ(writeFileWhole(path, {'n', 'e', 'w'}), 0u);
    EXPECT_EQ((std::tuple{entries, read()}), (std::tuple{1, "new"}));
    EXPECT_EQ(paletteFailureText(L"C:\\p.gpl", ERROR_ACCESS_DENIED).substr(0, 40),
              L"The palette was not saved to\nC:\\p.gpl\n\nA");  // "Access denied."
    std::filesystem::remove_all(folder);
}
