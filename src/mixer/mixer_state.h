// State of the colour mixer mode, beside the picker's mode flags.
#pragma once

#include <cstdint>

struct MixerState {
    std::int32_t tolerance = 0;    // match tolerance, the tolerance slider's value / 3
    std::int32_t mixerDirty = 0;   // changes since the frozen screen was last refreshed
    std::int32_t mixerTicks = 0;   // timer ticks since the pointer last moved
    std::int32_t savedNomove = 0;  // nomove when the mode was entered
};

extern MixerState mixer;
