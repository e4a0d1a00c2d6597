#include "mixer/slider.h"

#include <cstdlib>

void SliderControl::setGeometry(std::int32_t newX, std::int32_t newY, std::int32_t newLength,
                                std::int32_t newMaximum) {
    maximum = newMaximum;
    x = newX;
    y = newY;
    if (newLength == 0) newLength = 10;
    // 64-bit products: the arithmetic must not overflow for any stored geometry.
    std::int64_t s = std::int64_t{newMaximum} * 100 / newLength;
    if (s == 0) s = 1;
    scale = static_cast<std::int32_t>(s);
    length = static_cast<std::int32_t>(std::int64_t{newMaximum} * 100 / scale);
}

void SliderControl::setValue(std::int32_t newValue) {
    value = newValue;
    std::int64_t t = std::int64_t{newValue} * 100 / scale;
    if (t < 0) t = 0;
    if (t > length) t = length;
    thumb = static_cast<std::int32_t>(t);
}

bool SliderControl::pressAt(std::int32_t px, std::int32_t py) {
    dragging = std::abs(px - (x + thumb)) < 8 && std::abs(py - (y + 4)) < 6;
    return dragging != 0;
}

void SliderControl::endDrag() { dragging = 0; }

void SliderControl::moveThumb(std::int32_t px, std::int32_t py) {
    thumb = px - x;
    const std::int64_t v = std::int64_t{scale} * thumb / 100 + (py & 1);
    if (v < 0) {
        value = 0;
        thumb = 0;
    } else if (v > maximum) {
        value = maximum;
        thumb = length;
    } else {
        value = static_cast<std::int32_t>(v);
    }
}
