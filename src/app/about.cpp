#include "app/about.h"

#include <algorithm>

#include "core/messages.h"

namespace {

// Client coordinates; right and bottom edges excluded.
constexpr Rect kSiteRect = {34, 144, 108, 158};
constexpr Rect kMailRect = {34, 157, 114, 171};
constexpr Rect kPageToggleRect = {136, 249, 190, 266};

}  // namespace

void placeAboutWindow(PickerState& s, const Rect& workArea, std::int32_t frameWidth, std::int32_t frameHeight) {
    s.aboutWidth = 223;
    s.aboutHeight = 283;
    // The panel's scale, or the largest below it at which the window, frame and all, fits.
    std::int32_t k = std::max(s.scale, 1);
    while (k > 1 && (223 * k + frameWidth > workArea.right - workArea.left ||
                     283 * k + frameHeight > workArea.bottom - workArea.top))
        --k;
    s.aboutScale = k;
    const std::int32_t width = 223 * k, height = 283 * k;
    // Enlarged, the window keeps to the screen rather than lose its caption off the top.
    s.aboutRect.left = std::max((s.screenWidth - width) / 2, 0);
    s.aboutRect.top = std::max((s.screenHeight - height) / 2 - 80 * k, 0);
    s.aboutRect.right = s.aboutRect.left + width;
    s.aboutRect.bottom = s.aboutRect.top + height;
}

Effects aboutMessage(PickerState& s, unsigned message, std::int32_t x, std::int32_t y) {
    Effects fx;
    switch (message) {
    case wm::Paint: return fx.add(Fx::PaintAbout, 0);
    case wm::MouseMove:
        // The page's own pixels: the window shows each as scale x scale.
        x /= s.aboutScale;
        y /= s.aboutScale;
        s.aboutX = x;
        s.aboutY = y;
        return fx.add(Fx::SetCursor, overAboutLink(s.aboutPage, x, y) ? LinkShape : ArrowShape);
    case wm::LeftDown:
    case wm::RightDown: {
        const AboutPress press = aboutPress(s.aboutPage, s.aboutX, s.aboutY);
        if (press.site) fx.post(UM_SITE);
        if (press.mail) fx.post(UM_MAIL);
        if (press.toggle) {
            s.aboutPage ^= 1;
            return fx.add(Fx::PaintAbout, 1);
        }
        s.aboutActive = 0;
        // While the window was open the hook held still: placed where the pointer now is.
        return fx.add(Fx::CloseAbout).add(Fx::PointerToState).add(Fx::Layout).add(Fx::ApplyVisibility);
    }
    default: return fx;
    }
}

Effects& openHelp(PickerState& s, Effects& fx) {
    s.aboutActive = 1;
    s.aboutPage = 1;
    return fx.add(Fx::OpenAbout);
}

Effects& closeAbout(PickerState& s, Effects& fx) {
    s.aboutActive = 0;
    return fx.add(Fx::CloseAbout);
}

AboutPress aboutPress(std::uint8_t page, std::int32_t x, std::int32_t y) {
    const bool aboutPage = page == 0;
    return {aboutPage && pointInRect(kSiteRect, x, y), aboutPage && pointInRect(kMailRect, x, y),
            pointInRect(kPageToggleRect, x, y)};
}

bool overAboutLink(std::uint8_t page, std::int32_t x, std::int32_t y) {
    const AboutPress press = aboutPress(page, x, y);
    return press.site || press.mail;
}
