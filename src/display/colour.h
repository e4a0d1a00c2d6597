// Colour transforms for the panel: the palette filter chosen in the menu, and the CMYK
// and HSV figures of the HSV/CMYK block. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>

#include "core/types.h"

// The colour after the palette filter (paletteFilter): 0 none (all 32 bits kept), 1 web-safe,
// 2 grayscale, 3 invert, 4 dominant channel (reachable only from a stored setting); any other
// value leaves the channels alone. Every filter but 0 clears the top byte, so the invalid-pixel
// marker 0xFFFFFFFF survives only filter 0.
Colour applyPaletteFilter(Colour colour, std::int32_t filter);

// The mean colour of the square sampled round the pointer, per channel, halves up; pixels off
// the screen (the invalid marker) are left out, and with none on the screen the mean is the
// invalid marker.
struct SampleMean {
    std::uint32_t red = 0, green = 0, blue = 0, count = 0;
    void add(Colour c);
    Colour mean() const;
};
// Pixels from the pointer to the sampled square's edge: 0, 1 or 2 for `sample` 0, 1, 2
// (anything else samples one pixel).
std::int32_t sampleRadius(std::int32_t sample);

// Cyan, magenta, yellow and black in percent, for channels 0 to 255.
void rgbToCmyk(std::int32_t r, std::int32_t g, std::int32_t b, std::int32_t& c, std::int32_t& m,
               std::int32_t& y, std::int32_t& k);

// Hue in degrees, saturation and value in percent, each already lifted by 0.6 so that
// truncating toward zero gives the number shown. Value is scaled by 100 / 256, so white
// shows 100 and 254 shows 99.
void rgbToHsv(float r, float g, float b, float& h, float& s, float& v);
