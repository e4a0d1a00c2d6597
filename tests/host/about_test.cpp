#include <gtest/gtest.h>

#include <array>

#include "app/about.h"

TEST(About, PressesAndTheLinkCursorByPageAndPoint) {
    struct Case {
        std::uint8_t page;
        std::int32_t x, y;
        std::array<bool, 3> press;  // site, mail, toggle; neither link nor toggle closes
    };
    const Case cases[] = {
        {0, 40, 150, {true, false, false}},   {0, 40, 157, {true, true, false}},   // the shared row posts both
        {0, 110, 160, {false, true, false}},  {0, 108, 150, {false, false, false}},
        {0, 40, 143, {false, false, false}},  {0, 40, 171, {false, false, false}},
        {1, 40, 157, {false, false, false}},  // no links on the help page
        {1, 189, 258, {false, false, true}},  {0, 136, 249, {false, false, true}},
        {1, 190, 258, {false, false, false}}, {0, 150, 266, {false, false, false}},  // right and bottom excluded
    };
    for (const Case& c : cases) {
        const AboutPress p = aboutPress(c.page, c.x, c.y);
        EXPECT_EQ((std::array{p.site, p.mail, p.toggle}), c.press) << int{c.page} << " " << c.x << "," << c.y;
        EXPECT_EQ(overAboutLink(c.page, c.x, c.y), c.press[0] || c.press[1]);
    }
}
