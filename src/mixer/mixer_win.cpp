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
#include "mixer/snapshot.h"

MixerState mixer;

void enterMixer() {
    // Every monitor freezes: the snapshot is of the rectangle they all span (read again
    // whenever the displays change). Without one the mixer does not begin.
    if (createSnapshot(picker.allMonitors)) SendMessageA(picker.panelHwnd, UM_MIXERSTART, 0, 0);
}

void tellMixerPlaced() { SendMessageA(picker.panelHwnd, UM_MIXERPLACED, 0, 0); }

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
        mixer.toleranceSlider.redraw(ScopedGetDC(picker.overlayHwnd));
        return;
    }
    mixer.colourSliders[which].redraw(PanelCanvas(ScopedGetDC(picker.panelHwnd)));
}

void drawColourSliders(HDC panel) {
    placeColourSliders(picker, mixer);
    for (SliderControl& slider : mixer.colourSliders) slider.draw(panel, true);
}

void stopMixerTimer() { KillTimer(picker.overlayHwnd, kRefreshTimer); }
