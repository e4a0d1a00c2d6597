// The about window: the overlay window given a caption and the two pages of the skin bitmap,
// the help page first. While it is open the hook and the panel hold still.
#include "app/about.h"
#include "app/app_win.h"
#include "core/picker_state.h"

namespace {
// The window that had the keyboard when the about window opened: it gets it back at the close,
// rather than whichever window of ours the system would pick next.
HWND typedInto = nullptr;
}  // namespace

void paintAbout(HDC dc) {
    if (!dc) return;
    const int source = picker.aboutPage ? 223 : 0, k = picker.aboutScale;
    // Enlarged pixel for pixel at its scale.
    StretchBlt(dc, 0, 0, picker.aboutWidth * k, picker.aboutHeight * k, picker.skinDC, source, 0, picker.aboutWidth,
               picker.aboutHeight, SRCCOPY);
    if (picker.aboutPage) return;
    // The about page's lower band holds the panel's sprites; the page shows white there.
    const RECT band = {35 * k, 188 * k, picker.aboutWidth * k, 234 * k};
    SetBkColor(dc, 0x00FFFFFF);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
}

RECT placeAboutOnScreen() {
    // The frame is measured rather than assumed 20 pixels tall: with a taller caption the
    // page's buttons would be cut off.
    RECT frame = {0, 0, 0, 0}, work = {0, 0, picker.screenWidth, picker.screenHeight};
    AdjustWindowRectEx(&frame, WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    placeAboutWindow(picker, {work.left, work.top, work.right, work.bottom}, frame.right - frame.left,
                     frame.bottom - frame.top);
    return frame;
}

void openAboutWindow() {
    typedInto = GetForegroundWindow();
    // Opened from the tray menu the panel has it, for the menu's sake: the system chooses then.
    if (typedInto == picker.panelHwnd || typedInto == picker.overlayHwnd) typedInto = nullptr;
    const RECT frame = placeAboutOnScreen();  // at the panel's scale now, if it fits
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetWindowLongA(picker.overlayHwnd, GWL_STYLE, WS_CAPTION);
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, picker.aboutRect.left, picker.aboutRect.top,
                 picker.aboutWidth * picker.aboutScale + frame.right - frame.left,
                 picker.aboutHeight * picker.aboutScale + frame.bottom - frame.top, SWP_ASYNCWINDOWPOS);
    SetWindowTextA(picker.overlayHwnd, kAppTitle);
    ShowWindow(picker.overlayHwnd, SW_SHOWNORMAL);
}

void closeAboutWindow() {
    if (typedInto && GetForegroundWindow() == picker.overlayHwnd && IsWindow(typedInto))
        SetForegroundWindow(typedInto);
    typedInto = nullptr;
    ShowWindow(picker.overlayHwnd, SW_HIDE);
    SetWindowLongA(picker.overlayHwnd, GWL_STYLE, WS_POPUP);
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    // Parked only once it is a popup again: a window with a caption is kept at least as
    // large as its caption needs.
    parkOverlay();
    SetWindowTextA(picker.overlayHwnd, "");
}
