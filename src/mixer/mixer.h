// The colour mixer mode: a pick on the frozen screen with its tolerance drag, the R/G/B
// sliders in the panel, the 40 ms refresh and the recolouring.
#pragma once

#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"
#include "mixer/slider.h"
#include "tracking/gestures.h"

// The mixer's own record, beside the picker's mode flags.
struct MixerState {
    std::int32_t tolerance = 0;      // match tolerance, the tolerance slider's value / 3
    std::int32_t mixerDirty = 0;     // changes since the frozen screen was last refreshed
    std::int32_t mixerTicks = 0;     // timer ticks since the pointer last moved
    UserPanel user;                  // pin, shown and frozen as the user had them before the mode
    SliderControl toleranceSlider;   // on the frozen screen, from a pick's press
    SliderControl colourSliders[3];  // red, green and blue in the panel: the mix
};

inline constexpr std::int32_t kToleranceSlider = 3;  // DrawSlider's number for it, after the colour sliders
inline constexpr unsigned kRefreshTimer = 1;
inline constexpr unsigned kRefreshPeriod = 40;  // ms; the refresh runs on the sixth quiet tick

// The colour the three sliders mix.
Colour mixColour(const MixerState& m);

// Entering, once a snapshot is held, as the capture does: the panel leaves the screen and the
// picture timer runs, the thread serving the hook meanwhile (show, frozen and the pin saved as
// the user had them). When the timer ends, the screen is copied and shown on the overlay, the
// panel placed with the mixer's rows and then (MixerReady, once placed) pinned there, back on
// top. Nothing when the mode was left before the picture.
Effects mixerStart(PickerState& s, MixerState& m);
Effects mixerHoldScreen(const PickerState& s);
Effects mixerReady(PickerState& s, MixerState& m);
// Leaving: the pin as it was, the overlay parked, the frozen screen let go. For good (the
// program ends): show and frozen as they were before the mode too, so that the user's own
// settings are stored.
Effects mixerExit(PickerState& s, MixerState& m, bool forGood);

// What the mixer does with
//
//   event                        effect
//   hook: move                   while picking the tolerance follows the pointer (marked again
//                                at the next refresh); a slider drag counts as a change; the
//                                panel is asked to place itself
//   hook: left release           the pick or slider drag ends; the panel recolours (UM_MIXERRELEASE)
//   panel: UM_MIXERRELEASE       after a pick the matches are marked again; the mix is written
//   overlay: left press          the pick: matches of the colour under the pointer marked, the
//                                tolerance slider shown at the press, the sliders set to it
//   overlay: move                the pointer's shape; outside a pick the readouts follow
//   overlay: left release        the pick ends
//   overlay: timer               on the sixth quiet tick, the changes shown
//   panel: move                  a dragged slider follows; the readouts preview the mix
// Nothing acts while the mode is being entered.
Effects mixerPointerMove(PickerState& s, MixerState& m);
Effects mixerPointerRelease(PickerState& s, MixerState& m);
Effects mixerRecolour(const PickerState& s, const MixerState& m, bool picked);
Effects mixerOverlayMessage(PickerState& s, MixerState& m, unsigned message, std::int32_t x, std::int32_t y);
// A colour slider dragged on the panel follows the pointer wherever it goes (a fast move off
// the panel still takes it to its end): the thumb to (x, y) in the panel window's pixels, the
// readouts preview the mix.
Effects mixerPanelMove(PickerState& s, MixerState& m, std::int32_t x, std::int32_t y);

// A press on the panel window at (x, y): starts dragging the colour slider whose thumb it hits;
// true when one was hit, so that the panel is not dragged.
bool mixerSliderPress(const PickerState& s, MixerState& m, std::int32_t x, std::int32_t y);
// Puts the colour sliders where the panel's layout has their rows. Cheap, so done wherever
// their places count, rather than kept in step with every layout.
void placeColourSliders(const PickerState& s, MixerState& m);
