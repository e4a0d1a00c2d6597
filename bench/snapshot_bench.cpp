// The mixer's whole-screen passes against the memory floor: marking the matches (with the
// restore the refresh does) and recolouring, each beside a plain memcpy of the snapshot's
// bytes, measured in the same run on a picture like a desktop. Prints the ratios last.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
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
    }
};

void memcpyPass(benchmark::State& state) {
    Picture p(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        std::memcpy(p.copy.data(), p.pixels.data(), p.pixels.size() * 2);
        benchmark::DoNotOptimize(p.copy.data());
        benchmark::ClobberMemory();
    }
}

void markPass(benchmark::State& state) {
    Picture p(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    markMatches(p.s, fromRgb555(0x6318), 4, false);
    for (auto _ : state) {
        markMatches(p.s, fromRgb555(0x6318), 4, true);
        benchmark::ClobberMemory();
    }
}

void recolorPass(benchmark::State& state) {
    Picture p(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    markMatches(p.s, fromRgb555(0x6318), 4, false);
    for (auto _ : state) {
        recolorMarked(p.s, 0x00336699);
        benchmark::ClobberMemory();
    }
}

// Keeps the mean time of every run so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const std::string what = name.substr(0, name.find('/'));
            const std::string width = name.substr(name.find('/') + 1, name.find('/', name.find('/') + 1) - name.find('/') - 1);
            means[what + " " + width] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> means;
};

}  // namespace

BENCHMARK(memcpyPass)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(markPass)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(recolorPass)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* width : {"1920", "3840"}) {
        const double floor = reporter.means[std::string("memcpyPass ") + width];
        std::printf("width %s: markMatches %.2f x memcpy, recolorMarked %.2f x memcpy\n", width,
                    reporter.means[std::string("markPass ") + width] / floor,
                    reporter.means[std::string("recolorPass ") + width] / floor);
    }
    benchmark::Shutdown();
    return 0;
}
