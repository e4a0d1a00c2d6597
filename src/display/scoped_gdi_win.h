// Small owners for what one paint takes and gives back: a pen or brush it creates, an
// object it selects into a context, a window's device context, a paint, a memory context
// holding a bitmap. Each gives its resource back when it goes out of scope, so no early
// return can leak it: a process that leaks one object a repaint stops painting after some
// ten thousand pointer moves.
#pragma once

#include <windows.h>

// A pen, brush or bitmap created for this scope, deleted at its end. Declare it before the
// ScopedSelect that selects it, so that it is deselected first.
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(HGDIOBJ object) : object_(object) {}
    ~ScopedGdiObject() {
        if (object_) DeleteObject(object_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// An object selected into a context for this scope; what it replaced is selected back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_) SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context compatible with another, for this scope.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    ~ScopedMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// A window's device context (the screen's for no window) for this scope; null if none.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint for one WM_PAINT.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// A bitmap selected into a memory context of its own, held whole or not at all: a bitmap
// compatible with a context, or a DIB section whose pixels the program reads and writes.
// What the context held before is selected back before either is deleted.
class ScopedMemoryBitmap {
public:
    ScopedMemoryBitmap() = default;
    ~ScopedMemoryBitmap() { reset(); }
    ScopedMemoryBitmap(const ScopedMemoryBitmap&) = delete;
    ScopedMemoryBitmap& operator=(const ScopedMemoryBitmap&) = delete;

    bool reset(HDC compatible, int width, int height) {
        reset();
        if (!compatible) return false;
        return hold(compatible, CreateCompatibleBitmap(compatible, width, height));
    }
    // The DIB section's pixels go to bits (null when it could not be made).
    bool reset(HDC compatible, const BITMAPINFO& info, void** bits) {
        reset();
        *bits = nullptr;
        if (!compatible) return false;
        const bool held = hold(compatible, CreateDIBSection(compatible, &info, DIB_RGB_COLORS, bits, nullptr, 0));
        if (!held) *bits = nullptr;
        return held;
    }
    void reset() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
        if (dc_) DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
        dc_ = nullptr;
        bitmap_ = nullptr;
        previous_ = nullptr;
    }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    bool hold(HDC compatible, HBITMAP bitmap) {
        bitmap_ = bitmap;
        dc_ = bitmap ? CreateCompatibleDC(compatible) : nullptr;
        previous_ = dc_ ? SelectObject(dc_, bitmap_) : nullptr;
        if (!previous_) reset();
        return dc_ != nullptr;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
