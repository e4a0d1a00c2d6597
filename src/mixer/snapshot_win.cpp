// The snapshot filled from the screen and shown, through a 32-bit strip of rows in a DIB
// section: the conversions to and from 5-5-5 are the program's own (snapshot.cpp), and the
// strip is all the screen-sized work needs beyond the snapshot. The pixel passes themselves
// are in snapshot.cpp and work on its memory directly.
#include <algorithm>
#include <new>

#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "mixer/snapshot.h"

namespace {

ScopedMemoryBitmap strip;  // a few rows of the screen, top-down, selected into a memory context
std::uint32_t* stripPixels = nullptr;
std::int32_t stripRows = 0;
constexpr std::int32_t kStripBytes = 512 << 10;

// Snapshot row of the screen's row y: the snapshot is bottom-up.
std::uint16_t* rowOf(std::int32_t y) { return snapshot.pixels + std::int64_t{snapshot.height - 1 - y} * snapshot.stride; }

}  // namespace

bool createSnapshot(const Rect& area) {
    freeSnapshot();
    const std::int32_t width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    snapshot.width = width;
    snapshot.height = height;
    snapshot.stride = snapshotStride(width);
    snapshot.originX = area.left;
    snapshot.originY = area.top;
    snapshot.mask = new (std::nothrow) std::uint8_t[static_cast<std::size_t>(maskBytes(width, height))]();
    // Not cleared: the copy writes every pixel shown, and clearing 16 MB at 4K would add its
    // time to the entry's.
    snapshot.pixels = new (std::nothrow) std::uint16_t[static_cast<std::size_t>(std::int64_t{snapshot.stride} * height)];
    stripRows = std::clamp(kStripBytes / 4 / width, 1, height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -stripRows;  // top-down: row k of the strip is the k-th copied
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // A snapshot is held whole or not at all: the mixer does not start on half of one.
    if (!snapshot.mask || !snapshot.pixels || !strip.reset(ScopedGetDC(nullptr), info, &bits)) {
        freeSnapshot();
        return false;
    }
    stripPixels = static_cast<std::uint32_t*>(bits);
    return true;
}

void grabScreen() {
    const ScopedGetDC screen(nullptr);
    if (!stripPixels) return;
    if (!screen) {  // black, as where no monitor shows anything
        std::fill_n(snapshot.pixels, std::int64_t{snapshot.stride} * snapshot.height, std::uint16_t{0});
        return;
    }
    // The screen's context holds every monitor in screen coordinates.
    for (std::int32_t top = 0; top < snapshot.height; top += stripRows) {
        const std::int32_t rows = std::min(stripRows, snapshot.height - top);
        BitBlt(strip, 0, 0, snapshot.width, rows, screen, snapshot.originX, snapshot.originY + top, SRCCOPY);
        GdiFlush();  // the copy must be complete before its memory is read
        for (std::int32_t k = 0; k < rows; ++k)
            packRow(stripPixels + std::int64_t{k} * snapshot.width, rowOf(top + k), snapshot.width);
    }
}

void showSnapshot(HDC dc) {
    if (!dc || !stripPixels) return;
    for (std::int32_t top = 0; top < snapshot.height; top += stripRows) {
        const std::int32_t rows = std::min(stripRows, snapshot.height - top);
        for (std::int32_t k = 0; k < rows; ++k)
            widenRow(rowOf(top + k), stripPixels + std::int64_t{k} * snapshot.width, snapshot.width);
        BitBlt(dc, 0, top, snapshot.width, rows, strip, 0, 0, SRCCOPY);
        GdiFlush();  // the strip is written again for the next rows
    }
}

void freeSnapshot() {
    strip.reset();
    stripPixels = nullptr;
    delete[] snapshot.pixels;
    delete[] snapshot.mask;
    snapshot = Snapshot{};
}
