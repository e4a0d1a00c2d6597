// What the mouse hook makes of every pointer event of the desktop: the panel follows the
// pointer, and modifier clicks anywhere become commands.
#pragma once

#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"

struct PointerEvent {
    enum Kind : std::uint8_t { Move, LeftDown, RightDown, LeftUp } kind;
    std::int32_t x = 0, y = 0;  // screen coordinates
    bool alt = false, shift = false, ctrl = false;
};

// Independent rules, so combinations add up:
//
//   event              mode                  effect
//   any                about window, hidden  nothing
//   move               mixer                 the mixer follows
//   move               capture               the capture follows
//   move               none                  the panel is asked to place itself (once until done)
//   move               where steps led       nothing; kept (until a move elsewhere)
//   press              mixer                 nothing (the mixer's surface has it)
//   right press        capture               the capture is cancelled, then the rules below
//   press              crosshair             the band's corner is fixed
//   press              band                  nothing
//   press + Alt        none                  pin or unpin, frame repaint
//   left + Shift       none (no Ctrl)        freeze or unfreeze, frame and readout repaint
//   press + Ctrl+Shift none                  a capture begins
//   left release+Ctrl  no capture (no Shift) the colour text is copied
//   left release       mixer                 the mixer's release
//   left release       otherwise             a panel drag ends; a band copies and the capture ends
//
// A press during a capture, or one that starts a capture, is answered kSwallow: it (and its
// release) goes no further than the hook.
Effects pointerDecision(PickerState& s, const PointerEvent& e);

// Asks the panel to place itself and repaint its readouts (UM_PLACE), unless that is
// already on its way: every pointer move would otherwise cost a post and a window move.
void askForPlacement(PickerState& s, Effects& fx);
// UM_PLACE arrived: the panel placed, and its readouts repainted unless a mode holds the
// overlay; a placement may be asked for again.
Effects placeAsAsked(PickerState& s);

// The pointer is at (x, y), screen coordinates: as the hook, the mixer's overlay or the
// system reports it.
void pointerAt(PickerState& s, std::int32_t x, std::int32_t y);

// A press on the panel grabs it at the pointer's screen point, so that a drag keeps that point
// under the pointer; drag is false when the press went to a mixer slider instead. Either way a
// frozen panel thaws. dropPanel: the release.
void grabPanel(PickerState& s, std::int32_t pointerX, std::int32_t pointerY, bool drag);
void dropPanel(PickerState& s);

// The effects TogglePin and ToggleFreeze, on the state.
void togglePin(PickerState& s);
void toggleFreeze(PickerState& s);

// The region capture and the mixer hold the panel still while they run. What the user had is
// kept when the mode begins and given back when it ends: the pin always; shown and frozen too
// when the program ends with the mode, so that the settings stored are the user's.
struct UserPanel {
    std::int32_t pinned = 0, show = 0, frozen = 0;
};
UserPanel userPanel(const PickerState& s);
void pinPanel(PickerState& s);
void giveBackPanel(PickerState& s, const UserPanel& user, bool forGood);
// The mixer may begin with the panel hidden: it counts as shown from then on, and is shown once
// the screen is held.
void markPanelShown(PickerState& s);
