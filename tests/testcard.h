// The test card, shared by the Win32 tests and the end-to-end probe: a window that shows, at
// every screen position it covers, a known colour. 16-pixel blocks; neighbouring blocks
// differ in every channel. Or one flat colour, when asked.
#pragma once

#include <windows.h>

namespace testcard {

inline COLORREF colour(int x, int y) {
    const int bx = x / 16, by = y / 16;
    return RGB((bx * 37 + 11) & 255, (by * 53 + 23) & 255, ((bx + by) * 29 + 5) & 255);
}

inline COLORREF flat = CLR_INVALID;  // the colour of every card made after it is set

inline LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        const COLORREF solid = static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const auto blockStart = [](int from, int origin) { return from - ((origin + from) % 16 + 16) % 16; };
        for (int y = blockStart(paint.rcPaint.top, origin.y); y < paint.rcPaint.bottom; y += 16)
            for (int x = blockStart(paint.rcPaint.left, origin.x); x < paint.rcPaint.right; x += 16) {
                const RECT block = {x, y, x + 16, y + 16};
                HBRUSH brush = CreateSolidBrush(solid != CLR_INVALID ? solid : colour(origin.x + x, origin.y + y));
                FillRect(dc, &block, brush);
                DeleteObject(brush);
            }
        EndPaint(window, &paint);
        return 0;
    }
    // Clicks must not activate the card: under Wine's virtual desktop an activated window is
    // raised above topmost windows, and the gestures under test click on the card.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (message == WM_KEYDOWN) {  // the last key that reached the card, in its title
        char title[16];
        wsprintfA(title, "key %d", static_cast<int>(wParam));
        SetWindowTextA(window, title);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline HWND create(DWORD exStyle, int x, int y, int width, int height) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    cls.lpszClassName = "TintspotTestCard";
    RegisterClassA(&cls);
    // Shown and activated: it stands for the application the user works in. Its first paint
    // comes from the message loop, after its colour is set.
    HWND window = CreateWindowExA(exStyle, cls.lpszClassName, "Test card", WS_POPUP | WS_VISIBLE, x, y, width, height,
                                  nullptr, nullptr, cls.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(flat));
    return window;
}

}  // namespace testcard
