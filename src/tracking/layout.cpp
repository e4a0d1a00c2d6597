#include "tracking/layout.h"

#include <algorithm>
#include <cstdint>

#include "display/contrast.h"

namespace {

// The panel adds at most a few hundred pixels to the magnifier; this bound keeps every
// sum below inside 32 bits even before the screen size is known.
constexpr std::int64_t kLargestMagnifier = INT32_MAX - 1000;

// The smallest magnifier the menu makes (9 or 7 pixels a side in 5- or 7-pixel cells, the
// smallest window): below it the readouts beside it would overlap.
constexpr std::int64_t kSmallestMagnifier = 35;

}  // namespace

bool magnifierUsable(const PickerState& s) {
    const std::int64_t n = std::int64_t{s.magnifiedPixels} + s.sizeStep;
    if (n < 1 || s.cellSize < 1) return false;
    const std::int64_t size = std::int64_t{s.cellSize} * n;
    if (size < kSmallestMagnifier || size > kLargestMagnifier) return false;
    if (s.screenWidth > 0 && s.screenHeight > 0 && size > std::min(s.screenWidth, s.screenHeight)) return false;
    return true;
}

std::int32_t scaleForDpi(std::int32_t dpi) { return dpi >= 240 ? 3 : dpi >= 144 ? 2 : 1; }

void computeLayout(PickerState& s) {
    s.swatchSize = 8;
    s.swatchGap = 4;
    s.magnifierLeft = 5;
    // The filter's name is drawn above the magnifier.
    s.magnifierTop = s.paletteFilter != 0 ? 13 : 5;

    const std::int32_t n = s.magnifiedPixels + s.sizeStep;
    s.magnifierSize = s.cellSize * n;
    s.swatchTop = s.magnifierSize + s.magnifierTop - 8;
    s.crossX = s.magnifierSize / 2 + 5;
    s.crossY = s.magnifierSize / 2 + s.magnifierTop;
    s.swatchLeft = s.magnifierSize + 9;

    const bool coordinates = s.showCoordinates != 0;
    const bool decimal = s.hexReadouts == 0;
    s.panelWidth = s.magnifierSize + 40;
    s.panelHeight = s.magnifierSize + (coordinates ? 10 : 0) + s.magnifierTop + 5;
    s.cursorGap = std::max(n / 2 + 1, 10);

    // Three decimal digits after "R=" need more room than two hexadecimal ones.
    if (decimal) s.panelWidth = std::max(s.panelWidth, s.swatchLeft + 48);
    if (coordinates) s.panelWidth = std::max(s.panelWidth, 125);

    if (s.showHsv != 0) {
        if (s.magnifierSize >= 78) {
            // Tall enough: the block fits under the R/G/B readouts.
            s.hsvLeft = s.swatchLeft - 3;
            s.hsvTop = s.magnifierTop + 36;
        } else {
            s.hsvLeft = s.swatchLeft + 28;
            s.hsvTop = s.magnifierTop - 4;
            // With a short magnifier the decimal colour code beside the swatch would run
            // into the block, so the block moves past the code's six cells.
            if (decimal && s.swatchTop < s.magnifierTop + 32) s.hsvLeft = s.swatchLeft + 45;
        }
        s.panelWidth = s.hsvLeft + 65;
    }

    if (s.contrast) {
        // One line below the readouts: the reference colour's swatch and the figures.
        s.contrastTop = s.panelHeight;
        s.panelHeight += 12;
        s.panelWidth = std::max(s.panelWidth, s.magnifierLeft + 12 + 5 * kContrastCells + 3);
    }

    if (s.mixerActive) {
        s.panelWidth = std::max(s.panelWidth, 170);
        s.slidersTop = s.panelHeight;
        s.panelHeight += 58;
    }
}
