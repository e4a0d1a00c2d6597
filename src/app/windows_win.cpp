// The two window procedures, and the carrying out of what the decisions ask for.
#include <windowsx.h>

#include "app/about.h"
#include "app/app_win.h"
#include "app/handover.h"
#include "app/panel.h"
#include "capture/capture_win.h"
#include "copy/clipboard_win.h"
#include "core/messages.h"
#include "core/picker_state.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "mixer/snapshot.h"
#include "tracking/tracking_win.h"

namespace {

// As the about page shows them.
constexpr const char* kSiteAddress = "https://korvex.example/";
constexpr const char* kMailAddress = "mailto:k@korvex.example";

HMENU popupMenu() { return GetSubMenu(picker.appMenu, 0); }

void openPanelMenu() {
    const ModalScope menu;
    fillRecentMenu();
    HMENU popup = popupMenu();
    // Beside the panel, never over it: to its left, 5 pixels away and level with its top, when
    // the menu reports an item wider than 130 pixels and that keeps it on the screen; else at
    // the panel's right edge (also when the menu could not be measured).
    RECT item = {};
    const int width = GetMenuItemRect(picker.panelHwnd, popup, 1, &item) ? item.right - item.left : 0;
    int x = width > 130 ? picker.panelX - width - 5 : -1;
    if (x < 0) x = picker.panelX + panelWindowWidth(picker);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, x, picker.panelY, 0, picker.panelHwnd, nullptr);
}

void openTrayMenu() {
    const ModalScope menu;
    POINT pointer = {};
    GetCursorPos(&pointer);
    fillRecentMenu();
    // Without the foreground the popup would not close when the user clicks elsewhere. The
    // panel holds it only while the menu is open: then it goes back where it was, before the
    // chosen command runs, so that the panel never keeps the keyboard (on a busy machine the
    // system's own choice, when a window of ours closes later, could be the panel).
    const HWND before = GetForegroundWindow();
    SetForegroundWindow(picker.panelHwnd);
    // 130 pixels left of the pointer and 170 above the bottom of the screen.
    TrackPopupMenu(popupMenu(), TPM_RIGHTBUTTON, pointer.x - 130, picker.screenHeight - 170, 0, picker.panelHwnd,
                   nullptr);
    // Lets the menu's modal loop see a message and end cleanly after a choice.
    PostMessageA(picker.panelHwnd, WM_NULL, 0, 0);
    if (before && before != picker.panelHwnd && IsWindow(before) && GetForegroundWindow() == picker.panelHwnd)
        SetForegroundWindow(before);
}

void paintReadoutsOn(HDC dc, bool preview, bool evenFrozen = false) {
    if (!dc) return;
    ReadoutSource source;
    source.preview = preview;
    source.evenFrozen = evenFrozen;
    source.pickedColour = matchTarget;
    source.fromSnapshot = picker.mixerActive != 0;
    if (source.fromSnapshot) source.snapshotColour = snapshotPixel(picker.cursorX, picker.cursorY);
    source.band = captureBand();
    source.dragging = picker.captureState == 2;
    if (paintReadouts(dc, source) && picker.mixerActive) drawColourSliders(dc);
}

HICON cursorFor(std::int32_t shape) {
    switch (shape) {
    case LinkShape: return picker.linkCursor;
    case PickShape: return picker.pickCursor;
    case SelectShape: return picker.selectCursor;
    case ToleranceShape: return picker.toleranceCursor;
    default: return picker.arrowCursor;
    }
}

Rect rectOf(const Effect& e) { return {e.a, e.b, e.c, e.d}; }

