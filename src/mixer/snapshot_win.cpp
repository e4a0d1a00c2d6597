// The snapshot's DIB section: made, filled from the screen, shown on a window, released. The
// pixel passes themselves are in snapshot.cpp and work on its memory directly.
#include <new>

#include "display/scoped_gdi_win.h"
#include "mixer/mixer_win.h"
#include "mixer/snapshot.h"

bool createSnapshot(HWND window, std::int32_t width, std::int32_t height) {
    freeSnapshot();
    if (width <= 0 || height <= 0) return false;
    snapshot.width = width;
    snapshot.height = height;
    snapshot.stride = snapshotStride(width);
    snapshot.mask = new (std::nothrow) std::uint8_t[static_cast<std::size_t>(maskBytes(width, height))]();
    const ScopedGetDC dc(snapshot.mask ? window : nullptr);
    if (snapshot.mask && dc) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;  // bottom-up
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 16;    // 5-5-5
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        snapshot.memoryDC = CreateCompatibleDC(dc);
        snapshot.bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        snapshot.pixels = static_cast<std::uint16_t*>(bits);
    }
    // A snapshot is held whole or not at all: the mixer does not start on half of one.
    if (!snapshot.memoryDC || !snapshot.bitmap || !SelectObject(snapshot.memoryDC, snapshot.bitmap)) {
        freeSnapshot();
        return false;
    }
    return true;
}

void grabScreen(HWND window) {
    const ScopedGetDC dc(window);
    if (!dc) return;
    // The screen's context holds every monitor in screen coordinates; a window's, its own.
    BitBlt(snapshot.memoryDC, 0, 0, snapshot.width, snapshot.height, dc, window ? 0 : snapshot.originX,
           window ? 0 : snapshot.originY, SRCCOPY);
    GdiFlush();  // the copy must be complete before its memory is read
}

void showSnapshot(HWND window) {
    {
        const ScopedGetDC dc(window);
        if (!dc) return;
        BitBlt(dc, 0, 0, snapshot.width, snapshot.height, snapshot.memoryDC, 0, 0, SRCCOPY);
    }
    GdiFlush();
}

void recolorMarked(HWND window, Colour colour) {
    recolorMarked(snapshot, colour);
    showSnapshot(window);
}

void freeSnapshot() {
    // The context goes first, so that the bitmap is no longer selected when it is deleted.
    if (snapshot.memoryDC) DeleteDC(snapshot.memoryDC);
    if (snapshot.bitmap) DeleteObject(snapshot.bitmap);
    delete[] snapshot.mask;
    snapshot = Snapshot{};
}
