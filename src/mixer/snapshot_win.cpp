// The snapshot's DIB section: made, filled from the screen, shown, released. The pixel
// passes themselves are in snapshot.cpp and work on its memory directly.
#include <new>

#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "mixer/snapshot.h"

namespace {
ScopedMemoryBitmap dib;  // the snapshot's pixels, selected into a memory context
}

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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;    // 5-5-5
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // A snapshot is held whole or not at all: the mixer does not start on half of one.
    if (!snapshot.mask || !dib.reset(ScopedGetDC(nullptr), info, &bits)) {
        freeSnapshot();
        return false;
    }
    snapshot.pixels = static_cast<std::uint16_t*>(bits);
    return true;
}

void grabScreen() {
    const ScopedGetDC screen(nullptr);
    if (!screen) return;
    // The screen's context holds every monitor in screen coordinates.
    BitBlt(dib, 0, 0, snapshot.width, snapshot.height, screen, snapshot.originX, snapshot.originY, SRCCOPY);
    GdiFlush();  // the copy must be complete before its memory is read
}

void showSnapshot(HDC dc) {
    if (!dc) return;
    BitBlt(dc, 0, 0, snapshot.width, snapshot.height, dib, 0, 0, SRCCOPY);
    GdiFlush();
}

void freeSnapshot() {
    dib.reset();
    delete[] snapshot.mask;
    snapshot = Snapshot{};
}
