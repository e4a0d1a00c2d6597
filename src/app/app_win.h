// The application shell's Win32 side: start-up, the two window procedures, the tray
// icon, the menu's check marks and the settings store.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Runs the whole program: start-up, the message loop and shutdown. Returns the exit code.
int runTintspot(HINSTANCE instance);

// Start-up pieces, in the order the program runs them; the Win32 tests call them singly.
bool refuseSecondInstance();  // shows the message box and ends the process when another runs
void registerWindowClasses(HINSTANCE instance);
bool createWindows(HINSTANCE instance);
void loadResources(HINSTANCE instance);  // menu, screen size, bitmaps, cursors
void releaseResources();                 // the shutdown order for what loadResources made
// The three above in their order; false when a window cannot be made.
bool createWindowsAndResources(HINSTANCE instance);
// The primary monitor's size, and the about window's place from it; at start-up and again
// whenever the displays change.
void readScreenSize();

// Fills the tray record, calls Shell_NotifyIconA and gives back the icon (the shell keeps
// its own copy).
BOOL trayIcon(DWORD action, HICON icon, const char* tip);
// Adds the tray icon; at start-up, and again whenever the taskbar is created anew (Explorer
// restarted), which removes every icon.
void addTrayIcon();
// The record trayIcon hands to the shell; exposed so that the tests can check it.
NOTIFYICONDATAA makeTrayRecord(HICON icon, const char* tip);

LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the check mark of a menu item by command id, anywhere in the menu.
void setMenuCheck(UINT command, bool checked);

void loadSettings();
void saveSettings();
// Opens the machine-wide settings key; the tests replace it to see it denied.
extern LONG (*openMachineSettingsKey)(REGSAM access, HKEY* key);

// The about window, one of the overlay window's three uses.
void openAbout();
LRESULT aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline constexpr UINT kTrayIconId = 1911;
inline constexpr const char* kAppTitle = "Tintspot 3.0";
