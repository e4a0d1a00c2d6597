// What the panel window does with its messages, and what each menu command does.
#pragma once

#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"
#include "mixer/mixer.h"

struct PanelMessage {
    unsigned message;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;    // as the message gives it; x, y below where it is a point
    std::int32_t x = 0, y = 0;  // the pointer in the panel's client coordinates
};

// The panel's messages:
//
//   message            condition          effect
//   WM_PAINT                              frame and readouts
//   WM_MOUSEACTIVATE                      never activated
//   WM_COMMAND         about closed       the command (commandDecision)
//   left press         about closed       a panel drag begins (in the mixer, a press on a slider's
//                                         thumb drags the slider instead); the panel unfreezes
//   left release       about closed       the drag ends
//   double click       hidden             shown
//                      mixer              the mixer ends
//                      otherwise          hidden (a capture ends first)
//   right press        mixer              the mixer ends
//                      about open         nothing
//                      otherwise          the popup menu beside the panel
//   UM_TRAY            about closed       double click: shown, or hidden with a capture or the mixer
//                                         ended first; right button up: the menu
//   UM_READOUT                            readouts (lParam: the mixer's preview)
//   UM_FRAME                              frame, and the readouts unless frozen
//   UM_PLACE                              the panel placed; readouts unless a mode holds the overlay
//   UM_STEP                               the pointer to the stepped point; readouts though frozen
//   UM_COPYTEXT, UM_COPYBITMAP            the clipboard copies
//   UM_MIXERRELEASE                       the mixer's recolouring
//   UM_MIXERSTART, UM_MIXERPLACED         the mixer's entry: begun, done once the panel is placed
//   UM_SITE, UM_MAIL                      the maker's web page, a mail message
//   WM_DISPLAYCHANGE                      the monitors read again, the panel laid out
//   WM_DPICHANGED                         laid out at the scale of its monitor's DPI
//   WM_ENDSESSION      the session ends   the mode ends, the settings are stored
//   WM_TIMER           the hook's watch   the hook installed again if dropped
//                      the picture's      the capture's picture and overlay
//   pointer move       mixer              a dragged slider follows
Effects panelDecision(PickerState& s, MixerState& mixer, const PanelMessage& m);

// The menu's commands (none while the about window is open).
Effects commandDecision(PickerState& s, unsigned command);
