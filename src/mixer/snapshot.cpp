#include "mixer/snapshot.h"

#include <emmintrin.h>

#include <algorithm>

Snapshot snapshot;
Colour matchTarget = 0;

namespace {

// Each pass is one linear walk over the whole screen's pixels, so it runs eight pixels at a
// time in SSE2 (every processor that runs today's Windows has it) wherever eight pixels
// share one mask byte within a row; the pixels before and after such runs go one by one.
using Lanes = __m128i;

// The eight mask bits of a byte spread over eight 16-bit lanes: all ones where a bit is set.
struct BitLanes {
    alignas(16) std::uint16_t lanes[256][8];
    BitLanes() {
        for (int byte = 0; byte < 256; ++byte)
            for (int k = 0; k < 8; ++k) lanes[byte][k] = (byte >> k & 1) ? 0xFFFF : 0;
    }
    Lanes operator[](std::uint8_t byte) const { return _mm_load_si128(reinterpret_cast<const Lanes*>(lanes[byte])); }
};
const BitLanes bitLanes;

// What a pass needs to know of the target: each 5-bit channel of a pixel must lie in
// [low, low + range], the target's channel within the tolerance, clipped to 0..31.
struct Match {
    std::uint16_t field[3] = {0x7C00, 0x03E0, 0x001F};  // red, green, blue in a pixel
    std::uint16_t low[3], range[3];                      // in the field's own position
    Match(Colour target, std::int32_t tolerance) {
        const std::int32_t d = std::clamp(tolerance, 1, 32);
        for (int i = 0; i < 3; ++i) {
            // Red, the low byte of the colour, is the high field of the pixel.
            const std::int32_t t = static_cast<std::int32_t>(target >> (8 * i) & 0xFF) >> 3;
            const std::int32_t lo = std::max(t - d + 1, 0), hi = std::min(t + d - 1, 31);
            const int shift = 10 - 5 * i;
            low[i] = static_cast<std::uint16_t>(lo << shift);
            range[i] = static_cast<std::uint16_t>((hi - lo) << shift);
        }
    }
    bool operator()(std::uint16_t v) const {
        for (int i = 0; i < 3; ++i)
            if (static_cast<std::uint16_t>((v & field[i]) - low[i]) > range[i]) return false;
        return true;
    }
    // All ones in the lanes whose pixel matches: a field below low wraps round to a large
    // number, so one saturating subtraction of the range tests both ends.
    Lanes operator()(Lanes v) const {
        Lanes outside = _mm_setzero_si128();
        for (int i = 0; i < 3; ++i) {
            const Lanes offset = _mm_sub_epi16(_mm_and_si128(v, _mm_set1_epi16(static_cast<std::int16_t>(field[i]))),
                                               _mm_set1_epi16(static_cast<std::int16_t>(low[i])));
            outside = _mm_or_si128(outside, _mm_subs_epu16(offset, _mm_set1_epi16(static_cast<std::int16_t>(range[i]))));
        }
        return _mm_cmpeq_epi16(outside, _mm_setzero_si128());
    }
};

// One pixel of markMatches; bit i of the mask is its mark.
void markOne(std::uint16_t& pixel, std::uint8_t* mask, std::int64_t i, bool chosen, bool restore, const Match& match) {
    std::uint8_t& byte = mask[i >> 3];
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << (i & 7));
    if (restore && (byte & bit) && chosen) pixel = static_cast<std::uint16_t>(~pixel);
    if (match(pixel)) {
        byte |= bit;
        if (chosen) pixel = static_cast<std::uint16_t>(~pixel);
    } else {
        byte &= static_cast<std::uint8_t>(~bit);
    }
}

// The visible pixels [from, to) of a row whose first pixel is visible pixel rowStart run
// eight at a time from where their mask bits start a byte; run(x, n) walks the others.
template <class One, class Eight>
void walkRow(std::int64_t rowStart, std::int32_t width, One&& one, Eight&& eight) {
    std::int32_t x = static_cast<std::int32_t>((8 - rowStart % 8) % 8);
    if (x > width) x = width;
    for (std::int32_t k = 0; k < x; ++k) one(k);
    for (; x + 8 <= width; x += 8) eight(x);
    for (; x < width; ++x) one(x);
}

}  // namespace

std::uint16_t toRgb555(Colour colour) {
    const unsigned red = (colour & 0xFF) >> 3, green = ((colour >> 8) & 0xFF) >> 3, blue = ((colour >> 16) & 0xFF) >> 3;
    return static_cast<std::uint16_t>(red << 10 | green << 5 | blue);
}

Colour fromRgb555(std::uint16_t pixel) {
    const Colour red = (pixel >> 7) & 0xF8u, green = (pixel >> 2) & 0xF8u, blue = (pixel << 3) & 0xF8u;
    return red | green << 8 | blue << 16;
}

std::int32_t snapshotStride(std::int32_t width) { return width + (width & 1); }

