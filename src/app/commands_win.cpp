// The panel window procedure: menu commands, the tray callback, clicks on the panel and
// the private repaint and link messages.
#include <initializer_list>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "app/popup_position.h"
#include "capture/capture_win.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "tracking/tracking_win.h"

#include <windowsx.h>

namespace {

// As the about page shows them.
constexpr const char* kSiteAddress = "https://korvex.example/";
constexpr const char* kMailAddress = "mailto:k@korvex.example";

// Broadcast to every top-level window when the taskbar is created anew (Explorer restarted).
const UINT kTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");

HMENU popupMenu() { return GetSubMenu(picker.appMenu, 0); }

void toggleShown() {
    if (picker.show)
        hidePanel();
    else
        showPanel();
}

// Checks one item of a choice group and unchecks the rest, in the group's order.
void checkOneOf(std::initializer_list<UINT> group, UINT chosen) {
    for (UINT id : group) setMenuCheck(id, id == chosen);
}

void setPipette(UINT command, std::int32_t sir, std::int32_t cellSize) {
    picker.sir = sir;
    picker.cellSize = cellSize;
    checkOneOf({cmd::PipetteMin, cmd::PipetteNormal, cmd::PipetteMax}, command);
    layoutPanel();
}

void setWindowSize(UINT command, std::int32_t velikost) {
    picker.velikost = velikost;
    checkOneOf({cmd::WindowMin, cmd::WindowNormal, cmd::WindowMax}, command);
    layoutPanel();
}

void toggleSetting(std::int32_t& field, UINT command) {
    field ^= 1;
    layoutPanel();
    setMenuCheck(command, field != 0);
}

void runCommand(UINT command) {
    switch (command) {
    case cmd::ShowHide: toggleShown(); break;
    case cmd::Exit:
        DestroyWindow(picker.overlayHwnd);
        DestroyWindow(picker.panelHwnd);
        break;
    case cmd::PipetteMin: setPipette(command, 15, 3); break;
    case cmd::PipetteNormal: setPipette(command, 9, 5); break;
    case cmd::PipetteMax: setPipette(command, 7, 7); break;
    case cmd::HexValues:
        picker.showhexa ^= 1;
        picker.readoutRadix = picker.showhexa ? 16 : 10;
        layoutPanel();
        setMenuCheck(command, picker.showhexa != 0);
        break;
    case cmd::WindowMax: setWindowSize(command, 10); break;
    case cmd::WindowNormal: setWindowSize(command, 0); break;
    case cmd::WindowMin: setWindowSize(command, -2); break;
    case cmd::Coordinates: toggleSetting(picker.showcoord, command); break;
    case cmd::Help: openAbout(); break;
    case cmd::Mixer: enterMixer(); break;
    case cmd::HsvCmyk: toggleSetting(picker.showhsv, command); break;
    case cmd::PaletteNormal:
    case cmd::PaletteWeb:
    case cmd::PaletteGray:
    case cmd::PaletteInvert:
        checkOneOf({cmd::PaletteNormal, cmd::PaletteWeb, cmd::PaletteGray, cmd::PaletteInvert}, command);
        picker.convertcolflag = static_cast<std::int32_t>(command - cmd::PaletteNormal);
        layoutPanel();
        break;
    case cmd::AttachToCursor:
        picker.nomove ^= 1;
        picker.freeze = 0;
        PostMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
        break;
    default: break;
    }
}

void openPopupAtPanel(HWND window) {
    HMENU popup = popupMenu();
    RECT item = {};
    const bool measured = GetMenuItemRect(window, popup, 1, &item) != 0;
    const PopupPoint at = panelPopupPosition(measured, item.right - item.left);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
}

void onTray(HWND window, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK: toggleShown(); break;
    case WM_RBUTTONUP: {
        HMENU popup = popupMenu();
        POINT pointer = {};
        GetCursorPos(&pointer);
        // Without the foreground the popup would not close when the user clicks elsewhere.
        SetForegroundWindow(window);
        const PopupPoint at = trayPopupPosition(pointer.x);
        TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
        // Lets the menu's modal loop see a message and end cleanly after a choice.
        PostMessageA(window, WM_NULL, 0, 0);
        break;
    }
    default: break;
    }
}

void repaint(HWND window, bool readouts, bool preview) {
    const ScopedGetDC dc(window);
    if (!dc) return;
    if (readouts)
        paintReadouts(dc, preview);
    else
        paintFrame(dc);
}

}  // namespace

void setMenuCheck(UINT command, bool checked) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoA(picker.appMenu, command, FALSE, &info);
}

LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTaskbarCreated) addTrayIcon();
    switch (message) {
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintFrame(dc);
        paintReadouts(dc, false);
        EndPaint(window, &paint);
        break;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_COMMAND:
        if (!picker.aboutActive) runCommand(LOWORD(wParam));
        break;
    case WM_LBUTTONDOWN:
        if (!picker.aboutActive) beginPanelDrag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_LBUTTONUP:
        if (!picker.aboutActive) picker.moveform = 0;
        break;
    case WM_LBUTTONDBLCLK:
        if (!picker.show)
            showPanel();
        else if (picker.mixerActive)
            exitMixer();
        else
            hidePanel();
        return 0;
    case WM_RBUTTONDOWN:
        if (picker.mixerActive) {
            exitMixer();
            return 0;
        }
        if (picker.aboutActive) break;
        openPopupAtPanel(window);
        return 0;
    case UM_TRAY:
        if (!picker.aboutActive) onTray(window, lParam);
        break;
    case UM_READOUT: repaint(window, true, lParam != 0); break;
    case UM_FRAME:
        // The frame's background covers the magnifier and readouts: they are painted again at
        // once, not at the next pointer move (a frozen panel keeps its picture).
        repaint(window, false, false);
        if (!picker.freeze) repaint(window, true, false);
        break;
    case UM_COPYTEXT: copyColorText(); break;
    case UM_COPYBITMAP: copyCaptureBitmap(); break;
    case UM_MIXERRELEASE: mixerRelease(wParam != 0); break;
    case WM_DISPLAYCHANGE:
        readScreenSize();
        layoutPanel();
        break;
    case UM_PLACE:
        placeAsAsked();
        if (picker.captureState == 0 && !picker.mixerActive) repaint(window, true, false);
        break;
    case WM_TIMER:
        if (wParam == kHookWatchTimer) watchHook();
        break;
    case WM_MOUSEMOVE:
        if (picker.mixerActive) mixerPanelMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case UM_SITE: ShellExecuteA(nullptr, "open", kSiteAddress, nullptr, nullptr, SW_SHOWNORMAL); break;
    case UM_MAIL: ShellExecuteA(nullptr, "open", kMailAddress, nullptr, nullptr, SW_SHOWNORMAL); break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
