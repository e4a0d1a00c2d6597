// The program started up in a test process: classes, windows and resources, on the Wine
// desktop of 1024 x 768.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/app_win.h"
#include "app/picker_state.h"

class StartedUp : public ::testing::Test {
protected:
    void SetUp() override {
        HINSTANCE self = GetModuleHandleA(nullptr);
        registerWindowClasses(self);
        ASSERT_TRUE(createWindows(self));
        loadResources(self);
    }
};

// Sets the modifier keys as the thread's keyboard state, which GetKeyState reads.
inline void setModifiers(bool alt, bool shift, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = alt ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Removes and returns the private messages posted to the panel, in order.
inline std::vector<UINT> takePanelMessages() {
    std::vector<UINT> posted;
    MSG message;
    while (PeekMessageA(&message, picker.panelHwnd, UM_TRAY, UM_MAIL, PM_REMOVE)) posted.push_back(message.message);
    return posted;
}
