// The mixer's whole-screen passes against the memory floor: marking the matches (with the
// restore the refresh does) and recolouring, each beside a plain memcpy of the snapshot's
// bytes, on a picture like a desktop. The three alternate in one run and the ratios are of
// their medians. Twice: warm, each pass straight after the others on the same memory (a
// 1920 x 1080 snapshot and its copy then stay in a large cache, which flatters the memcpy),
// and cold, the caches flushed before each pass, as when the pointer has rested a while.
// Run: build/host/bench/snapshot_bench [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "mixer/snapshot.h"

namespace {

// A desktop-like 5-5-5 picture: flat window areas, a gradient, a noisy photo, text-like dots.
struct Picture {
    Snapshot s;
    std::vector<std::uint16_t> pixels, copy;
    std::vector<std::uint8_t> mask;
    Picture(std::int32_t w, std::int32_t h) {
        s.width = w;
        s.height = h;
        s.stride = snapshotStride(w);
        pixels.resize(static_cast<std::size_t>(s.stride) * h);
        copy.resize(pixels.size());
        mask.assign(static_cast<std::size_t>(maskBytes(w, h)), 0);
        std::mt19937 random(1);
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x) {
                std::uint16_t v = 0x6318;  // window grey
                if (x < w / 4) v = 0x1D5F;  // a side bar
                else if (y < h / 3) v = static_cast<std::uint16_t>((x * 31 / w) << 10 | (y * 31 / h) << 5 | 12);
                else if (x > w / 2 && y > h / 2) v = static_cast<std::uint16_t>(random() & 0x7FFF);
                if ((x * 7 + y * 3) % 23 == 0) v = 0;  // text
                pixels[static_cast<std::size_t>(y) * s.stride + x] = v;
            }
        s.pixels = pixels.data();
        s.mask = mask.data();
        std::memcpy(copy.data(), pixels.data(), pixels.size() * 2);  // every page touched
    }
};

// Twice the largest cache of today's processors, read and written through.
std::vector<std::uint8_t> flushed(64 << 20, 1);
volatile std::uint8_t sink;
void flushCaches() {
    for (std::size_t i = 0; i < flushed.size(); i += 64) flushed[i] = static_cast<std::uint8_t>(flushed[i] + 1);
    sink = flushed[flushed.size() / 2];
}

template <class Pass> double milliseconds(Pass&& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure(std::int32_t w, std::int32_t h, int rounds, bool cold) {
    // Each pass on a picture of its own: a recolouring would change what the next marking finds.
    Picture p(w, h), recoloured(w, h);
    const Colour grey = fromRgb555(0x6318);
    markMatches(p.s, grey, 4, false);
    markMatches(recoloured.s, grey, 4, false);
    std::vector<double> copy, mark, recolour;
    for (int i = 0; i < rounds; ++i) {
        if (cold) flushCaches();
        copy.push_back(milliseconds([&] { std::memcpy(p.copy.data(), p.pixels.data(), p.pixels.size() * 2); }));
        sink = static_cast<std::uint8_t>(p.copy[p.copy.size() / 3]);
        if (cold) flushCaches();
        mark.push_back(milliseconds([&] { markMatches(p.s, grey, 4, true); }));
        if (cold) flushCaches();
        recolour.push_back(milliseconds([&] { recolorMarked(recoloured.s, 0x00336699); }));
    }
    const double floor = median(copy);
    std::printf("%4d x %4d %s: memcpy %.3f ms, markMatches %.3f ms (%.2f x), recolorMarked %.3f ms (%.2f x)\n", w, h,
                cold ? "cold" : "warm", floor, median(mark), median(mark) / floor, median(recolour),
                median(recolour) / floor);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    std::printf("medians of %d rounds, the three passes alternating\n", rounds);
    for (bool cold : {false, true}) {
        measure(1920, 1080, rounds, cold);
        measure(3840, 2160, rounds, cold);
    }
    return 0;
}
