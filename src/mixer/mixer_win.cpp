// The colour mixer mode on the overlay window: entering it, and carrying out what its
// decisions ask for on the frozen screen and the sliders.
//
// The whole-screen passes never run inside the mouse hook: a release posts UM_MIXERRELEASE,
// which the panel handles before the overlay's own button-up message (posted messages come
// before input), so the order of events stays that of the hook running first.
#include "mixer/mixer_win.h"

#include "core/messages.h"
#include "core/picker_state.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "mixer/mixer.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/tracking_win.h"

namespace {

MixerState mixer;

// Not entered twice (the saved pin would become the forced 1 and pin the panel for good), nor
// without a snapshot.
Effects enterMixer() {
    if (picker.mixerActive) return {};
    // Every monitor freezes: the snapshot is of the rectangle they all span (read again
    // whenever the displays change).
    if (!createSnapshot(picker.allMonitors)) return {};
    return mixerStart(picker, mixer);
}

}  // namespace

Effects mixerDecision(const Effect& e) {
    switch (e.what) {
    case Fx::EnterMixer: return enterMixer();
    case Fx::MixerHoldScreen:
        KillTimer(picker.panelHwnd, kPictureTimer);
        return mixerHoldScreen(picker);
    case Fx::MixerReady: return mixerReady(picker, mixer);
    case Fx::ExitMixer: return mixerExit(picker, mixer, e.a != 0);
    case Fx::MixerMove: return mixerPointerMove(picker, mixer);
    case Fx::MixerRelease: return mixerPointerRelease(picker, mixer);
    default: return {};
    }
}

Effects mixerRecolourDecision(bool picked) { return mixerRecolour(picker, mixer, picked); }

Effects mixerOverlay(unsigned message, std::int32_t x, std::int32_t y) {
    return mixerOverlayMessage(picker, mixer, message, x, y);
}

void showMixerOverlay() {
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, snapshot.originX, snapshot.originY, snapshot.width, snapshot.height,
                 SWP_ASYNCWINDOWPOS | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    showSnapshotOnOverlay();
}

void startMixerTimer() {
    SetWindowLongA(picker.overlayHwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT);
    SetTimer(picker.overlayHwnd, kRefreshTimer, kRefreshPeriod, nullptr);
}

void markMatchesShown(Colour target, std::int32_t tolerance, bool restore) {
    markMatches(snapshot, target, tolerance, restore);
}

void recolour(Colour colour) { recolorMarked(snapshot, colour); }

void showSnapshotOnOverlay() { showSnapshot(ScopedGetDC(picker.overlayHwnd)); }

// The tolerance slider lives on the overlay, the colour sliders in the panel.
void drawSlider(std::int32_t which) {
    if (which == kToleranceSlider) {
        toleranceSlider.redraw(ScopedGetDC(picker.overlayHwnd));
        return;
    }
    colorSliders[which].redraw(PanelCanvas(ScopedGetDC(picker.panelHwnd)));
}

void drawColourSliders(HDC panel) {
    placeColourSliders(picker);
    for (SliderControl& slider : colorSliders) slider.draw(panel, true);
}

void stopMixerTimer() { KillTimer(picker.overlayHwnd, kRefreshTimer); }
