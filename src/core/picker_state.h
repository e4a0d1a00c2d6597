// The one process-wide record of the picker: settings, derived values, screen and
// pointer, panel geometry, mode flags, the current colour and the handles.
//
// Every subsystem reads it directly by field name. Each field is written by one module, named
// with its section below; another module asks that one through a function or a hand-over.
// Decisions are given the record; only the Win32 side uses the program's one instance,
// `picker`. One thread touches it (the message loop, which also runs the mouse hook), so
// nothing is locked. This header is platform-free: the handle fields use the same incomplete
// struct types as <windows.h>, so Win32 code sees them as HWND, HDC and so on, and the native
// tests can include it without Windows.
#pragma once

#include <cstdint>

#include "core/types.h"

struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HMENU__;
struct HICON__;
struct HINSTANCE__;
struct HHOOK__;

inline constexpr std::int32_t kRecentColours = 10;
inline constexpr std::int32_t kMaxMonitors = 16;

struct PickerState {
    // --- Settings; each is stored under the registry value the settings table names, in this order.
    // Loading them (app/settings) writes them all once at start-up; after that each has the
    // writer named: [settings] app/settings, from the menu; [tracking] src/tracking.
    std::int32_t panelX = 0;          // [tracking] x of the panel's top-left corner, screen coordinates
    std::int32_t panelY = 0;          // [tracking] y of the same corner
    std::int32_t hexReadouts = 0;     // [settings] readouts in hexadecimal; copied text gets a leading '#'
    std::int32_t paletteFilter = 0;   // [settings] palette filter: 0 none, 1 web-safe, 2 grayscale, 3 invert
    std::int32_t showHsv = 0;         // [settings] the HSV/CMYK block is shown
    std::int32_t showCoordinates = 1; // [settings] the pointer coordinates line is shown
    std::int32_t pinned = 0;          // [tracking] the panel is pinned instead of following the pointer
    std::int32_t frozen = 0;          // [tracking] magnifier and readouts are not repainted
    std::int32_t keptFast = 0;        // carried unchanged from load to store
    std::int32_t draggingPanel = 0;   // [tracking] the user is dragging the panel with the left button
    std::int32_t show = 0;            // [tracking] the panel is meant to be visible (and the hook installed)
    std::int32_t sizeStep = 0;        // [settings] window-size step added to magnifiedPixels: -2, 0 or 10
    std::int32_t magnifiedPixels = 9; // [settings] base screen pixels per magnifier side: 15, 9 or 7

    // --- Stored beside them, under values that older versions ignore; [settings] but the recent
    // colours, [copy] src/copy/recent.
    std::int32_t copyFormat = 0;      // what Ctrl+click copies: a CopyFormat, 0 as the panel shows
    Colour recent[kRecentColours] = {};  // [copy] the colours last copied, newest first
    std::int32_t recentCount = 0;        // [copy]
    std::int32_t sample = 0;          // the colour shown is the mean of a square: 0 1 x 1, 1 3 x 3, 2 5 x 5
    std::int32_t contrast = 0;        // the contrast line against the newest recent colour is shown
    std::int32_t keys = 0;            // the arrow keys, Enter and Esc act while the panel is frozen

    // --- Derived from the settings, by app/settings.
    std::int32_t cellSize = 5;        // panel pixels per magnified screen pixel: 3, 5 or 7
    std::int32_t readoutRadix = 10;   // 16 while hexReadouts is set, else 10

    // --- Screen and pointer; written by src/tracking.
    std::int32_t screenWidth = 0;     // HORZRES, read once at start-up
    std::int32_t screenHeight = 0;    // VERTRES, read once at start-up
    Rect allMonitors;                 // the rectangle every monitor spans, screen coordinates
    Rect monitors[kMaxMonitors] = {}; // each monitor's own rectangle: between them is off the screen
    std::int32_t monitorCount = 0;
    std::int32_t cursorX = 0;         // last pointer position, screen coordinates
    std::int32_t cursorY = 0;
    std::int32_t dragOffsetX = 0;     // panelX - (cursorX + cursorGap) when a drag began, else 0
    std::int32_t dragOffsetY = 0;     // panelY - (cursorY + cursorGap) when a drag began, else 0

