// The about window's page geometry: where it sits and what a press on it does.
#pragma once

#include <cstdint>

#include "core/effects.h"
#include "core/picker_state.h"

// Centres the about window horizontally and 80 pixels above the vertical centre of the
// primary screen, in window pixels at its scale, never above or left of the screen. Its scale
// is the panel's, or where the page so enlarged and the frame round it (caption and borders,
// in window pixels) would not fit the primary monitor's work area, the largest that does,
// down to 1.
void placeAboutWindow(PickerState& s, const Rect& workArea, std::int32_t frameWidth, std::int32_t frameHeight);

// The about window's messages, in its client coordinates: a move tracks the pointer (the
// link cursor over a link); a press, judged where the pointer last moved, not where the
// press message says, posts the links under it, and flips the page on the page button or
// else closes the window, the panel placed beside where the pointer really is.
Effects aboutMessage(PickerState& s, unsigned message, std::int32_t x, std::int32_t y);

// "Помощь": the about window opens on the help page (a mode that holds the overlay is ended
// first, by the caller). closeAbout: it goes without placing the panel (the session ends).
Effects& openHelp(PickerState& s, Effects& fx);
Effects& closeAbout(PickerState& s, Effects& fx);

// What a press at (x, y) of the about window's client area does on the page shown (1 the
// help page, 0 the about page): the links post the web and mail requests (a point on the
// row the two share posts both), the right-hand button flips the page, anything else closes.
struct AboutPress {
    bool site, mail, toggle;
};
AboutPress aboutPress(std::uint8_t page, std::int32_t x, std::int32_t y);

// Whether the pointer at (x, y) is over a link, which shows the link cursor.
bool overAboutLink(std::uint8_t page, std::int32_t x, std::int32_t y);
