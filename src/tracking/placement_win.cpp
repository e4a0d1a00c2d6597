// Moving the panel window.
#include "app/picker_state.h"
#include "tracking/tracking_win.h"

void layoutPanel() {}
void placePanel() {}
void beginPanelDrag(int, int) {}
