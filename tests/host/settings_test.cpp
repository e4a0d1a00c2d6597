#include <gtest/gtest.h>

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

TEST(PopupPosition, PanelPopupOpensLeftOfThePanelOnlyWhenItFits) {
    struct Case {
        std::int32_t xokna;
        bool measured;
        std::int32_t width, x;
    };
    const Case cases[] = {
        {500, true, 150, 345},   // to the left with a 5-pixel gap
        {500, true, 131, 364},
        {500, true, 130, 625},   // 130 or less: at the panel's right edge
        {500, true, 0, 625},     // an empty rectangle
        {100, true, 150, 225},   // would start left of the screen
        {155, true, 150, 0},     // exactly at the left edge still fits
        {500, false, 150, 625},  // not measured
    };
    for (const Case& c : cases) {
        picker.xokna = c.xokna;
        picker.yokna = 77;
        picker.panelWidth = 125;
        const PopupPoint p = panelPopupPosition(c.measured, c.width);
        EXPECT_EQ(p.x, c.x) << c.xokna << " " << c.width;
        EXPECT_EQ(p.y, 77);
    }
}

TEST(PopupPosition, TrayPopupIgnoresThePointerHeight) {
    picker.screenHeight = 768;
    const PopupPoint p = trayPopupPosition(1012);
    EXPECT_EQ(p.x, 882);
    EXPECT_EQ(p.y, 598);
}
