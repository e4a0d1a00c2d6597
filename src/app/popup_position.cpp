#include "app/popup_position.h"

#include "core/picker_state.h"

PopupPoint panelPopupPosition(bool measured, std::int32_t itemWidth) {
    std::int32_t x = -1;
    if (measured && itemWidth > 130) x = picker.panelX - itemWidth - 5;
    if (x < 0) x = picker.panelX + panelWindowWidth(picker);
    return {x, picker.panelY};
}

PopupPoint trayPopupPosition(std::int32_t pointerX) { return {pointerX - 130, picker.screenHeight - 170}; }
