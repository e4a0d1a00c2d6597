#include "app/popup_position.h"

#include "core/picker_state.h"

PopupPoint panelPopupPosition(bool measured, std::int32_t itemWidth) {
    std::int32_t x = -1;
    if (measured && itemWidth > 130) x = picker.xokna - itemWidth - 5;
    if (x < 0) x = picker.xokna + panelWindowWidth(picker);
    return {x, picker.yokna};
}

PopupPoint trayPopupPosition(std::int32_t pointerX) { return {pointerX - 130, picker.screenHeight - 170}; }
