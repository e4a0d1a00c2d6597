// The life of the process: the single-instance guard, the two popup windows, the
// resources every other part draws with, the tray icon, the one message loop and the
// orderly shutdown that stores the settings.
#include "app/app_win.h"
#include "app/settings.h"
#include "core/messages.h"
#include "core/picker_state.h"
#include "display/paint_win.h"
#include "display/scoped_gdi_win.h"
#include "resource_ids.h"
#include "tracking/gestures.h"
#include "tracking/tracking_win.h"

PickerState picker;

namespace {

char panelClassName[100];
char overlayClassName[100];
// Never shown. Wine's taskbar gives every unowned top-level window a button, tool windows
// too (Windows leaves those out): owned windows get none on either.
HWND ownerHwnd = nullptr;

void loadBitmapIntoDC(HINSTANCE instance, int id, HBITMAP& bitmap, HDC& dc) {
    bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(id));
    dc = CreateCompatibleDC(ScopedGetDC(picker.overlayHwnd));
    SelectObject(dc, bitmap);
}

// LoadImage without LR_SHARED: these handles are destroyed at shutdown, which is only
// sound for private copies.
HICON loadCursor(HINSTANCE instance, int id) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, 0));
}

void registerWindowClasses(HINSTANCE instance) {
    LoadStringA(instance, IDS_PANEL_CLASS, panelClassName, sizeof panelClassName);
    LoadStringA(instance, IDS_OVERLAY_CLASS, overlayClassName, sizeof overlayClassName);

    WNDCLASSEXA panel = {};
    panel.cbSize = sizeof panel;
    panel.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    panel.lpfnWndProc = panelWindowProc;
    panel.hInstance = instance;
    panel.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    panel.hIconSm = panel.hIcon;
    panel.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    panel.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    panel.lpszClassName = panelClassName;
    RegisterClassExA(&panel);

    // No cursor and no brush: each use of the overlay sets its cursor, and the capture
    // and mixer surfaces must never erase what lies beneath them.
    WNDCLASSEXA overlay = {};
    overlay.cbSize = sizeof overlay;
    overlay.style = CS_HREDRAW | CS_VREDRAW;
    overlay.lpfnWndProc = overlayWindowProc;
    overlay.hInstance = instance;
    overlay.hIcon = panel.hIcon;
    overlay.hIconSm = panel.hIcon;
    overlay.lpszClassName = overlayClassName;
    RegisterClassExA(&overlay);
}

bool createWindows(HINSTANCE instance) {
    picker.appInstance = instance;
    ownerHwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                                nullptr);
    // Never activated, neither by a click nor by being shown: the panel must not take the
    // keyboard from the application the user works in.
    picker.panelHwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, panelClassName, nullptr, WS_POPUP,
                                       CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, ownerHwnd, nullptr, instance, nullptr);
    if (!picker.panelHwnd) return false;
    picker.overlayHwnd = CreateWindowExA(WS_EX_TOOLWINDOW, overlayClassName, nullptr, WS_POPUP, CW_USEDEFAULT, 0,
                                         CW_USEDEFAULT, 0, ownerHwnd, nullptr, instance, nullptr);
    return picker.overlayHwnd != nullptr;
}

void loadResources(HINSTANCE instance) {
    picker.appMenu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_APP_MENU));

    readScreen();

    loadBitmapIntoDC(instance, IDB_SKIN, picker.skinBitmap, picker.skinDC);
    loadBitmapIntoDC(instance, IDB_GLYPHS, picker.glyphBitmap, picker.glyphDC);

    picker.linkCursor = loadCursor(instance, IDC_LINK);
    picker.pickCursor = loadCursor(instance, IDC_PICK);
    picker.selectCursor = loadCursor(instance, IDC_SELECT);
    picker.toleranceCursor = loadCursor(instance, IDC_TOLERANCE);
    picker.arrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
}

bool swallowed(const Effects& effects) {
    carryOut(effects);
    return effects.answered() && effects.answerValue() == kSwallow;
}
bool onPointer(const PointerEvent& event) { return swallowed(pointerDecision(picker, event)); }
bool onKey(const KeyEvent& event) { return swallowed(keyDecision(picker, event)); }

// Fills the tray record, calls Shell_NotifyIconA and gives back the icon (the shell keeps
// its own copy).
void trayIcon(DWORD action, HICON icon, const char* tip) {
    NOTIFYICONDATAA record = {};
    // The record as first defined, 88 bytes: no later extension is used.
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = picker.panelHwnd;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = UM_TRAY;
    record.hIcon = icon;
    if (tip) lstrcpynA(record.szTip, tip, 64);
    Shell_NotifyIconA(action, &record);
    if (icon) DestroyIcon(icon);
}

// Ends this process, with a message box, when another copy runs.
void refuseSecondInstance() {
    // The mapping is never closed: the name stays taken for the life of the process.
    HANDLE guard = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, "VuvOro");
    if (guard != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        MessageBoxA(nullptr, "Application is running.", kAppTitle, MB_OK);
        ExitProcess(1);
    }
}

// What createWindowsAndResources made, in the order of shutdown.
void releaseResources() {
    // The device contexts go first, so that no bitmap is still selected when deleted.
    DeleteDC(picker.glyphDC);
    DeleteDC(picker.skinDC);
    DeleteObject(picker.glyphBitmap);
    DeleteObject(picker.skinBitmap);
    trayIcon(NIM_DELETE, nullptr, nullptr);
    DestroyMenu(picker.appMenu);
    releaseRecentSwatches();  // once the menu that showed them is gone
    DestroyCursor(picker.linkCursor);
    DestroyCursor(picker.pickCursor);
    DestroyCursor(picker.selectCursor);
    DestroyCursor(picker.toleranceCursor);
    releaseMagnifierGrab();
    releasePanelPicture();
    DestroyWindow(ownerHwnd);
}

}  // namespace

void storeSettingsAtExit(void (*release)()) {
    // The settings as they were when the user chose exit: the stored `show` says whether the
    // panel was shown then.
    const PickerState stored = picker;
    hidePanel();
    if (release) release();
    saveSettings(stored);
}

void readScreen() {
    readMonitors();
    useUsableMagnifier(picker);  // a smaller screen may no longer hold the magnifier
    placeAboutOnScreen();
}

bool createWindowsAndResources(HINSTANCE instance) {
    registerWindowClasses(instance);
    if (!createWindows(instance)) return false;
    loadResources(instance);
    setPointerHandler(onPointer);
    setKeyHandler(onKey);
    return true;
}

void addTrayIcon() {
    // A private copy of the icon: trayIcon destroys what it is given.
    HICON icon = static_cast<HICON>(LoadImageA(picker.appInstance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 0, 0, 0));
    trayIcon(NIM_ADD, icon, kAppTitle);
}

int runTintspot(HINSTANCE instance) {
    refuseSecondInstance();
    if (!createWindowsAndResources(instance)) return 1;

    addTrayIcon();

    loadSettings();
    layoutPanel();
    readPointer();
    placePanel();  // before the first show, so the panel never flashes at the origin
    if (picker.show) showPanel();

    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    storeSettingsAtExit(releaseResources);
    return static_cast<int>(message.wParam);
}
