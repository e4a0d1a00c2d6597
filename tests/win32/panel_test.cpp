// The registry, the menu's check marks, the resources, the tray icon, the about window.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tracking/layout.h"
#include "win32_fixture.h"

namespace {

constexpr const char* kKey = "Software\\Korvex\\Tintspot";

// The texts of the menu's checked items, in menu order.
std::wstring checkedItems(HMENU menu = picker.appMenu, std::wstring out = L"") {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[40] = {};
        GetMenuStringW(menu, i, text, 40, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i))
            out = checkedItems(sub, out);
        else if (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED)
            out += (out.empty() ? L"" : L", ") + std::wstring(text);
    }
    return out;
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

}  // namespace

// Stored when the session ends, the panel's shown state as it was; a chosen item is checked.
TEST_F(StartedUp, AChosenItemIsCheckedAndStoredWhenTheSessionEnds) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    loadSettings();
    picker.show = 1;
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::WindowMin, 0);
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::PaletteGray, 0);
    SendMessageA(picker.panelHwnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ((std::array{storedText(HKEY_CURRENT_USER, "velikost"), storedText(HKEY_CURRENT_USER, "show")}),
              (std::array<std::string, 2>{"-2", "1"}));
    EXPECT_EQ(checkedItems(), L"Координаты, Как на панели, Нормальный, Минимальный, Серый, 1 x 1");
}

// Stored settings as the next start finds them and the exit writes them back: the user's key
// first, always written; the machine's when the user has none, written where it can be.
struct Stored {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values, machine;
    std::array<std::int32_t, 7> state;  // magnified, cell, step, radix, coordinates, pinned, dragging
    std::vector<std::pair<const char*, const char*>> written;
};
void PrintTo(const Stored& stored, std::ostream* out) { *out << stored.what; }
class StoredSettings : public StartedUp, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredSettings, AreMadeSafeAndSetFieldsAtStartUp) {
    const Stored& c = GetParam();
    store(HKEY_LOCAL_MACHINE, c.machine);
    store(HKEY_CURRENT_USER, c.values);
    loadSettings();
    EXPECT_EQ((std::array{picker.magnifiedPixels, picker.cellSize, picker.sizeStep, picker.readoutRadix,
                          picker.showCoordinates, picker.pinned, picker.draggingPanel}),
              c.state);
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

INSTANTIATE_TEST_SUITE_P(Registry, StoredSettings, ::testing::Values(
    Stored{"the user's before the machine's",
           {{"sir", "15"}, {"velikost", "10"}, {"showhexa", "1"}, {"showcoord", "0"}}, {{"sir", "7"}},
           {15, 3, 10, 16, 0, 0, 0}, {{"sir", "15"}, {"velikost", "10"}, {"showcoord", "0"}}},
    Stored{"a number that is not text", {{"sir", nullptr}, {"velikost", "10"}}, {},
           {9, 5, 10, 10, 1, 0, 0}, {{"sir", "9"}}},
    Stored{"the machine's when the user has none", {}, {{"sir", "7"}},
           {7, 7, 0, 10, 1, 0, 0}, {{"sir", "7"}}},
    Stored{"a copy format too large, recent colours, a sample, the contrast line, the keys",
           {{"copyformat", "8"}, {"recent", "ff8000,bad,0080FF,FF8000"}, {"sample", "2"}, {"contrast", "1"},
            {"keys", "1"}}, {},
           {9, 5, 0, 10, 1, 0, 0},
           {{"copyformat", "0"}, {"recent", "FF8000,0080FF"}, {"sample", "2"}, {"contrast", "1"}, {"keys", "1"}}},
    Stored{"recent colours past 2,000 commas", {{"recent", kLongRecent.c_str()}}, {},
           {9, 5, 0, 10, 1, 0, 0},
           {{"recent", "000001,000002,000003,000004,000005,000006,000007,000008,000009,00000A"}}}));

// The tray icon back after Explorer restarts; the displays read again; no taskbar button.
TEST_F(StartedUp, TrayIconAndScreenSizeFollowTheTaskbarAndTheDisplays) {
    NOTIFYICONDATAA icon = {};  // ours, as the shell knows it: removed only while it is there
    std::tie(icon.cbSize, icon.hWnd, icon.uID) = std::tuple{NOTIFYICONDATAA_V1_SIZE, picker.panelHwnd, kTrayIconId};
    addTrayIcon();
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    SendMessageA(picker.panelHwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon)) << "added again";
    picker.screenWidth = picker.screenHeight = 1;
    picker.cursorX = picker.cursorY = 500;
    SendMessageA(picker.panelHwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ((std::array{picker.screenWidth, picker.screenHeight, picker.aboutRect.left, picker.panelX}),
              (std::array{1024, 768, 400, 510}));
    HWND owner = GetWindow(picker.panelHwnd, GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner));
}

TEST_F(StartedUp, AboutWindowTakesACaptionOverTheMixerAndParksWhenClosed) {
    layoutPanel();
    showPanel();
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Mixer, 0);
    SendMessageA(picker.panelHwnd, WM_COMMAND, cmd::Help, 0);  // leaves the mixer first, and its pin
    EXPECT_EQ((std::array{int{picker.mixerActive}, int{picker.aboutActive}, picker.pinned}), (std::array{0, 1, 0}));
    HWND about = picker.overlayHwnd;
    const auto style = [&] { return DWORD(GetWindowLongA(about, GWL_STYLE)) & (WS_CAPTION | WS_POPUP | WS_VISIBLE); };
    RECT client, frame;
    GetClientRect(about, &client);
    GetWindowRect(about, &frame);
    EXPECT_EQ(style(), DWORD{WS_CAPTION | WS_VISIBLE});
    EXPECT_EQ((std::array{frame.left, frame.top, client.right, client.bottom}),
              (std::array<LONG, 4>{400, 162, 223, 283}));
    SendMessageA(about, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(about, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));  // anywhere but the page button closes
    GetWindowRect(about, &frame);
    EXPECT_EQ(style(), DWORD{WS_POPUP});
    EXPECT_EQ((std::array<LONG, 4>{frame.left, frame.top, frame.right, picker.aboutActive}),
              (std::array<LONG, 4>{-1, -1, 0, 0}));
    EXPECT_TRUE(IsWindowVisible(picker.panelHwnd));
}

// Written beside and moved into place whole: a file held open elsewhere keeps its bytes, and
// nothing is left beside it. (Wine replaces a read-only file, which Windows refuses.)
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
