#include "copy/formats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/colour_maths.h"

namespace {

// num / den to the nearest integer, halves up, for num >= 0 and den > 0: exact where the
// figures are ratios of the byte values.
std::int64_t roundRatio(std::int64_t num, std::int64_t den) { return (2 * num + den) / (2 * den); }

struct Hsl {
    std::int64_t h, s, l;
};

Hsl toHsl(std::int32_t r, std::int32_t g, std::int32_t b) {
    const std::int32_t hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo, sum = hi + lo;
    Hsl out{0, 0, roundRatio(100 * sum, 510)};
    if (d == 0) return out;  // a grey: no hue, no saturation
    out.s = roundRatio(100 * d, 255 - std::abs(sum - 255));
    // Sixty degrees a sextant, counted from the largest channel's own sector.
    std::int64_t sixths = hi == r ? 60 * (g - b) : hi == g ? 60 * (b - r) + 120 * d : 60 * (r - g) + 240 * d;
    if (sixths < 0) sixths += 360 * d;
    out.h = roundRatio(sixths, d) % 360;
    return out;
}

struct Lch {
    double l, c, h;
};

// Linear sRGB to OKLab with the published matrices (Ottosson, 2020), then to polar form.
Lch toOklch(Colour c) {
    const double red = linearLight(redOf(c)), green = linearLight(greenOf(c)), blue = linearLight(blueOf(c));
    const double l = std::cbrt(0.4122214708 * red + 0.5363325363 * green + 0.0514459929 * blue);
    const double m = std::cbrt(0.2119034982 * red + 0.6806995451 * green + 0.1073969566 * blue);
    const double s = std::cbrt(0.0883024619 * red + 0.2817188376 * green + 0.6299787005 * blue);
    const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    const double bb = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    double h = std::atan2(bb, a) * 180.0 / 3.14159265358979323846;
    if (h < 0) h += 360.0;
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s, std::hypot(a, bb), h};
}

std::size_t written(int n, std::size_t size) {
    if (n < 0 || size == 0) return 0;
    return std::min(static_cast<std::size_t>(n), size - 1);
}

}  // namespace

std::size_t colourText(Colour c, std::int32_t format, bool hexadecimal, char* out, std::size_t size) {
    const auto r = static_cast<std::int32_t>(redOf(c)), g = static_cast<std::int32_t>(greenOf(c)),
               b = static_cast<std::int32_t>(blueOf(c));
    const unsigned bgr = c & 0xFFFFFFu;
    switch (format) {
    case CssRgb: return written(std::snprintf(out, size, "rgb(%d, %d, %d)", r, g, b), size);
    case CssHsl: {
        const Hsl v = toHsl(r, g, b);
        return written(std::snprintf(out, size, "hsl(%lld, %lld%%, %lld%%)", static_cast<long long>(v.h),
                                     static_cast<long long>(v.s), static_cast<long long>(v.l)),
                       size);
    }
    case CssOklch: {
        // Fixed decimals, rounded once each: lightness in percent to 2, chroma to 4, hue to 2.
        const Lch v = toOklch(c);
        const long long l = std::llround(v.l * 10000), chroma = std::llround(v.c * 10000);
        long long h = chroma == 0 ? 0 : std::llround(v.h * 100);
        if (h >= 36000) h -= 36000;
        return written(std::snprintf(out, size, "oklch(%lld.%02lld%% %lld.%04lld %lld.%02lld)", l / 100, l % 100,
                                     chroma / 10000, chroma % 10000, h / 100, h % 100),
                       size);
    }
    case Colorref: return written(std::snprintf(out, size, "0x%08X", bgr), size);
    case Delphi: return written(std::snprintf(out, size, "$%08X", bgr), size);
    case Vb: return written(std::snprintf(out, size, "&H%08X&", bgr), size);
    case Float: {
        const auto thousandths = [](std::int32_t v) { return static_cast<int>(roundRatio(2000LL * v, 510)); };
        const int fr = thousandths(r), fg = thousandths(g), fb = thousandths(b);
        return written(std::snprintf(out, size, "%d.%03d, %d.%03d, %d.%03d", fr / 1000, fr % 1000, fg / 1000,
                                     fg % 1000, fb / 1000, fb % 1000),
                       size);
    }
    default: {  // as the panel shows the colour: its code in hexadecimal mode, else the decimal triple
        char shown[12];
        if (hexadecimal)
            hexCode(c, shown);
        else
            std::snprintf(shown, sizeof shown, "%d,%d,%d", r, g, b);
        return written(std::snprintf(out, size, "%s%s", hexadecimal ? "#" : "", shown), size);
    }
    }
}
