#include "mixer/snapshot.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstring>

#include "core/colour_maths.h"

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
            const std::int32_t t = static_cast<std::int32_t>(channelOf(target, i)) >> 3;
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

// The eight-pixel groups of a row, [from, to) in pixels from where the groups start, each
// owning one mask byte, all with the same lanes chosen for the checkerboard (chosenBits, the
// same as mask bits). The match's lanes are copies held in registers: a store through the
// mask's bytes could alias anything the compiler cannot see is local, and reloading them
// would cost more than the test itself.
template <bool restore>
void markGroups(std::uint16_t* line, std::uint8_t* mask, std::int32_t from, std::int32_t to, Lanes chosen,
                std::uint8_t chosenBits, const Match& match) {
    const auto lanes = [](unsigned v) { return _mm_set1_epi16(static_cast<std::int16_t>(v)); };
    // Red and blue lie in the two bytes of a pixel with a gap between them, so one byte-wise
    // test serves both; green straddles the bytes and is tested on its own. A field below
    // low wraps round to a large number, so one saturating subtraction of the range tests
    // both ends.
    const Lanes redBlue = lanes(0x7C1F), green = lanes(0x03E0), zero = _mm_setzero_si128();
    const Lanes lowRedBlue = lanes(match.low[0] | match.low[2]), rangeRedBlue = lanes(match.range[0] | match.range[2]);
    const Lanes lowGreen = lanes(match.low[1]), rangeGreen = lanes(match.range[1]);
    // One group: its pixels shown as they now are, and their marks in lanes.
    const auto group = [&](std::int32_t x) {
        Lanes* at = reinterpret_cast<Lanes*>(line + x);
        Lanes v = _mm_loadu_si128(at);
        if (restore) v = _mm_xor_si128(v, bitLanes[mask[x >> 3] & chosenBits]);
        const Lanes outside =
            _mm_or_si128(_mm_subs_epu8(_mm_sub_epi8(_mm_and_si128(v, redBlue), lowRedBlue), rangeRedBlue),
                         _mm_subs_epu16(_mm_sub_epi16(_mm_and_si128(v, green), lowGreen), rangeGreen));
        const Lanes matched = _mm_cmpeq_epi16(outside, zero);
        _mm_storeu_si128(at, _mm_xor_si128(v, _mm_and_si128(matched, chosen)));
        return matched;
    };
    std::int32_t x = from;
    for (; x + 16 <= to; x += 16) {  // two groups' marks packed and written at once
        const Lanes first = group(x), second = group(x + 8);
        const auto bits = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_packs_epi16(first, second)));
        std::memcpy(mask + (x >> 3), &bits, 2);  // little-endian: the first group's byte first
    }
    if (x < to) mask[x >> 3] = static_cast<std::uint8_t>(_mm_movemask_epi8(_mm_packs_epi16(group(x), zero)));
}

}  // namespace

std::uint16_t toRgb555(Colour colour) {
    const unsigned red = redOf(colour) >> 3, green = greenOf(colour) >> 3, blue = blueOf(colour) >> 3;
    return static_cast<std::uint16_t>(red << 10 | green << 5 | blue);
}

Colour fromRgb555(std::uint16_t pixel) {
    return rgb((pixel >> 7) & 0xF8u, (pixel >> 2) & 0xF8u, (pixel << 3) & 0xF8u);
}

void packRow(const std::uint32_t* from, std::uint16_t* to, std::int32_t count) {
    const auto lanes = [](int v) { return _mm_set1_epi32(v); };
    const Lanes red = lanes(0x7C00), green = lanes(0x03E0), blue = lanes(0x001F);
    const auto pack4 = [&](const std::uint32_t* at) {
        const Lanes p = _mm_loadu_si128(reinterpret_cast<const Lanes*>(at));
        return _mm_or_si128(_mm_or_si128(_mm_and_si128(_mm_srli_epi32(p, 9), red), _mm_and_si128(_mm_srli_epi32(p, 6), green)),
                            _mm_and_si128(_mm_srli_epi32(p, 3), blue));
    };
    std::int32_t x = 0;
    for (; x + 8 <= count; x += 8)  // no value exceeds 0x7FFF, so the signed packing keeps them
        _mm_storeu_si128(reinterpret_cast<Lanes*>(to + x), _mm_packs_epi32(pack4(from + x), pack4(from + x + 4)));
    for (; x < count; ++x) to[x] = toRgb555(swapRedBlue(from[x]));
}

void widenRow(const std::uint16_t* from, std::uint32_t* to, std::int32_t count) {
    const auto lanes = [](int v) { return _mm_set1_epi32(v); };
    const Lanes red = lanes(0xF80000), redLow = lanes(0x070000), green = lanes(0xF800), greenLow = lanes(0x0700),
                blue = lanes(0xF8), blueLow = lanes(0x07);
    const auto widen4 = [&](Lanes v) {
        const Lanes r = _mm_or_si128(_mm_and_si128(_mm_slli_epi32(v, 9), red), _mm_and_si128(_mm_slli_epi32(v, 4), redLow));
        const Lanes g = _mm_or_si128(_mm_and_si128(_mm_slli_epi32(v, 6), green), _mm_and_si128(_mm_slli_epi32(v, 1), greenLow));
        const Lanes b = _mm_or_si128(_mm_and_si128(_mm_slli_epi32(v, 3), blue), _mm_and_si128(_mm_srli_epi32(v, 2), blueLow));
        return _mm_or_si128(_mm_or_si128(r, g), b);
    };
    std::int32_t x = 0;
    for (; x + 8 <= count; x += 8) {
        const Lanes v = _mm_loadu_si128(reinterpret_cast<const Lanes*>(from + x)), zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<Lanes*>(to + x), widen4(_mm_unpacklo_epi16(v, zero)));
        _mm_storeu_si128(reinterpret_cast<Lanes*>(to + x + 4), widen4(_mm_unpackhi_epi16(v, zero)));
    }
    for (; x < count; ++x) {
        to[x] = swapRedBlue(fromRgb555(from[x]));
        to[x] |= to[x] >> 5 & 0x070707;
    }
}

