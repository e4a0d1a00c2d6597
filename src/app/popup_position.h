// Where the two popups of the menu open.
#pragma once

#include <cstdint>

struct PopupPoint {
    std::int32_t x;
    std::int32_t y;
};

// The popup at the panel opens to its left, 5 pixels away and level with its top, when the
// menu reports an item wider than 130 pixels and that keeps it on screen; otherwise at the
// panel's right edge (also when the menu could not be measured).
PopupPoint panelPopupPosition(bool measured, std::int32_t itemWidth);

// The tray popup: 130 pixels left of the pointer and 170 above the bottom of the screen.
PopupPoint trayPopupPosition(std::int32_t pointerX);
