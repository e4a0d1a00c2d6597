#include "display/contrast.h"

#include <cmath>
#include <cstdio>

#include "core/colour_maths.h"

namespace {

// APCA's screen luminance: a plain 2.4 power, its own coefficients, and near black a soft
// clamp that lifts the darkest colours.
double apcaLuminance(Colour c) {
    const double y = 0.2126729 * std::pow(redOf(c) / 255.0, 2.4) + 0.7151522 * std::pow(greenOf(c) / 255.0, 2.4) +
                     0.0721750 * std::pow(blueOf(c) / 255.0, 2.4);
    return y < 0.022 ? y + std::pow(0.022 - y, 1.414) : y;
}

}  // namespace

double relativeLuminance(Colour c) {
    return 0.2126 * linearLight(redOf(c)) + 0.7152 * linearLight(greenOf(c)) + 0.0722 * linearLight(blueOf(c));
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

const char* wcagLevel(double ratio) { return ratio >= 7.0 ? "AAA" : ratio >= 4.5 ? "AA" : "-"; }

std::int32_t apcaContrast(Colour text, Colour background) {
    const double t = apcaLuminance(text), b = apcaLuminance(background);
    if (std::fabs(b - t) < 0.0005) return 0;
    double lc = 0;
    if (b > t) {  // dark text on a light background
        const double sapc = (std::pow(b, 0.56) - std::pow(t, 0.57)) * 1.14;
        lc = sapc < 0.1 ? 0 : sapc - 0.027;
    } else {
        const double sapc = (std::pow(b, 0.65) - std::pow(t, 0.62)) * 1.14;
        lc = sapc > -0.1 ? 0 : sapc + 0.027;
    }
    return static_cast<std::int32_t>(std::lround(lc * 100));
}

void buildContrastLine(TextBuffer& t, Colour shown, Colour reference) {
    // Cut, not rounded: 4.499 must not read as the 4.50 that would pass.
    const long hundredths = static_cast<long>(std::floor(contrastRatio(shown, reference) * 100 + 1e-6));
    char line[48];
    const int n = std::snprintf(line, sizeof line, "%ld.%02ld:1 %s LC %d", hundredths / 100, hundredths % 100,
                                wcagLevel(hundredths / 100.0), static_cast<int>(apcaContrast(shown, reference)));
    t.assign(line);
    for (int i = n; i < kContrastCells; ++i) t.append(" ");
}
