#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/popup_position.h"
#include "app/settings.h"

TEST(Settings, TableHoldsTheThirteenValuesInStorageOrder) {
    const std::vector<std::string> names = {"xokna",  "yokna",  "showhexa", "convertcolflag", "showhsv",
                                            "showcoord", "nomove", "freeze", "fast", "moveform",
                                            "show",   "velikost", "sir"};
    PickerState state;
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(kSettings[i].name, names[i]);
        state.*kSettings[i].field = static_cast<std::int32_t>(100 + i);
    }
    // Each entry points at its own field.
    EXPECT_EQ(state.xokna, 100);
    EXPECT_EQ(state.convertcolflag, 103);
    EXPECT_EQ(state.fast, 108);
    EXPECT_EQ(state.sir, 112);
}

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

TEST(Settings, LoadedValuesSetChecksAndDerivedValues) {
    struct Case {
        const char* what;
        std::int32_t convertcolflag, velikost, showcoord, showhsv, showhexa, sir;
        std::vector<unsigned> checks;
        std::int32_t cellSize, radix;
    };
    const Case cases[] = {
        {"defaults", 0, 0, 1, 0, 0, 9, {32804, 32787, 32792, 32783}, 5, 10},
        {"all on", 3, 10, 1, 1, 1, 15, {32807, 32786, 32792, 32802, 32785, 32782}, 3, 16},
        {"small window, big pipette", 1, -2, 0, 0, 0, 7, {32805, 32788, 32784}, 7, 10},
        {"hexa stored as 2 counts as on", 0, 0, 0, 0, 2, 9, {32804, 32787, 32785, 32783}, 5, 16},
        {"out-of-range values check nothing in their groups", 4, 5, 0, 0, 0, 11, {}, 5, 10},
        {"negative filter", -1, 0, 0, 0, 0, 9, {32787, 32783}, 5, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickerState s;
        s.convertcolflag = c.convertcolflag;
        s.velikost = c.velikost;
        s.showcoord = c.showcoord;
        s.showhsv = c.showhsv;
        s.showhexa = c.showhexa;
        s.sir = c.sir;
        EXPECT_EQ(applyLoadedSettings(s), c.checks);
        EXPECT_EQ(s.cellSize, c.cellSize);
        EXPECT_EQ(s.readoutRadix, c.radix);
        EXPECT_EQ(s.sir, c.sir) << "sir stays as read";
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
