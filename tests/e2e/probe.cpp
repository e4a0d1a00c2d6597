// The end-to-end tests' hands and eyes inside the Wine desktop, whose windows are not X's:
//   probe card                 -> stays up as the test card over every monitor, taskbar row left free
//   probe window CLASS [TITLE] -> "visible x y width height clientx clienty" of that top-level window
//   probe foreground           -> the class of the foreground window
//   probe modifiers            -> exit code 0 once Ctrl, Shift and Alt all read as up
//   probe clipbitmap           -> the clipboard's bitmap: "width height", then rrggbb a pixel
//   probe dialog TITLE         -> the static texts of that dialog, one a line; then presses its OK
//   probe command ID           -> posts WM_COMMAND ID to the panel window
// Exit code 0 when the thing asked about was found, 2 when not, 1 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "testcard.h"

namespace {

int runCard() {
    // Over every monitor: outside a virtual desktop Wine sees the pointer only over its windows.
    if (!testcard::create(0, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN) - 28))
        return 1;
    for (MSG message; GetMessageA(&message, nullptr, 0, 0);) DispatchMessageA(&message);
    return 0;
}

int printWindow(HWND window) {
    RECT r;
    POINT client = {0, 0};
    if (!window || !GetWindowRect(window, &r) || !ClientToScreen(window, &client)) return 2;
    std::printf("%d %ld %ld %ld %ld %ld %ld\n", IsWindowVisible(window) ? 1 : 0, r.left, r.top, r.right - r.left,
                r.bottom - r.top, client.x, client.y);
    return 0;
}

int printClipboardBitmap() {
    if (!OpenClipboard(nullptr)) return 2;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info = {};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        BITMAPINFO header = {{sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                             {}};
        std::vector<unsigned> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        std::printf("%ld %ld", info.bmWidth, info.bmHeight);
        for (unsigned pixel : pixels) std::printf(" %06x", pixel & 0xFFFFFF);
    }
    CloseClipboard();
    return bitmap ? 0 : 2;
}

BOOL CALLBACK printStatic(HWND child, LPARAM) {
    char cls[64] = {}, text[512] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text)) std::puts(text);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware();  // window rectangles in the screen's own pixels, at any DPI
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "card") return runCard();
    if (what == "window"
        && (argc == 3 || argc == 4)) return printWindow(FindWindowA(argv[2], argc == 4 ? argv[3] : nullptr));
    if (what == "clipbitmap") return printClipboardBitmap();
    if (what == "foreground") {
        char cls[256] = {};
        GetClassNameA(GetForegroundWindow(), cls, sizeof cls);
        return std::puts(cls) < 0;
    }
    if (what == "modifiers")
        return GetAsyncKeyState(VK_CONTROL) < 0 || GetAsyncKeyState(VK_SHIFT) < 0 || GetAsyncKeyState(VK_MENU) < 0 ? 2 : 0;
    if (what == "dialog" && argc == 3) {
        HWND dialog = FindWindowA("#32770", argv[2]);
        if (!dialog) return 2;
        EnumChildWindows(dialog, printStatic, 0);
        return PostMessageA(dialog, WM_COMMAND, IDOK, 0) ? 0 : 2;
    }
    if (what == "command" && argc == 3) {
        HWND panel = FindWindowA("Classname1", nullptr);
        return panel && PostMessageA(panel, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0) ? 0 : 2;
    }
    return 1;
}
