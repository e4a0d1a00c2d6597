// The test card: a borderless window over the desktop (its taskbar row left free) filled
// with blocks of known colours, so that the end-to-end tests know what lies under the
// pointer anywhere.
#include <windows.h>

namespace {

constexpr int kBlock = 16;
constexpr int kTaskbarRows = 28;

// The colour of block (bx, by); the harness has the same formula. Neighbouring blocks
// differ in every channel.
COLORREF blockColour(int bx, int by) { return RGB((bx * 37 + 11) & 255, (by * 53 + 23) & 255, ((bx + by) * 29 + 5) & 255); }

LRESULT CALLBACK cardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        for (int by = 0; by * kBlock < client.bottom; ++by) {
            for (int bx = 0; bx * kBlock < client.right; ++bx) {
                const RECT block = {bx * kBlock, by * kBlock, (bx + 1) * kBlock, (by + 1) * kBlock};
                HBRUSH brush = CreateSolidBrush(blockColour(bx, by));
                FillRect(dc, &block, brush);
                DeleteObject(brush);
            }
        }
        EndPaint(window, &paint);
        return 0;
    }
    // Clicks must not activate the card: under Wine's virtual desktop an activated window
    // is raised above topmost windows, and the gestures under test click on the card.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = cardProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    cls.lpszClassName = "TintspotTestCard";
    RegisterClassA(&cls);
    // Over every monitor: outside a virtual desktop Wine sees the pointer only over its windows.
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN) - kTaskbarRows;
    HWND window = CreateWindowExA(0, cls.lpszClassName, "Test card", WS_POPUP | WS_VISIBLE, GetSystemMetrics(SM_XVIRTUALSCREEN),
                                  GetSystemMetrics(SM_YVIRTUALSCREEN), width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
    return 0;
}