    // --- Panel geometry, recomputed by layoutPanel from the settings, panel pixels; and the hooks'
    // requests. Written by src/tracking.
    std::int32_t magnifierSize = 0;   // side of the magnifier square
    std::int32_t magnifierLeft = 0;   // x of the magnifier
    std::int32_t magnifierTop = 0;    // y of the magnifier (5, or 13 under a filter label)
    std::int32_t swatchSize = 0;      // side of the colour swatch
    std::int32_t swatchGap = 0;       // gap between magnifier and readout column
    std::int32_t swatchLeft = 0;      // x of the swatch and readout column
    std::int32_t swatchTop = 0;       // y of the swatch
    std::int32_t crossX = 0;          // centre mark of the magnifier
    std::int32_t crossY = 0;
    std::int32_t hsvLeft = 0;         // top-left corner of the HSV/CMYK block
    std::int32_t hsvTop = 0;
    std::int32_t contrastTop = 0;     // top of the contrast line, when shown
    std::int32_t slidersTop = 0;      // top of the mixer's slider rows
    std::int32_t panelWidth = 0;      // size of the panel window
    std::int32_t panelHeight = 0;
    std::int32_t cursorGap = 0;       // distance of the panel from the pointer
    std::uint8_t placementAsked = 0;  // a UM_PLACE is on its way to the panel
    std::uint8_t stepAsked = 0;       // a UM_STEP is on its way to the panel
    // The points the keys' steps moved the pointer from and to, until a move outside them.
    Rect stepSpan;
    std::uint8_t keysKept = 0;        // the keys whose press the keyboard hook kept, a bit each
    // Window pixels a panel pixel: 1, 2 or 3 from the DPI of the panel's monitor. Everything
    // above is in panel pixels; the windows and their placement are in window pixels.
    std::int32_t scale = 1;

    // --- Mode flags: what the overlay window is being used for; each written by its mode.
    std::uint8_t aboutActive = 0;     // [app/about] overlay is the about window; hook and panel hold still
    std::uint8_t aboutPage = 0;       // [app/about] 1 help page, 0 about page
    std::int32_t aboutX = 0;          // [app/about] the pointer on the about page as it last moved, page pixels
    std::int32_t aboutY = 0;
    std::int32_t captureState = 0;    // [capture] region capture: 0 idle, 1 crosshair, 2 dragging
    std::uint8_t mixerActive = 0;     // [mixer] the colour mixer is on; overlay is the mixer surface
    std::uint8_t mixerPicking = 0;    // [mixer] left button held on the mixer surface (tolerance drag)
    std::uint8_t mixerStarting = 1;   // [mixer] the mixer is being entered; the hook leaves it alone
    std::uint8_t modalOpen = 0;       // [app/windows] a menu or dialog of ours is open and has the keys

    // --- Colour; written by src/display.
    Colour currentColour = 0;         // filtered colour under the pointer, shown in the swatch

    // --- Handles, created at start-up (app/main) and released at shutdown; the hooks' by src/tracking.
    HINSTANCE__* appInstance = nullptr;
    HWND__* panelHwnd = nullptr;
    HWND__* overlayHwnd = nullptr;
    HMENU__* appMenu = nullptr;       // menu 133; its first submenu is the popup menu
    HBITMAP__* skinBitmap = nullptr;  // bitmap 136, selected into skinDC
    HDC__* skinDC = nullptr;
    HBITMAP__* glyphBitmap = nullptr; // bitmap 163, selected into glyphDC
    HDC__* glyphDC = nullptr;
    HICON__* linkCursor = nullptr;    // cursor 139
    HICON__* pickCursor = nullptr;    // cursor 104
    HICON__* selectCursor = nullptr;  // cursor 140
    HICON__* toleranceCursor = nullptr; // cursor 155
    HICON__* arrowCursor = nullptr;   // the shared system arrow; never destroyed
    HHOOK__* hookHandle = nullptr;    // the installed mouse hook, null while none is
    HHOOK__* keyHookHandle = nullptr; // the installed keyboard hook, null while none is

    // --- About window placement, computed at start-up and when it opens (app/about).
    std::int32_t aboutWidth = 0;
    std::int32_t aboutHeight = 0;
    Rect aboutRect;                   // only left and top are used
    std::int32_t aboutScale = 1;      // window pixels a page pixel: the panel's scale, if it fits
};

// Window pixels to panel pixels, rounding down: a pointer just left of the window is off it.
inline std::int32_t panelUnits(std::int32_t v, std::int32_t scale) {
    return scale <= 1 ? v : (v >= 0 ? v / scale : -((-v + scale - 1) / scale));
}

// The panel window's size in window pixels.
inline std::int32_t panelWindowWidth(const PickerState& s) { return s.panelWidth * s.scale; }
inline std::int32_t panelWindowHeight(const PickerState& s) { return s.panelHeight * s.scale; }

extern PickerState picker;  // the program's own, in app/main_win.cpp
