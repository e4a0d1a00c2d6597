#include "mixer/mixer.h"

#include "core/colour_maths.h"
#include "core/messages.h"
#include "display/readouts.h"
#include "mixer/snapshot.h"

namespace {

Effects& markAgain(Effects& fx, const PickerState& s, const MixerState& m, bool restore) {
    return fx.add(Fx::MarkMatches, static_cast<std::int32_t>(s.currentColour), m.tolerance, restore);
}

Effects pick(PickerState& s, MixerState& m, std::int32_t x, std::int32_t y) {
    Effects fx;
    // Marked with the tolerance the last pick ended with; the drag then starts from 0.
    markAgain(fx, s, m, false).add(Fx::ShowSnapshot);
    m.toleranceSlider.showPercent = 1;
    m.toleranceSlider.setValue(0);
    m.tolerance = 0;
    m.toleranceSlider.setGeometry(x, y, 100, 100);
    fx.add(Fx::DrawSlider, kToleranceSlider);
    s.mixerPicking = 1;
    placeColourSliders(s, m);
    for (std::int32_t i = 0; i < 3; ++i) {
        m.colourSliders[i].setValue(static_cast<std::int32_t>(channelOf(s.currentColour, i)));
        fx.add(Fx::DrawSlider, i);
    }
    m.toleranceSlider.dragging = 1;
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
        fx.add(Fx::Recolour, static_cast<std::int32_t>(mixColour(m))).add(Fx::ShowSnapshot);
    m.mixerDirty = 0;
    return fx;
}

}  // namespace

Colour mixColour(const MixerState& m) {
    const auto channel = [&m](int i) { return static_cast<std::uint32_t>(m.colourSliders[i].getValue()) & 0xFFu; };
    return rgb(channel(0), channel(1), channel(2));
}

Effects mixerStart(PickerState& s, MixerState& m) {
    m.user = userPanel(s);
    s.mixerActive = 1;
    s.mixerStarting = 1;
    markPanelShown(s);
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
        if (m.toleranceSlider.dragging) {
            m.toleranceSlider.moveThumb(s.cursorX - snapshot.originX, s.cursorY - snapshot.originY);
            fx.add(Fx::DrawSlider, kToleranceSlider);
        }
        m.tolerance = m.toleranceSlider.getValue() / 3;
        if (m.tolerance != old) ++m.mixerDirty;
        return fx;
    }
    for (const SliderControl& slider : m.colourSliders)
        if (slider.dragging) {
            ++m.mixerDirty;
            // The panel sees the pointer only while it is over the panel.
            fx = mixerPanelMove(s, m, s.cursorX - s.panelX, s.cursorY - s.panelY);
            break;
        }
    if (s.captureState == 0) askForPlacement(s, fx);
    return fx;
}

Effects mixerPointerRelease(PickerState& s, MixerState& m) {
    Effects fx;
    if (s.mixerStarting) return fx;
    const bool picked = s.mixerPicking != 0;
    s.mixerPicking = 0;
    for (SliderControl& slider : m.colourSliders) slider.endDrag();
    return fx.post(UM_MIXERRELEASE, picked);
}

Effects mixerRecolour(const PickerState& s, const MixerState& m, bool picked) {
    Effects fx;
    if (!s.mixerActive) return fx;
    if (picked) markAgain(fx, s, m, true);
    return fx.add(Fx::Recolour, static_cast<std::int32_t>(mixColour(m))).add(Fx::ShowSnapshot);
}

Effects mixerOverlayMessage(PickerState& s, MixerState& m, unsigned message, std::int32_t x, std::int32_t y) {
    Effects fx;
    switch (message) {
    case wm::MouseActivate: return fx.answer(kNoActivate);
    case wm::Paint: return fx.add(Fx::PaintSnapshot).answer(0);  // what is exposed shows the frozen screen
    case wm::MouseMove:
        // The overlay's client coordinates, moved by its corner to the screen's.
        pointerAt(s, x + snapshot.originX, y + snapshot.originY);
        if (s.mixerPicking) return fx.add(Fx::SetCursor, ToleranceShape);
        return fx.add(Fx::SetCursor, PickShape).post(UM_READOUT);
    case wm::LeftDown: return pick(s, m, x, y).answer(0);
    case wm::LeftUp: s.mixerPicking = 0; return fx;
    case wm::Timer: return refresh(s, m);
    default: return fx;
    }
}

Effects mixerPanelMove(PickerState& s, MixerState& m, std::int32_t x, std::int32_t y) {
    Effects fx;
    placeColourSliders(s, m);
    for (std::int32_t i = 0; i < 3; ++i)
        if (m.colourSliders[i].dragging) {
            m.colourSliders[i].moveThumb(panelUnits(x, s.scale), panelUnits(y, s.scale));
            fx.add(Fx::DrawSlider, i);
        }
    showColour(s, mixColour(m));
    return fx.post(UM_READOUT, 0, 1);
}

bool mixerSliderPress(const PickerState& s, MixerState& m, std::int32_t x, std::int32_t y) {
    placeColourSliders(s, m);
    bool onThumb = false;
    for (SliderControl& slider : m.colourSliders)
        onThumb = slider.pressAt(panelUnits(x, s.scale), panelUnits(y, s.scale)) || onThumb;
    return onThumb;
}

void placeColourSliders(const PickerState& s, MixerState& m) {
    for (std::int32_t i = 0; i < 3; ++i)
        m.colourSliders[i].setGeometry(s.magnifierLeft + 10, s.slidersTop + 4 + 14 * i, 128, 255);
}
