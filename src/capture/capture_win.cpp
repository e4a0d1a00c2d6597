// Region capture on the overlay window, and the colour text copy.
//
// The overlay never paints a background of its own. Under a compositing window manager
// (the desktop window manager of Windows 10 and 11, Wine's virtual desktop) a window that
// does not paint shows no picture of what lies beneath it, so the capture takes a picture
// of the screen when it starts: the overlay's first paint shows it, and the copy is cut
// from it, which keeps the band's inverted lines out of the copy.
#include "capture/capture_win.h"

#include <cstring>

#include "app/picker_state.h"
#include "capture/capture.h"
#include "capture/capture_state.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "tracking/tracking_win.h"

namespace {

struct ScreenPicture {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};
ScreenPicture picture;
bool overlayFilled = false;      // the overlay has shown the picture since it was shown
HBITMAP pendingBitmap = nullptr;  // cut on the release, waiting for the panel to copy it

void releasePicture() {
    if (picture.dc) {
        SelectObject(picture.dc, picture.previous);
        DeleteDC(picture.dc);
    }
    if (picture.bitmap) DeleteObject(picture.bitmap);
    picture = {};
}

int areaWidth() { return capture.screenArea.right - capture.screenArea.left; }
int areaHeight() { return capture.screenArea.bottom - capture.screenArea.top; }

// Of every monitor: where no monitor shows anything the picture stays black.
void takePicture() {
    releasePicture();
    const ScopedGetDC screen(nullptr);
    if (!screen) return;
    picture.dc = CreateCompatibleDC(screen);
    picture.bitmap = CreateCompatibleBitmap(screen, areaWidth(), areaHeight());
    if (picture.dc && picture.bitmap) {
        picture.previous = SelectObject(picture.dc, picture.bitmap);
        PatBlt(picture.dc, 0, 0, areaWidth(), areaHeight(), BLACKNESS);
        BitBlt(picture.dc, 0, 0, areaWidth(), areaHeight(), screen, capture.screenArea.left, capture.screenArea.top,
               SRCCOPY);
    }
    if (!picture.previous) releasePicture();
}

// A bitmap of the screen's pixels in r, from the picture (or the screen itself when no
// picture could be taken); null when it cannot be made.
HBITMAP cutBitmap(const Rect& r) {
    const ScopedGetDC screen(nullptr);
    if (!screen) return nullptr;
    const ScopedMemoryDC memory(screen);
    // Handed on to the clipboard when made: owned here only until then.
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top) : nullptr;
    if (bitmap) {
        const ScopedSelect selected(memory, bitmap);
        if (picture.dc)
            BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, picture.dc, r.left - capture.screenArea.left,
                   r.top - capture.screenArea.top, SRCCOPY);
        else
            BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    }
    return bitmap;
}

// Empties the clipboard and hands it data, with the panel as owner. False when the
// clipboard could not be opened or refused the data: the caller still owns it then, and
// the clipboard keeps what it had.
bool handToClipboard(UINT format, HANDLE data) {
    if (!OpenClipboard(picker.panelHwnd)) return false;
    EmptyClipboard();
    const bool taken = SetClipboardData(format, data) != nullptr;
    CloseClipboard();
    return taken;
}

// The overlay's client coordinates are the screen's moved by the area's corner.
void invertCrosshair(HDC dc) {
    const int x = capture.crosshairX - capture.screenArea.left, y = capture.crosshairY - capture.screenArea.top;
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, areaWidth(), y);
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, areaHeight());
}

bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// The all-zero rectangle means no band: nothing is drawn.
void outlineBand(HDC dc, const Rect& r) {
    if (r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0) return;
    const Rect& a = capture.screenArea;
    outlineRect(dc, {r.left - a.left, r.top - a.top, r.right - a.left, r.bottom - a.top});
}

}  // namespace

void startCapture() {
    capture.captureSavedNomove = picker.nomove;
    picker.nomove = 1;  // the panel stays put during the capture
    capture.drawnBandRect = {};
    capture.captureRect = {};
    capture.crosshairArmed = 0;
    capture.crosshairDrawn = 0;
    capture.screenArea = allMonitors();
    takePicture();  // before the overlay covers the screen
    overlayFilled = false;
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, capture.screenArea.left, capture.screenArea.top, areaWidth(),
                 areaHeight(), SWP_ASYNCWINDOWPOS);
    ShowWindow(picker.overlayHwnd, SW_SHOW);
    SetCapture(picker.overlayHwnd);
    // Lifts the panel back above the overlay.
    SetWindowPos(picker.panelHwnd, HWND_TOPMOST, picker.xokna, picker.yokna, picker.panelWidth,
                 picker.panelHeight, SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE);
    picker.captureState = 1;
}

