// The colour mixer mode on the overlay window: the screen frozen into the snapshot, a pick
// with its tolerance drag, the R/G/B sliders in the panel, the 40 ms refresh timer and the
// final recolouring.
//
// The whole-screen passes never run inside the mouse hook: a release posts UM_MIXERRELEASE,
// which the panel handles before the overlay's own button-up message (posted messages come
// before input), so the order of events stays that of the hook running first.
#include "mixer/mixer_win.h"

#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "mixer/mixer_state.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/tracking_win.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshPeriod = 40;  // ms; the refresh runs on the sixth quiet tick
// Under a compositing window manager the panel leaves the screen only once the windows
// beneath have repainted its place and the next frame is composed; 1 ms is not enough.
constexpr DWORD kPanelGoneWait = 50;

Colour mixColour() {
    return static_cast<Colour>(colorSliders[0].getValue() & 0xFF) | (colorSliders[1].getValue() & 0xFF) << 8 |
           (colorSliders[2].getValue() & 0xFF) << 16;
}

void pick(HWND overlay, int x, int y) {
    markMatches(snapshot, picker.currentColor, mixer.tolerance, false);
    showSnapshot(overlay);
    toleranceSlider.showPercent = 1;
    toleranceSlider.setValue(0);
    mixer.tolerance = 0;
    toleranceSlider.setGeometry(x, y, 100, 100);
    toleranceSlider.paint(overlay);
    picker.mixerPicking = 1;
    for (int i = 0; i < 3; ++i)
        colorSliders[i].setValueAndRedraw(picker.panelHwnd, static_cast<std::int32_t>(picker.currentColor >> (8 * i) & 0xFF));
    toleranceSlider.dragging = 1;
}

void refresh(HWND overlay) {
    if (mixer.mixerTicks++ <= 4) return;
    mixer.mixerTicks = 0;
    if (!mixer.mixerDirty) return;
    if (picker.mixerPicking) {
        markMatches(snapshot, picker.currentColor, mixer.tolerance, true);
        showSnapshot(overlay);
        toleranceSlider.paint(overlay);  // the snapshot covered it
    } else {
        recolorMarked(overlay, mixColour());
    }
    mixer.mixerDirty = 0;
    mixer.mixerTicks = 0;
}

}  // namespace

Rect (*mixerArea)() = allMonitors;

void enterMixer() {
    // Entering twice would overwrite savedNomove with the forced 1 and pin the panel for good.
    if (picker.mixerActive) return;
    // Without a snapshot there is nothing to mix on: the mode is not entered at all.
    // Every monitor freezes: the snapshot is of the rectangle they all span.
    const Rect area = mixerArea();
    if (!createSnapshot(nullptr, area.right - area.left, area.bottom - area.top)) return;
    snapshot.originX = area.left;
    snapshot.originY = area.top;
    picker.mixerActive = 1;
    picker.mixerStarting = 1;
    SetWindowPos(picker.panelHwnd, HWND_TOP, -10, -10, 2, 2, 0);
    ShowWindow(picker.panelHwnd, SW_HIDE);
    picker.show = 1;
    Sleep(kPanelGoneWait);
    // The screen is copied before the overlay covers it: a window that does not paint shows
    // nothing of what lies beneath under a compositing window manager, so the overlay shows
    // the copy instead.
    grabScreen(nullptr);
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, area.left, area.top, snapshot.width, snapshot.height,
                 SWP_ASYNCWINDOWPOS | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    showSnapshot(picker.overlayHwnd);
    layoutPanel();
    mixer.savedNomove = picker.nomove;
    picker.nomove = 1;
    SetWindowPos(picker.panelHwnd, HWND_TOPMOST, picker.xokna, picker.yokna, picker.panelWidth, picker.panelHeight,
                 SWP_ASYNCWINDOWPOS | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    picker.show = 1;
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT);
    picker.mixerStarting = 0;
    mixer.mixerDirty = 0;
    SetTimer(picker.overlayHwnd, kRefreshTimer, kRefreshPeriod, nullptr);
    if (!picker.hookHandle) showPanel();
    picker.nomove = 1;
}

void exitMixer() {
    KillTimer(picker.overlayHwnd, kRefreshTimer);
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, -1, -1, 1, 1, SWP_ASYNCWINDOWPOS | SWP_DEFERERASE);
    ShowWindow(picker.overlayHwnd, SW_HIDE);
    picker.mixerActive = 0;
    freeSnapshot();
    picker.nomove = mixer.savedNomove;
    layoutPanel();
    applyPanelVisibility();
    capture.captureRect = {};
    capture.captureHeight = 0;
    capture.captureWidth = 0;
}

void mixerHookMove() {
    if (picker.mixerStarting) return;
    if (picker.mixerPicking) {
        const std::int32_t old = mixer.tolerance;
        toleranceSlider.dragTo(picker.overlayHwnd, picker.cursorX - snapshot.originX, picker.cursorY - snapshot.originY);
        mixer.tolerance = toleranceSlider.getValue() / 3;
        if (mixer.tolerance != old) ++mixer.mixerDirty;
        return;
    }
    for (SliderControl& slider : colorSliders)
        if (slider.dragging) {
            ++mixer.mixerDirty;
            break;
        }
    if (picker.captureState == 0) askForPlacement();
}

void mixerHookRelease() {
    if (picker.mixerStarting) return;
    const bool picked = picker.mixerPicking != 0;
    picker.mixerPicking = 0;
    for (SliderControl& slider : colorSliders) slider.endDrag();
    PostMessageA(picker.panelHwnd, UM_MIXERRELEASE, picked, 0);
}

void mixerRelease(bool picked) {
    if (!picker.mixerActive) return;
    if (picked) markMatches(snapshot, picker.currentColor, mixer.tolerance, true);
    recolorMarked(picker.overlayHwnd, mixColour());
}

void mixerPanelMove(int x, int y) {
    for (SliderControl& slider : colorSliders) slider.dragTo(picker.panelHwnd, x, y);
    picker.currentColor = mixColour();
    PostMessageA(picker.panelHwnd, UM_READOUT, 0, 1);
}

LRESULT mixerSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT: {
        // Whatever part of the frozen screen is exposed shows the snapshot again.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        BitBlt(dc, 0, 0, snapshot.width, snapshot.height, snapshot.memoryDC, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_MOUSEMOVE:
        // The overlay's client coordinates, moved by its corner to the screen's.
        picker.cursorX = LOWORD(lParam) + snapshot.originX;
        picker.cursorY = HIWORD(lParam) + snapshot.originY;
        if (picker.mixerPicking) {
            SetCursor(picker.toleranceCursor);
        } else {
            SetCursor(picker.pickCursor);
            PostMessageA(picker.panelHwnd, UM_READOUT, 0, 0);
        }
        break;
    case WM_LBUTTONDOWN: pick(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_LBUTTONUP: picker.mixerPicking = 0; break;
    case WM_TIMER: refresh(window); break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