std::int64_t maskBytes(std::int32_t width, std::int32_t height) { return std::int64_t{width} * height / 8 + 10; }

void markMatches(Snapshot& s, Colour target, std::int32_t tolerance, bool restore) {
    matchTarget = target;
    if (!s.pixels || !s.mask || s.width <= 0 || s.height <= 0) return;
    const Match match(target, tolerance);
    const Lanes restoreAll = _mm_set1_epi16(restore ? -1 : 0);
    // Lanes whose counter is odd when lane 0's is odd, and when it is even.
    const Lanes chosenFromOdd = _mm_set_epi16(0, -1, 0, -1, 0, -1, 0, -1), chosenFromEven = _mm_set_epi16(-1, 0, -1, 0, -1, 0, -1, 0);
    // The checkerboard counter runs down through the visible pixels in memory order and is
    // reloaded with width - 1 and width + 1 in turn when it reaches 0; a marked pixel is
    // shown inverted where it is odd. Within a row it falls by one a pixel, so each row needs
    // only its starting value and the place of its one reload.
    const std::int32_t width = s.width;
    std::int64_t c = width;
    std::int32_t phase = 0;
    for (std::int32_t row = 0; row < s.height; ++row) {
        std::uint16_t* line = s.pixels + std::int64_t{row} * s.stride;
        const std::int64_t rowStart = std::int64_t{row} * width;
        // The counter reaches 0 at pixel c - 1 of this row, if the row is that long. (Only a
        // row 1 pixel wide lets it run below 0, and then it never comes back.)
        const bool reloads = c >= 1 && c <= width;
        const std::int64_t reloadAt = reloads ? c - 1 : width;
        const std::int64_t reloaded = width + 2 * phase - 1;
        auto counter = [&](std::int64_t x) { return x < reloadAt ? c - 1 - x : reloaded - (x - reloadAt); };
        walkRow(
            rowStart, width, [&](std::int32_t x) { markOne(line[x], s.mask, rowStart + x, counter(x) & 1, restore, match); },
            [&](std::int32_t x) {
                Lanes chosen;
                if (x <= reloadAt && reloadAt < x + 8) {
                    alignas(16) std::uint16_t lanes[8];
                    for (int k = 0; k < 8; ++k) lanes[k] = (counter(x + k) & 1) ? 0xFFFF : 0;
                    chosen = _mm_load_si128(reinterpret_cast<const Lanes*>(lanes));
                } else {
                    chosen = (counter(x) & 1) ? chosenFromOdd : chosenFromEven;
                }
                std::uint8_t& byte = s.mask[(rowStart + x) >> 3];
                Lanes* at = reinterpret_cast<Lanes*>(line + x);
                Lanes v = _mm_loadu_si128(at);
                v = _mm_xor_si128(v, _mm_and_si128(_mm_and_si128(bitLanes[byte], chosen), restoreAll));
                const Lanes matched = match(v);
                _mm_storeu_si128(at, _mm_xor_si128(v, _mm_and_si128(matched, chosen)));
                byte = static_cast<std::uint8_t>(_mm_movemask_epi8(_mm_packs_epi16(matched, _mm_setzero_si128())));
            });
        if (reloads) {
            c = reloaded - (width - 1 - reloadAt);
            phase = 1 - phase;
        } else {
            c -= width;
        }
    }
}

void recolorMarked(Snapshot& s, Colour colour) {
    if (!s.pixels || !s.mask) return;
    const std::uint16_t p = toRgb555(colour);
    const Lanes colourLanes = _mm_set1_epi16(static_cast<std::int16_t>(p));
    for (std::int32_t row = 0; row < s.height; ++row) {
        std::uint16_t* line = s.pixels + std::int64_t{row} * s.stride;
        const std::int64_t rowStart = std::int64_t{row} * s.width;
        walkRow(
            rowStart, s.width,
            [&](std::int32_t x) {
                if (s.mask[(rowStart + x) >> 3] >> ((rowStart + x) & 7) & 1) line[x] = p;
            },
            [&](std::int32_t x) {
                const std::uint8_t byte = s.mask[(rowStart + x) >> 3];
                if (byte == 0) return;
                Lanes* at = reinterpret_cast<Lanes*>(line + x);
                const Lanes marked = bitLanes[byte];
                _mm_storeu_si128(at, _mm_or_si128(_mm_andnot_si128(marked, _mm_loadu_si128(at)), _mm_and_si128(marked, colourLanes)));
            });
    }
}

Colour snapshotPixel(std::int32_t x, std::int32_t y) {
    x -= snapshot.originX;
    y -= snapshot.originY;
    if (!snapshot.pixels || x < 0 || y < 0 || x >= snapshot.width || y >= snapshot.height) return kInvalidColour;
    return fromRgb555(snapshot.pixels[std::int64_t{snapshot.height - 1 - y} * snapshot.stride + x]);
}