void updateCaptureRect() {
    capture.captureRect = bandRect(capture.captureStartX, capture.captureStartY, picker.cursorX, picker.cursorY);
    capture.captureWidth = capture.captureRect.right - capture.captureRect.left;
    capture.captureHeight = capture.captureRect.bottom - capture.captureRect.top;
}

// Every line is drawn by inversion with the default black pen, so each paint first undoes
// exactly what the previous one drew and the screen beneath comes back unchanged.
void paintCaptureOverlay(HDC dc) {
    if (!overlayFilled && picture.dc) {
        BitBlt(dc, 0, 0, areaWidth(), areaHeight(), picture.dc, 0, 0, SRCCOPY);
        overlayFilled = true;
    }
    if (picker.captureState == 1) {
        if (capture.crosshairArmed) {
            SetROP2(dc, R2_NOTXORPEN);
            if (capture.crosshairDrawn) invertCrosshair(dc);
            capture.crosshairX = picker.cursorX;
            capture.crosshairY = picker.cursorY;
            invertCrosshair(dc);
            capture.crosshairDrawn = 1;
        }
        capture.drawnBandRect = {};
    } else if (picker.captureState == 2) {
        SetROP2(dc, R2_NOTXORPEN);
        if (isEmpty(capture.drawnBandRect) && capture.crosshairDrawn) invertCrosshair(dc);
        capture.crosshairDrawn = 0;
        outlineBand(dc, capture.drawnBandRect);
        capture.drawnBandRect = capture.captureRect;
        outlineBand(dc, capture.captureRect);
    }
}

void endCapture(bool copy) {
    ReleaseCapture();
    if (copy && bandCopies(capture.captureRect)) {
        if (HBITMAP bitmap = cutBitmap(bandInside(capture.captureRect))) {
            if (pendingBitmap) DeleteObject(pendingBitmap);
            pendingBitmap = bitmap;
            PostMessageA(picker.panelHwnd, UM_COPYBITMAP, 0, 0);
        }
    }
    SetWindowPos(picker.overlayHwnd, HWND_TOPMOST, -1, -1, 1, 1, SWP_ASYNCWINDOWPOS | SWP_DEFERERASE);
    ShowWindow(picker.overlayHwnd, SW_HIDE);
    applyPanelVisibility();
    picker.captureState = 0;
    capture.captureRect = {};
    capture.captureHeight = 0;
    capture.captureWidth = 0;
    SetCursor(picker.arrowCursor);
    picker.nomove = capture.captureSavedNomove;
    releasePicture();
}

void copyCaptureBitmap() {
    HBITMAP bitmap = pendingBitmap;
    pendingBitmap = nullptr;
    if (!bitmap) return;
    // Once handed over the clipboard owns the bitmap; only a refused one is ours to delete.
    if (!handToClipboard(CF_BITMAP, bitmap)) DeleteObject(bitmap);
}

void copyColorText() {
    char text[52];
    const std::size_t length = colourClipboardText(picker.colorText, picker.showhexa != 0, text, sizeof text);
    // The clipboard takes only movable memory. The ten spare bytes are zeroed: a reader
    // that converts the whole block (Wine's bridge to the X clipboard does) must find no
    // stray text after the terminator.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, length + 10);
    if (!block) return;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return;
    }
    std::memcpy(copy, text, length + 1);
    GlobalUnlock(block);
    // Once handed over the clipboard owns the block; only a refused one is ours to free.
    if (!handToClipboard(CF_TEXT, block)) GlobalFree(block);
}

LRESULT captureSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintCaptureOverlay(dc);
        EndPaint(window, &paint);
        if (picker.show == 1) PostMessageA(picker.panelHwnd, UM_READOUT, 0, 0);
        return 0;
    }
    case WM_ERASEBKGND: return 0;  // never erased: the picture stays
    case WM_LBUTTONDOWN: return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        SetCursor(picker.selectCursor);
        if (picker.captureState != 0) {
            const RECT all = {0, 0, areaWidth(), areaHeight()};
            InvalidateRect(window, &all, FALSE);
        }
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