std::int32_t snapshotStride(std::int32_t width) { return width + (width & 1); }

std::int64_t maskBytes(std::int32_t width, std::int32_t height) { return std::int64_t{width} * height / 8 + 10; }

void markMatches(Snapshot& s, Colour target, std::int32_t tolerance, bool restore) {
    matchTarget = target;
    if (!s.pixels || !s.mask || s.width <= 0 || s.height <= 0) return;
    const Match match(target, tolerance);
    // The checkerboard counter runs down through the visible pixels in memory order and is
    // reloaded with width - 1 and width + 1 in turn when it reaches 0; a marked pixel is
    // shown inverted where it is odd. Within a row it falls by one a pixel, so each row needs
    // only its starting value and the place of its one reload: the groups before the one
    // that holds it share their chosen lanes, and so do those after it.
    const std::int32_t width = s.width;
    std::int64_t c = width;
    std::int32_t phase = 0;
    std::uint8_t* const mask = s.mask;
    for (std::int32_t row = 0; row < s.height; ++row) {
        std::uint16_t* line = s.pixels + std::int64_t{row} * s.stride;
        const std::int64_t rowStart = std::int64_t{row} * width;
        // The counter reaches 0 at pixel c - 1 of this row, if the row is that long. (Only a
        // row 1 pixel wide lets it run below 0, and then it never comes back.)
        const bool reloads = c >= 1 && c <= width;
        const std::int64_t reloadAt = reloads ? c - 1 : width;
        const std::int64_t reloaded = width + 2 * phase - 1;
        auto counter = [&](std::int64_t x) { return x < reloadAt ? c - 1 - x : reloaded - (x - reloadAt); };
        // Pixel x's mask byte, counted from the row's first group.
        const std::int32_t head = static_cast<std::int32_t>(std::min<std::int64_t>((8 - rowStart % 8) % 8, width));
        const std::int32_t groupsEnd = head + (width - head) / 8 * 8;
        std::uint8_t* const rowMask = mask + (rowStart + head) / 8;
        std::uint16_t* const groups = line + head;
        for (std::int32_t x = 0; x < head; ++x) markOne(line[x], mask, rowStart + x, counter(x) & 1, restore, match);
        // The group holding the reload, if any, and the runs either side of it.
        const std::int32_t split = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(head + (reloadAt - head) / 8 * 8, head, groupsEnd));
        auto groupsOf = [&](std::int32_t from, std::int32_t to, std::uint8_t chosenBits) {
            const Lanes chosen = bitLanes[chosenBits];
            if (restore)
                markGroups<true>(groups, rowMask, from - head, to - head, chosen, chosenBits, match);
            else
                markGroups<false>(groups, rowMask, from - head, to - head, chosen, chosenBits, match);
        };
        // Lane k's counter is odd with lane 0's when k is even.
        auto run = [&](std::int32_t from, std::int32_t to) {
            if (from < to) groupsOf(from, to, (counter(from) & 1) ? 0x55 : 0xAA);
        };
        run(head, split);
        if (split < groupsEnd) {
            std::uint8_t mixed = 0;
            for (int k = 0; k < 8; ++k) mixed = static_cast<std::uint8_t>(mixed | (counter(split + k) & 1) << k);
            groupsOf(split, split + 8, mixed);
            run(split + 8, groupsEnd);
        }
        for (std::int32_t x = groupsEnd; x < width; ++x)
            markOne(line[x], mask, rowStart + x, counter(x) & 1, restore, match);
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
    const std::int32_t width = s.width;
    const std::uint8_t* const mask = s.mask;
    auto marked = [mask](std::int64_t i) { return mask[i >> 3] >> (i & 7) & 1; };
    for (std::int32_t row = 0; row < s.height; ++row) {
        std::uint16_t* const line = s.pixels + std::int64_t{row} * s.stride;
        const std::int64_t rowStart = std::int64_t{row} * width;
        const std::int32_t head = static_cast<std::int32_t>(std::min<std::int64_t>((8 - rowStart % 8) % 8, width));
        const std::int32_t groupsEnd = head + (width - head) / 8 * 8;
        for (std::int32_t x = 0; x < head; ++x)
            if (marked(rowStart + x)) line[x] = p;
        // Eight pixels a mask byte, without a branch: a test of the byte would be mispredicted
        // wherever marked and unmarked pixels mix, and cost more than the memory it saves.
        const std::uint8_t* bytes = mask + (rowStart + head) / 8;
        for (std::int32_t x = head; x < groupsEnd; x += 8) {
            const std::uint8_t byte = *bytes++;
            Lanes* at = reinterpret_cast<Lanes*>(line + x);
            const Lanes lanes = bitLanes[byte];
            _mm_storeu_si128(at, _mm_or_si128(_mm_andnot_si128(lanes, _mm_loadu_si128(at)), _mm_and_si128(lanes, colourLanes)));
        }
        for (std::int32_t x = groupsEnd; x < width; ++x)
            if (marked(rowStart + x)) line[x] = p;
    }
}

Colour snapshotPixel(std::int32_t x, std::int32_t y) {
    x -= snapshot.originX;
    y -= snapshot.originY;
    if (!snapshot.pixels || x < 0 || y < 0 || x >= snapshot.width || y >= snapshot.height) return kInvalidColour;
    return fromRgb555(snapshot.pixels[std::int64_t{snapshot.height - 1 - y} * snapshot.stride + x]);
}
