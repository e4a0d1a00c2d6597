#include "app/about.h"

#include "app/picker_state.h"

void placeAboutWindow() {
    picker.aboutWidth = 223;
    picker.aboutHeight = 283;
    picker.aboutRect.left = (picker.screenWidth - 223) / 2;
    picker.aboutRect.top = (picker.screenHeight - 283) / 2 - 80;
    picker.aboutRect.right = picker.aboutRect.left + 223;
    picker.aboutRect.bottom = picker.aboutRect.top + 283;
}
