#include <gtest/gtest.h>

#include <utility>

#include "app/popup_position.h"
#include "app/settings.h"

TEST(Settings, StoredTextIsReadAsADecimalInteger) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},        {"-2", -2},          {"  \t15", 15},     {"+7", 7},
        {"12abc", 12},   {"abc", 0},          {"", 0},            {"-", 0},
        {"--3", 0},      {"3.9", 3},          {"2147483647", 2147483647},
        {"2147483648", 2147483647},           {"-2147483648", INT32_MIN},
        {"-99999999999999", INT32_MIN},       {"99999999999999999999999", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseStoredInt(c.text), c.value);
    }
}

// The panel's popup opens left of it only for a reported item wider than 130 pixels.
TEST(PopupPosition, PanelPopupThreshold) {
    picker.xokna = 500;
    picker.panelWidth = 125;
    for (auto [width, x] : {std::pair{131, 364}, std::pair{130, 625}, std::pair{0, 625}})
        EXPECT_EQ(panelPopupPosition(true, width).x, x) << width;
    EXPECT_EQ(panelPopupPosition(false, 150).x, 625);
}
