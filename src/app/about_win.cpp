// The about window: the overlay window given a caption and the two pages of the skin bitmap,
// the help page first. While it is open the hook and the panel hold still.
#include "app/about.h"
#include "app/app_win.h"
#include "app/picker_state.h"
#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "tracking/tracking_win.h"

namespace {

void paintAbout(HDC dc) {
    const int source = picker.aboutPage ? 223 : 0;
    BitBlt(dc, 0, 0, picker.aboutWidth, picker.aboutHeight, picker.skinDC, source, 0, SRCCOPY);
    if (picker.aboutPage) return;
    // The about page's lower band holds the panel's sprites; the page shows white there.
    const RECT band = {35, 188, picker.aboutWidth, 234};
    SetBkColor(dc, 0x00FFFFFF);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
}

void repaintAbout() {
    const ScopedGetDC dc(picker.overlayHwnd);
    if (dc) paintAbout(dc);
}

void closeAbout() {
    ShowWindow(picker.overlayHwnd, SW_HIDE);
    SetWindowLongA(picker.overlayHwnd, GWL_STYLE, WS_POPUP);
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    // Parked only once it is a popup again: a window with a caption is kept at least as
    // large as its caption needs.
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, -1, -1, 1, 1,
                 SWP_ASYNCWINDOWPOS | SWP_DEFERERASE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetWindowTextA(picker.overlayHwnd, "");
    // While the window was open the pointer was tracked in its client coordinates; the panel
    // is placed beside where the pointer really is.
    POINT pointer = {};
    if (GetCursorPos(&pointer)) {
        picker.cursorX = pointer.x;
        picker.cursorY = pointer.y;
    }
    layoutPanel();
    applyPanelVisibility();
    picker.aboutActive = 0;
}

}  // namespace

void openAbout() {
    // The about window takes the overlay over; the mixer must give it up first, or closing
    // the about window would leave the mixer on with its surface gone.
    if (picker.mixerActive) exitMixer();
    picker.aboutActive = 1;
    picker.aboutPage = 1;
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetWindowLongA(picker.overlayHwnd, GWL_STYLE, WS_CAPTION);
    // The frame is measured rather than assumed 20 pixels tall: with a taller caption the
    // page's buttons would be cut off.
    RECT frame = {0, 0, picker.aboutWidth, picker.aboutHeight};
    AdjustWindowRectEx(&frame, WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, picker.aboutRect.left, picker.aboutRect.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_ASYNCWINDOWPOS);
    SetWindowTextA(picker.overlayHwnd, kAppTitle);
    ShowWindow(picker.overlayHwnd, SW_SHOWNORMAL);
}

LRESULT aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintAbout(dc);
        EndPaint(window, &paint);
        break;
    }
    case WM_MOUSEMOVE:
        picker.cursorX = LOWORD(lParam);
        picker.cursorY = HIWORD(lParam);
        SetCursor(overAboutLink(picker.aboutPage, picker.cursorX, picker.cursorY) ? picker.linkCursor : picker.arrowCursor);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        // Judged where the pointer last moved, not where the press message says.
        const AboutPress press = aboutPress(picker.aboutPage, picker.cursorX, picker.cursorY);
        if (press.site) PostMessageA(picker.panelHwnd, UM_SITE, 0, 0);
        if (press.mail) PostMessageA(picker.panelHwnd, UM_MAIL, 0, 0);
        if (press.toggle) {
            picker.aboutPage ^= 1;
            repaintAbout();
        } else {
            closeAbout();
        }
        break;
    }
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
