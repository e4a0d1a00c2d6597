// The application shell's Win32 side: start-up, the two window procedures, the carrying out
// of effects, the tray icon, the menu's check marks and the settings store.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/effects.h"
#include "core/picker_state.h"
#include "version.h"

// Runs the whole program: start-up, the message loop and shutdown. Returns the exit code.
int runTintspot(HINSTANCE instance);

// Window classes, both windows, the menu, screen sizes, bitmaps and cursors, the hook's
// handler: the start-up up to the message loop, which the Win32 tests and benchmarks run too;
// false when a window cannot be made.
bool createWindowsAndResources(HINSTANCE instance);
// The monitors' sizes, and the magnifier and the about window's place fitted to them.
void readScreen();

// Adds the tray icon, known to the shell as kTrayIconId of the panel; at start-up, and again
// whenever the taskbar is created anew (Explorer restarted), which removes every icon.
void addTrayIcon();

LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Decides the effects' hand-overs (app/handover.h), then carries out the platform work in order.
void carryOut(const Effects& effects);

// The overlay hidden at (-1, -1), 1 x 1, when no use holds it.
void parkOverlay();

// Sets the check mark of a menu item by command id, anywhere in the menu.
void setMenuCheck(UINT command, bool checked);
// "Недавние цвета" made anew from the recent colours, each a swatch and its text in the chosen
// format, or one greyed "(пусто)"; before the menu opens.
void fillRecentMenu();
// Its swatches' bitmaps, released at shutdown.
void releaseRecentSwatches();

// "Сохранить как палитру…": the Save As dialog, then the file written whole or not at all; a
// failure is reported in a message box with the file's name and the system's reason.
void savePalette();
// Writes the bytes to a file beside path, then moves it over path: the error code (0 when
// written), and whatever was at path is as it was unless the move succeeded.
DWORD writeFileWhole(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
std::wstring paletteFailureText(const std::wstring& path, DWORD error);
// While a menu or dialog of ours is open the keys are its own: the keyboard hook waits.
struct ModalScope {
    ModalScope();
    ~ModalScope();
};

void loadSettings();
void saveSettings(const PickerState& s = picker);
// At exit: the panel hidden and its hook removed, then release (the resources, when the
// program goes on to end normally), then the settings stored with `show` as it was.
void storeSettingsAtExit(void (*release)() = nullptr);

// The about window, one of the overlay window's three uses. Placed on the primary monitor's
// work area, at a scale that fits it; gives the frame round the page.
RECT placeAboutOnScreen();
void openAboutWindow();
void closeAboutWindow();
void paintAbout(HDC dc);

inline constexpr UINT kTrayIconId = 1911;
inline constexpr const char* kAppTitle = TINTSPOT_TITLE;
