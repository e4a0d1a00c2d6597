// Region capture on the overlay window, and the copy of its band.
//
// The overlay never paints a background of its own. Under a compositing window manager
// (the desktop window manager of Windows 10 and 11, Wine's virtual desktop) a window that
// does not paint shows no picture of what lies beneath it, so the capture takes a picture
// of the screen when it starts: the overlay's first paint shows it, and the copy is cut
// from it, which keeps the band's inverted lines out of the copy.
#include "capture/capture_win.h"

#include "capture/capture.h"
#include "copy/clipboard_win.h"
#include "core/messages.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "tracking/tracking_win.h"

CaptureState capture;

namespace {

// The screen held still for this capture, in a memory context of its own.
ScopedMemoryBitmap picture;
bool overlayFilled = false;      // the overlay has shown the picture since it was taken
HBITMAP pendingBitmap = nullptr;  // cut on the release, waiting for the panel to copy it

int width(const Rect& r) { return r.right - r.left; }
int height(const Rect& r) { return r.bottom - r.top; }

// The overlay's client coordinates are the screen's moved by the area's corner.
void invertCrosshair(HDC dc, const Rect& area, std::int32_t x, std::int32_t y) {
    MoveToEx(dc, 0, y - area.top, nullptr);
    LineTo(dc, width(area), y - area.top);
    MoveToEx(dc, x - area.left, 0, nullptr);
    LineTo(dc, x - area.left, height(area));
}

}  // namespace

Rect captureBand() { return picker.captureState == 2 ? capture.captureRect : Rect{}; }

// Of every monitor: where no monitor shows anything the picture stays black.
void takePicture(const Rect& area) {
    const ScopedGetDC screen(nullptr);
    picture.reset(screen, width(area), height(area));
    overlayFilled = false;
    if (!picture) return;
    PatBlt(picture, 0, 0, width(area), height(area), BLACKNESS);
    BitBlt(picture, 0, 0, width(area), height(area), screen, area.left, area.top, SRCCOPY);
}

// Never activated: once the capture ends, the keyboard is still with the program the user
// was typing into (hiding an active overlay would hand it to the panel).
void showOverlay(const Rect& area) {
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, area.left, area.top, width(area), height(area),
                 SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(picker.overlayHwnd);
}

void releasePicture() { picture.reset(); }

// A bitmap of the screen's pixels in r, from the picture (or the screen itself when no
// picture could be taken), waiting for the panel to copy it.
void cutBand(const Rect& r) {
    const ScopedGetDC screen(nullptr);
    if (!screen) return;
    const ScopedMemoryDC memory(screen);
    // Handed on to the clipboard when made: owned here only until then.
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(screen, width(r), height(r)) : nullptr;
    if (!bitmap) return;
    {
        const ScopedSelect selected(memory, bitmap);
        const Rect& area = capture.screenArea;
        if (picture)
            BitBlt(memory, 0, 0, width(r), height(r), picture, r.left - area.left, r.top - area.top, SRCCOPY);
        else
            BitBlt(memory, 0, 0, width(r), height(r), screen, r.left, r.top, SRCCOPY);
    }
    if (pendingBitmap) DeleteObject(pendingBitmap);
    pendingBitmap = bitmap;
    PostMessageA(picker.panelHwnd, UM_COPYBITMAP, 0, 0);
}

void paintCaptureOverlay(HDC dc) {
    const CapturePaint plan = capturePaint(picker, capture);
    if (!overlayFilled && picture) {
        BitBlt(dc, 0, 0, width(plan.area), height(plan.area), picture, 0, 0, SRCCOPY);
        overlayFilled = true;
    }
    if (!plan.inverting) return;
    // Inversion with the default black pen: drawn twice, a line is gone.
    SetROP2(dc, R2_NOTXORPEN);
    for (int i = 0; i < plan.crosses; ++i) invertCrosshair(dc, plan.area, plan.crossX[i], plan.crossY[i]);
    for (int i = 0; i < plan.bands; ++i) {
        const Rect& b = plan.band[i];
        const Rect& a = plan.area;
        outlineRect(dc, {b.left - a.left, b.top - a.top, b.right - a.left, b.bottom - a.top});
    }
}

void copyCaptureBitmap() {
    HBITMAP bitmap = pendingBitmap;
    pendingBitmap = nullptr;
    if (!bitmap) return;
    // Once handed over the clipboard owns the bitmap; only a refused one is ours to delete.
    if (!handToClipboard(CF_BITMAP, bitmap)) DeleteObject(bitmap);
}
