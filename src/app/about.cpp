#include "app/about.h"

#include "app/picker_state.h"

namespace {

// Client coordinates; right and bottom edges excluded.
constexpr Rect kSiteRect = {34, 144, 108, 158};
constexpr Rect kMailRect = {34, 157, 114, 171};
constexpr Rect kPageToggleRect = {136, 249, 190, 266};

bool inside(const Rect& r, std::int32_t x, std::int32_t y) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; }

}  // namespace

void placeAboutWindow() {
    picker.aboutWidth = 223;
    picker.aboutHeight = 283;
    picker.aboutRect.left = (picker.screenWidth - 223) / 2;
    picker.aboutRect.top = (picker.screenHeight - 283) / 2 - 80;
    picker.aboutRect.right = picker.aboutRect.left + 223;
    picker.aboutRect.bottom = picker.aboutRect.top + 283;
}

AboutPress aboutPress(std::uint8_t page, std::int32_t x, std::int32_t y) {
    const bool aboutPage = page == 0;
    return {aboutPage && inside(kSiteRect, x, y), aboutPage && inside(kMailRect, x, y), inside(kPageToggleRect, x, y)};
}

bool overAboutLink(std::uint8_t page, std::int32_t x, std::int32_t y) {
    const AboutPress press = aboutPress(page, x, y);
    return press.site || press.mail;
}
