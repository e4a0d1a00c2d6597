#include "capture/capture.h"

#include <algorithm>
#include <cstring>

Rect bandRect(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y) {
    return {std::min(startX, x), std::min(startY, y), std::max(startX, x), std::max(startY, y)};
}

std::int32_t captureSize(std::int32_t width, std::int32_t height) {
    if (width == 0 || height == 0) return 0;
    return width + height;
}

// The band's lines run along left, top, right and bottom themselves.
Rect bandInside(const Rect& band) { return {band.left + 1, band.top + 1, band.right, band.bottom}; }

bool bandCopies(const Rect& band) {
    const Rect inside = bandInside(band);
    return captureSize(band.right - band.left, band.bottom - band.top) > 10 && inside.left < inside.right &&
           inside.top < inside.bottom;
}

std::size_t colourClipboardText(const char* colorText, bool hexadecimal, char* out, std::size_t size) {
    if (size == 0) return 0;
    std::size_t length = 0;
    if (hexadecimal && length + 1 < size) out[length++] = '#';
    const std::size_t room = size - 1 - length;
    const std::size_t copied = std::min(std::strlen(colorText), room);
    std::memcpy(out + length, colorText, copied);
    length += copied;
    out[length] = 0;
    return length;
}
