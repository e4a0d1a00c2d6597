// The hand-overs decided: an event's effects with each hand-over (core/effects.h) replaced, in
// place, by what the decision that owns it makes of it, before anything is carried out. So a
// decision that meets an event it does not own (the hook's, a capture's click) asks its owner
// (the capture, the mixer, the pin) by name, and what the window procedures carry out is
// platform work only.
#pragma once

#include "capture/capture.h"
#include "core/effects.h"
#include "core/picker_state.h"
#include "mixer/mixer.h"

// The effects with every hand-over decided in turn (and what those decisions hand over in
// turn); the answer kept.
Effects decideHandOvers(PickerState& s, CaptureState& capture, MixerState& mixer, const Effects& fx);
