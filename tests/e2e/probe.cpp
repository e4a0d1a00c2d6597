// The end-to-end tests' eyes on the Windows side. Windows inside a Wine virtual desktop
// are not X windows, so the harness asks this small console program, run in the same
// desktop, about them:
//   probe window CLASS         -> "visible x y width height clientx clienty" of the first
//                                 top-level window, in screen coordinates
//   probe find CLASS TITLE     -> the same for a window of that class and title
//   probe foreground           -> the class of the foreground window
//   probe clipbitmap           -> the clipboard's bitmap: "width height", then a row of
//                                 rrggbb words for every row of pixels
//   probe statictext TITLE     -> the static texts of the dialog with that title, one a line
//   probe press TITLE ID       -> posts WM_COMMAND ID to the dialog with that title
//   probe command ID           -> posts WM_COMMAND ID to the panel window
//   probe regget NAME          -> the user's stored setting: its type, its length in characters as
//                                 stored, and its text
// Exit code 0 when the thing asked about was found, 2 when not, 1 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kKey = "Software\\Korvex\\Tintspot";

int printWindow(HWND window) {
    if (!window) {
        std::puts("none");
        return 2;
    }
    RECT r;
    GetWindowRect(window, &r);
    POINT client = {0, 0};
    ClientToScreen(window, &client);
    std::printf("%d %ld %ld %ld %ld %ld %ld\n", IsWindowVisible(window) ? 1 : 0, r.left, r.top, r.right - r.left,
                r.bottom - r.top, client.x, client.y);
    return 0;
}

BOOL CALLBACK printStatic(HWND child, LPARAM) {
    char cls[64] = {}, text[512] = {};
    GetClassNameA(child, cls, sizeof cls);
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(cls, "Static") == 0 && text[0]) std::printf("%s\n", text);
    return TRUE;
}

int regCommand(int argc, char** argv) {
    const char* what = argv[1];
    if (std::strcmp(what, "regget") == 0 && argc == 3) {
        // Read as stored, in UTF-16: the size then tells whether the terminator was stored.
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 2;
        wchar_t name[100] = {}, value[1000] = {};
        MultiByteToWideChar(CP_ACP, 0, argv[2], -1, name, 100);
        DWORD size = sizeof value - 2, type = 0;
        const LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) return 2;
        std::printf("%s %lu %ls\n", type == REG_SZ ? "REG_SZ" : "other", size / 2, value);
        return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    const char* what = argv[1];
    if (std::strcmp(what, "window") == 0 && argc == 3) return printWindow(FindWindowA(argv[2], nullptr));
    if (std::strcmp(what, "find") == 0 && argc == 4) return printWindow(FindWindowA(argv[2], argv[3]));
    if (std::strcmp(what, "clipbitmap") == 0) {
        if (!OpenClipboard(nullptr)) return 2;
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info = {};
        if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) {
            CloseClipboard();
            return 2;
        }
        BITMAPINFO header = {};
        header.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<unsigned> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        CloseClipboard();
        std::printf("%ld %ld\n", info.bmWidth, info.bmHeight);
        for (long y = 0; y < info.bmHeight; ++y) {
            for (long x = 0; x < info.bmWidth; ++x) std::printf("%06x ", pixels[y * info.bmWidth + x] & 0xFFFFFF);
            std::puts("");
        }
        return 0;
    }
    if (std::strcmp(what, "foreground") == 0) {
        char cls[256] = {};
        GetClassNameA(GetForegroundWindow(), cls, sizeof cls);
        std::puts(cls);
        return 0;
    }
    if (std::strcmp(what, "statictext") == 0 && argc == 3) {
        HWND dialog = FindWindowA("#32770", argv[2]);
        if (!dialog) return 2;
        EnumChildWindows(dialog, printStatic, 0);
        return 0;
    }
    const bool press = std::strcmp(what, "press") == 0 && argc == 4;
    if (press || (std::strcmp(what, "command") == 0 && argc == 3)) {
        HWND target = press ? FindWindowA("#32770", argv[2]) : FindWindowA("Classname1", nullptr);
        if (!target) return 2;
        PostMessageA(target, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[press ? 3 : 2])), 0);
        return 0;
    }
    if (std::strncmp(what, "reg", 3) == 0) return regCommand(argc, argv);
    return 1;
}
