// What the keyboard hook makes of the keys while the panel is frozen and the user has asked
// for the keyboard ("Клавиатура при заморозке"): precise picking, a pixel at a time.
#pragma once

#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"

struct KeyEvent {
    std::uint32_t key = 0;  // the virtual-key code
    bool up = false;
    bool ctrl = false;
    bool altOrWin = false;  // Alt or a Windows key held
};

// The keyboard hook is installed exactly while this holds: the option on, the panel shown and
// frozen, and no capture, mixer, about window, or menu or dialog of ours (whose keys they are).
bool keyboardWanted(const PickerState& s);

//   key           held        while wanted                             otherwise
//   arrow         -, Shift    the point steps 1 pixel, UM_STEP; kept   passed
//   arrow         Ctrl        the point steps 10 pixels; kept          passed
//   Enter                     the colour copied (UM_COPYTEXT); kept    passed
//   Esc                       kept; its release unfreezes              passed
//   any of these  Alt, Win    passed                                   passed
//   release       -           kept when its press was kept (Esc's unfreezes while wanted)
//   any other key             passed
// A step that would leave every monitor stops at the edge of the pointer's own. UM_STEP is
// posted once until the panel has handled it. stepSpan grows to hold the points stepped from
// and to (pointerDecision keeps moves there from the system).
Effects keyDecision(PickerState& s, const KeyEvent& e);

// UM_STEP arrived: the pointer set to the stepped point and the readouts repainted though
// frozen; a step may be asked for again.
Effects stepAsAsked(PickerState& s);
