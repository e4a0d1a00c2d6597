#include "display/colour.h"

#include "core/colour_maths.h"

namespace {

std::uint32_t webSafe(std::uint32_t c) { return (c + 25) / 51 * 51; }

std::int32_t smaller(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
float larger(float a, float b) { return a > b ? a : b; }
float smaller(float a, float b) { return a < b ? a : b; }

// Each named HSV result is rounded to single precision before the next step. The 32-bit
// build does its floating point on the x87, where a cast alone may keep the register's
// extra precision; a store through a volatile float is always rounded.
float toFloat(double v) {
    volatile float rounded = static_cast<float>(v);
    return rounded;
}

constexpr float kDisplayOffset = 0.6f;

}  // namespace

void SampleMean::add(Colour c) {
    if (c >> 24) return;
    red += redOf(c);
    green += greenOf(c);
    blue += blueOf(c);
    ++count;
}

Colour SampleMean::mean() const {
    if (count == 0) return kInvalidColour;
    const auto average = [this](std::uint32_t sum) { return (2 * sum + count) / (2 * count); };
    return rgb(average(red), average(green), average(blue));
}

std::int32_t sampleRadius(std::int32_t sample) { return sample == 1 || sample == 2 ? sample : 0; }

Colour applyPaletteFilter(Colour colour, std::int32_t filter) {
    const std::uint32_t r = redOf(colour), g = greenOf(colour), b = blueOf(colour);
    switch (filter) {
        case 0:
            return colour;
        case 1:
            return rgb(webSafe(r), webSafe(g), webSafe(b));
        case 2: {
            std::uint32_t grey = (r + g + b + 2) / 3;
            if (grey > 255) grey = 255;
            return rgb(grey, grey, grey);
        }
        case 3:
            return rgb(255 - r, 255 - g, 255 - b);
        case 4:
            // Ties go to red, then green.
            if (r >= g && r >= b) return rgb(r, 0, 0);
            if (g >= b) return rgb(0, g, 0);
            return rgb(0, 0, b);
        default:
            return rgb(r, g, b);
    }
}

void rgbToCmyk(std::int32_t r, std::int32_t g, std::int32_t b, std::int32_t& c, std::int32_t& m,
               std::int32_t& y, std::int32_t& k) {
    c = 100 - (r * 100 + 1) / 255;
    m = 100 - (g * 100 + 1) / 255;
    y = 100 - (b * 100 + 1) / 255;
    k = smaller(c, smaller(m, y));
    c -= k;
    m -= k;
    y -= k;
}

void rgbToHsv(float r, float g, float b, float& h, float& s, float& v) {
    const float mx = larger(r, larger(g, b));
    const float mn = smaller(r, smaller(g, b));
    float value = mx;
    float saturation = mx == 0.0f ? 0.0f : toFloat((double{mx} - mn) / mx);
    float hue = 0.0f;
    if (saturation != 0.0f) {
        const double d = double{mx} - mn;
        if (r == mx)
            hue = toFloat((double{g} - b) / d);
        else if (g == mx)
            hue = toFloat((double{b} - r) / d + 2);
        else
            hue = toFloat((double{r} - g) / d + 4);
        const double degrees = double{hue} * 60;
        hue = toFloat(degrees);
        if (hue < 0.0f) hue = toFloat(degrees + 360);
    }
    saturation = toFloat(double{saturation} * 100);
    value = toFloat(double{value} * 100 * 0.00390625);
    h = toFloat(double{hue} + kDisplayOffset);
    s = toFloat(double{saturation} + kDisplayOffset);
    v = toFloat(double{value} + kDisplayOffset);
}