void carryOutOne(const Effect& e) {
    switch (e.what) {
    case Fx::Post: PostMessageA(picker.panelHwnd, static_cast<UINT>(e.a), static_cast<WPARAM>(e.b), e.c); break;
    case Fx::Layout: layoutPanel(); break;
    case Fx::ReadScreen: readScreen(); break;
    case Fx::ShowPanel: showPanel(); break;
    case Fx::HidePanel: hidePanel(); break;
    case Fx::ApplyVisibility: applyPanelVisibility(); break;
    case Fx::PlacePanel: placePanel(); break;
    case Fx::WatchHook: watchHook(); break;
    case Fx::SetCheck: setMenuCheck(static_cast<UINT>(e.a), e.b != 0); break;
    case Fx::OpenPanelMenu: openPanelMenu(); break;
    case Fx::OpenTrayMenu: openTrayMenu(); break;
    case Fx::StoreSettings: storeSettingsAtExit(); break;
    case Fx::Exit:
        DestroyWindow(picker.overlayHwnd);
        DestroyWindow(picker.panelHwnd);
        break;
    case Fx::PaintPanel: {
        const ScopedPaint window(picker.panelHwnd);
        const PanelCanvas dc(window);
        paintFrame(dc);
        paintReadoutsOn(dc, false);
        break;
    }
    case Fx::PaintFrame: paintFrame(PanelCanvas(ScopedGetDC(picker.panelHwnd))); break;
    case Fx::PaintReadouts: paintReadoutsOn(PanelCanvas(ScopedGetDC(picker.panelHwnd)), e.a != 0, e.b != 0); break;
    case Fx::MovePointer: movePointer(e.a, e.b); break;
    case Fx::CopyText: copyColourText(); break;
    case Fx::CopyBitmap: copyCaptureBitmap(); break;
    case Fx::CopyRecent: copyRecentColour(e.a); break;
    case Fx::SavePalette: {
        const ModalScope dialog;
        savePalette();
        break;
    }
    case Fx::OpenSite: ShellExecuteA(nullptr, "open", kSiteAddress, nullptr, nullptr, SW_SHOWNORMAL); break;
    case Fx::OpenMail: ShellExecuteA(nullptr, "open", kMailAddress, nullptr, nullptr, SW_SHOWNORMAL); break;
    case Fx::SetCursor: SetCursor(cursorFor(e.a)); break;
    case Fx::PointerToState: readPointer(); break;
    case Fx::ClearPanel:
        takePanelOffScreen();
        SetTimer(picker.panelHwnd, kPictureTimer, kPanelGoneWait, nullptr);
        break;
    case Fx::StopPictureTimer: KillTimer(picker.panelHwnd, kPictureTimer); break;
    case Fx::TakePicture: takePicture(rectOf(e)); break;
    case Fx::ShowOverlay: showOverlay(rectOf(e)); break;
    case Fx::LiftPanel:
        SetWindowPos(picker.panelHwnd, HWND_TOPMOST, picker.panelX, picker.panelY, panelWindowWidth(picker),
                     panelWindowHeight(picker), SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        break;
    case Fx::ReleasePointer: ReleaseCapture(); break;
    case Fx::CutBand: cutBand(rectOf(e)); break;
    case Fx::ParkOverlay: parkOverlay(); break;
    case Fx::ReleasePicture: releasePicture(); break;
    case Fx::InvalidateOverlay: InvalidateRect(picker.overlayHwnd, nullptr, FALSE); break;
    case Fx::PaintCapture: paintCaptureOverlay(ScopedPaint(picker.overlayHwnd)); break;
    case Fx::EnterMixer: enterMixer(); break;
    case Fx::MixerReady: tellMixerPlaced(); break;
    case Fx::StopMixerTimer: stopMixerTimer(); break;
    case Fx::FreeSnapshot: freeSnapshot(); break;
    case Fx::PaintSnapshot: showSnapshot(ScopedPaint(picker.overlayHwnd)); break;
    case Fx::MarkMatches: markMatchesShown(static_cast<Colour>(e.a), e.b, e.c != 0); break;
    case Fx::Recolour: recolour(static_cast<Colour>(e.a)); break;
    case Fx::ShowSnapshot: showSnapshotOnOverlay(); break;
    case Fx::GrabScreen: grabScreen(); break;
    case Fx::ShowMixerOverlay: showMixerOverlay(); break;
    case Fx::StartMixerTimer: startMixerTimer(); break;
    case Fx::DrawSlider: drawSlider(e.a); break;
    case Fx::OpenAbout: openAboutWindow(); break;
    case Fx::CloseAbout: closeAboutWindow(); break;
    case Fx::PaintAbout:
        if (e.a)
            paintAbout(ScopedGetDC(picker.overlayHwnd));
        else
            paintAbout(ScopedPaint(picker.overlayHwnd));
        break;
    // Decided before anything is carried out.
    case Fx::TogglePin:
    case Fx::ToggleFreeze:
    case Fx::StartCapture:
    case Fx::CaptureMove:
    case Fx::CapturePress:
    case Fx::EndCapture:
    case Fx::HoldScreen:
    case Fx::StartMixer:
    case Fx::MixerHoldScreen:
    case Fx::MixerPlaced:
    case Fx::ExitMixer:
    case Fx::MixerMove:
    case Fx::MixerRelease:
    case Fx::MixerRecolour: break;
    }
}

// What a window procedure returns after carrying out a decision.
LRESULT finish(const Effects& effects, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    carryOut(effects);
    syncKeyHook();  // whatever the message changed, the keyboard hook follows
    if (effects.answered()) return effects.answerValue();
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

ModalScope::ModalScope() {
    picker.modalOpen = 1;
    syncKeyHook();
}

ModalScope::~ModalScope() { picker.modalOpen = 0; }

void parkOverlay() {
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, -1, -1, 1, 1,
                 SWP_ASYNCWINDOWPOS | SWP_DEFERERASE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ShowWindow(picker.overlayHwnd, SW_HIDE);
}

void carryOut(const Effects& effects) {
    for (const Effect& e : decideHandOvers(picker, capture, mixer, effects)) carryOutOne(e);
}

void setMenuCheck(UINT command, bool checked) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoA(picker.appMenu, command, FALSE, &info);
}

LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Broadcast to every top-level window when the taskbar is created anew (Explorer restarted).
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (message == taskbarCreated) addTrayIcon();
    if (message == WM_DESTROY) PostQuitMessage(0);
    const PanelMessage m{message, static_cast<std::uint32_t>(wParam), static_cast<std::int32_t>(lParam),
                         GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return finish(panelDecision(picker, mixer, m), window, message, wParam, lParam);
}

// The overlay serves the about window, the mixer's frozen screen or the region capture.
LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const Effects effects = picker.aboutActive   ? aboutMessage(picker, message, x, y)
                            : picker.mixerActive ? mixerOverlayMessage(picker, mixer, message, x, y)
                                                 : captureOverlayMessage(picker, message);
    return finish(effects, window, message, wParam, lParam);
}
