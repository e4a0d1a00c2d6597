#include "mixer/mixer.h"

#include "core/colour_maths.h"
#include "core/messages.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/gestures.h"

namespace {

Effects& markAgain(Effects& fx, const PickerState& s, const MixerState& m, bool restore) {
    return fx.add(Fx::MarkMatches, static_cast<std::int32_t>(s.currentColour), m.tolerance, restore);
}

Effects pick(PickerState& s, MixerState& m, std::int32_t x, std::int32_t y) {
    Effects fx;
    // Marked with the tolerance the last pick ended with; the drag then starts from 0.
    markAgain(fx, s, m, false).add(Fx::ShowSnapshot);
    toleranceSlider.showPercent = 1;
    toleranceSlider.setValue(0);
    m.tolerance = 0;
    toleranceSlider.setGeometry(x, y, 100, 100);
    fx.add(Fx::DrawSlider, kToleranceSlider);
    s.mixerPicking = 1;
    placeColourSliders(s);
    for (std::int32_t i = 0; i < 3; ++i) {
        colorSliders[i].setValue(static_cast<std::int32_t>(channelOf(s.currentColour, i)));
        fx.add(Fx::DrawSlider, i);
    }
    toleranceSlider.dragging = 1;
    return fx;
}

Effects refresh(const PickerState& s, MixerState& m) {
    Effects fx;
    if (m.mixerTicks++ <= 4) return fx;
    m.mixerTicks = 0;
    if (!m.mixerDirty) return fx;
    if (s.mixerPicking)
        markAgain(fx, s, m, true).add(Fx::ShowSnapshot).add(Fx::DrawSlider, kToleranceSlider);  // it was covered
    else
        fx.add(Fx::Recolour, static_cast<std::int32_t>(mixColour())).add(Fx::ShowSnapshot);
    m.mixerDirty = 0;
    return fx;
}

}  // namespace

Colour mixColour() {
    const auto channel = [](const SliderControl& slider) { return static_cast<std::uint32_t>(slider.getValue()) & 0xFFu; };
    return rgb(channel(colorSliders[0]), channel(colorSliders[1]), channel(colorSliders[2]));
}

Effects mixerStart(PickerState& s, MixerState& m) {
    m.user = userPanel(s);
    s.mixerActive = 1;
    s.mixerStarting = 1;
    s.show = 1;
    return Effects().add(Fx::ClearPanel);
}

Effects mixerHoldScreen(const PickerState& s) {
    Effects fx;
    if (!s.mixerActive || !s.mixerStarting) return fx;
    // The screen is copied before the overlay covers it: a window that does not paint shows
    // nothing of what lies beneath under a compositing window manager, so the overlay shows
    // the copy instead.
    fx.add(Fx::GrabScreen).add(Fx::ShowMixerOverlay);
    if (!s.hookHandle) fx.add(Fx::ShowPanel);  // hidden before the mode: the mixer needs the hook
    // Placed with the slider rows before the pin. (Laid out while the panel is hidden, during
    // the wait, the overlay's surface was kept after leaving, 32 MB at 4K, under Wine 8.)
    return fx.add(Fx::Layout).add(Fx::MixerReady);
}

Effects mixerReady(PickerState& s, MixerState& m) {
    pinPanel(s);
    s.mixerStarting = 0;
    m.mixerDirty = 0;
    m.mixerTicks = 0;
    return Effects().add(Fx::LiftPanel).add(Fx::StartMixerTimer);
}

Effects mixerExit(PickerState& s, MixerState& m, bool forGood) {
    s.mixerActive = 0;
    giveBackPanel(s, m.user, forGood);
    Effects fx;
    fx.add(Fx::StopMixerTimer).add(Fx::ParkOverlay).add(Fx::FreeSnapshot);
    return fx.add(Fx::Layout).add(Fx::ApplyVisibility);
}

Effects mixerPointerMove(PickerState& s, MixerState& m) {
    Effects fx;
    m.mixerTicks = 0;
    if (s.mixerStarting) return fx;
    if (s.mixerPicking) {
        const std::int32_t old = m.tolerance;
        if (toleranceSlider.dragging) {
            toleranceSlider.moveThumb(s.cursorX - snapshot.originX, s.cursorY - snapshot.originY);
            fx.add(Fx::DrawSlider, kToleranceSlider);
        }
        m.tolerance = toleranceSlider.getValue() / 3;
        if (m.tolerance != old) ++m.mixerDirty;
        return fx;
    }
    for (const SliderControl& slider : colorSliders)
        if (slider.dragging) {
            ++m.mixerDirty;
            // The panel sees the pointer only while it is over the panel.
            fx = mixerSliderDrag(s, s.cursorX - s.panelX, s.cursorY - s.panelY);
            break;
        }
    if (s.captureState == 0) askForPlacement(s, fx);
    return fx;
}

Effects mixerPointerRelease(PickerState& s, MixerState&) {
    Effects fx;
    if (s.mixerStarting) return fx;
    const bool picked = s.mixerPicking != 0;
    s.mixerPicking = 0;
    for (SliderControl& slider : colorSliders) slider.endDrag();
    return fx.post(UM_MIXERRELEASE, picked);
}

Effects mixerRecolour(const PickerState& s, const MixerState& m, bool picked) {
    Effects fx;
    if (!s.mixerActive) return fx;
    if (picked) markAgain(fx, s, m, true);
    return fx.add(Fx::Recolour, static_cast<std::int32_t>(mixColour())).add(Fx::ShowSnapshot);
}

Effects mixerOverlayMessage(PickerState& s, MixerState& m, unsigned message, std::int32_t x, std::int32_t y) {
    Effects fx;
    switch (message) {
    case wm::MouseActivate: return fx.answer(kNoActivate);
    case wm::Paint: return fx.add(Fx::PaintSnapshot).answer(0);  // what is exposed shows the frozen screen
    case wm::MouseMove:
        // The overlay's client coordinates, moved by its corner to the screen's.
        s.cursorX = x + snapshot.originX;
        s.cursorY = y + snapshot.originY;
        if (s.mixerPicking) return fx.add(Fx::SetCursor, ToleranceShape);
        return fx.add(Fx::SetCursor, PickShape).post(UM_READOUT);
    case wm::LeftDown: return pick(s, m, x, y).answer(0);
    case wm::LeftUp: s.mixerPicking = 0; return fx;
    case wm::Timer: return refresh(s, m);
    default: return fx;
    }
}

Effects mixerPanelMove(PickerState& s, std::int32_t x, std::int32_t y) { return mixerSliderDrag(s, x, y); }

Effects mixerSliderDrag(PickerState& s, std::int32_t x, std::int32_t y) {
    Effects fx;
    placeColourSliders(s);
    for (std::int32_t i = 0; i < 3; ++i)
        if (colorSliders[i].dragging) {
            colorSliders[i].moveThumb(panelUnits(x, s.scale), panelUnits(y, s.scale));
            fx.add(Fx::DrawSlider, i);
        }
    s.currentColour = mixColour();
    return fx.post(UM_READOUT, 0, 1);
}

bool mixerSliderPress(const PickerState& s, std::int32_t x, std::int32_t y) {
    placeColourSliders(s);
    bool onThumb = false;
    for (SliderControl& slider : colorSliders)
        onThumb = slider.hitTest(panelUnits(x, s.scale), panelUnits(y, s.scale)) || onThumb;
    return onThumb;
}

void placeColourSliders(const PickerState& s) {
    for (std::int32_t i = 0; i < 3; ++i)
        colorSliders[i].setGeometry(s.magnifierLeft + 10, s.slidersTop + 4 + 14 * i, 128, 255);
}
