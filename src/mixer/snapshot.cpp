#include "mixer/snapshot.h"

Snapshot snapshot;
Colour matchTarget = 0;

std::uint16_t toRgb555(Colour colour) {
    const unsigned red = (colour & 0xFF) >> 3, green = ((colour >> 8) & 0xFF) >> 3, blue = ((colour >> 16) & 0xFF) >> 3;
    return static_cast<std::uint16_t>(red << 10 | green << 5 | blue);
}

Colour fromRgb555(std::uint16_t pixel) {
    const Colour red = (pixel >> 7) & 0xF8u, green = (pixel >> 2) & 0xF8u, blue = (pixel << 3) & 0xF8u;
    return red | green << 8 | blue << 16;
}

Colour snapshotPixel(std::int32_t x, std::int32_t y) {
    if (!snapshot.pixels || x < 0 || y < 0 || x >= snapshot.width || y >= snapshot.height) return 0xFFFFFFFFu;
    const std::int64_t index = std::int64_t{snapshot.height - 1 - y} * snapshot.width + x;
    return fromRgb555(snapshot.pixels[index]);
}
