// Start-up pieces against the real Win32 API under Wine: window classes and windows,
// resources as the program loads them, the tray record and the menu.
#include <gtest/gtest.h>

#include <string>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "resource_ids.h"
#include "win32_fixture.h"

namespace {

HINSTANCE self() { return GetModuleHandleA(nullptr); }

const BITMAPINFOHEADER* bitmapHeader(int id) {
    HRSRC found = FindResourceA(self(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found) return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(self(), found)));
}

}  // namespace

TEST_F(StartedUp, WindowClassesHaveTheirStylesIconsCursorAndBrush) {
    struct Expected {
        const char* name;
        UINT style;
        bool cursor;
        INT_PTR brush;
    };
    const Expected classes[] = {
        {"Classname1", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, true, COLOR_MENU + 1},
        {"Classname2", CS_HREDRAW | CS_VREDRAW, false, 0},
    };
    for (const Expected& e : classes) {
        SCOPED_TRACE(e.name);
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetClassInfoExA(self(), e.name, &info));
        EXPECT_EQ(info.style, e.style);
        EXPECT_NE(info.hIcon, nullptr);
        EXPECT_NE(info.hIconSm, nullptr);
        EXPECT_EQ(info.hCursor != nullptr, e.cursor);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hbrBackground), e.brush);
        EXPECT_EQ(info.lpszMenuName, nullptr);
        EXPECT_EQ(info.cbClsExtra, 0);
        EXPECT_EQ(info.cbWndExtra, 0);
    }
}

TEST_F(StartedUp, BothWindowsAreHiddenPopupToolWindows) {
    for (HWND window : {picker.panelHwnd, picker.overlayHwnd}) {
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_FALSE(style & WS_VISIBLE);
        EXPECT_FALSE(style & WS_CAPTION);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetParent(window), nullptr);
        EXPECT_EQ(GetMenu(window), nullptr);
        EXPECT_EQ(GetWindowTextLengthA(window), 0);
    }
    char name[100] = {};
    GetClassNameA(picker.panelHwnd, name, sizeof name);
    EXPECT_STREQ(name, "Classname1");
    GetClassNameA(picker.overlayHwnd, name, sizeof name);
    EXPECT_STREQ(name, "Classname2");
}

TEST_F(StartedUp, ScreenSizeAndAboutPlaceComeFromTheDesktop) {
    EXPECT_EQ(picker.screenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(picker.screenHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(picker.aboutRect.left, (picker.screenWidth - 223) / 2);
    EXPECT_EQ(picker.aboutRect.top, (picker.screenHeight - 283) / 2 - 80);
}

TEST_F(StartedUp, BitmapsAreSelectedIntoTheirMemoryContexts) {
    struct Expected {
        HDC dc;
        HBITMAP bitmap;
        LONG width, height;
    };
    const Expected all[] = {{picker.skinDC, picker.skinBitmap, 446, 283},
                            {picker.glyphDC, picker.glyphBitmap, 155, 46}};
    for (const Expected& e : all) {
        ASSERT_NE(e.bitmap, nullptr);
        EXPECT_EQ(GetCurrentObject(e.dc, OBJ_BITMAP), e.bitmap);
        BITMAP info = {};
        ASSERT_EQ(GetObjectA(e.bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, e.width);
        EXPECT_EQ(info.bmHeight, e.height);
    }
    // The glyph context reads back the font: "A" has ink in its top-left pixel, the blank
    // cell at (25, 12) has none.
    EXPECT_EQ(GetPixel(picker.glyphDC, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(picker.glyphDC, 27, 14), RGB(255, 255, 255));
}

TEST(Resources, BitmapsHaveTheirSizesAndDepths) {
    struct Expected {
        int id;
        LONG width, height;
        WORD bits;
    };
    for (const Expected& e : {Expected{IDB_SKIN, 446, 283, 8}, Expected{IDB_GLYPHS, 155, 46, 1}}) {
        SCOPED_TRACE(e.id);
        const BITMAPINFOHEADER* header = bitmapHeader(e.id);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, e.width);
        EXPECT_EQ(header->biHeight, e.height);
        EXPECT_EQ(header->biBitCount, e.bits);
    }
}

TEST(Resources, CursorsHaveTheirSizesAndHotSpots) {
    struct Expected {
        int id;
        DWORD hotX, hotY;
    };
    const Expected cursors[] = {{IDC_LINK, 0, 0}, {IDC_PICK, 1, 1}, {IDC_SELECT, 1, 1}, {IDC_TOLERANCE, 0, 0}};
    for (const Expected& e : cursors) {
        SCOPED_TRACE(e.id);
        HICON cursor = static_cast<HICON>(LoadImageA(self(), MAKEINTRESOURCEA(e.id), IMAGE_CURSOR, 0, 0, 0));
        ASSERT_NE(cursor, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, e.hotX);
        EXPECT_EQ(info.yHotspot, e.hotY);
        // Monochrome: no colour bitmap, and the mask holds the AND and XOR halves.
        EXPECT_EQ(info.hbmColor, nullptr);
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        EXPECT_EQ(mask.bmHeight, 64);
        DeleteObject(info.hbmMask);
        DestroyCursor(cursor);
    }
}

TEST(Resources, IconIs32By32In16Colours) {
    HRSRC group = FindResourceA(self(), MAKEINTRESOURCEA(IDI_APP), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(self(), group)));
    const WORD count = *reinterpret_cast<const WORD*>(dir + 4);
    ASSERT_EQ(count, 1);
    const BYTE* entry = dir + 6;  // width, height, colour count, reserved, planes, bit count
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(entry[2], 16);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 4);
}

TEST(Resources, ClassNameStrings) {
    char text[100] = {};
    EXPECT_EQ(LoadStringA(self(), IDS_PANEL_CLASS, text, sizeof text), 10);
    EXPECT_STREQ(text, "Classname1");
    EXPECT_EQ(LoadStringA(self(), IDS_OVERLAY_CLASS, text, sizeof text), 10);
    EXPECT_STREQ(text, "Classname2");
}

TEST(Resources, ManifestAsksForNoElevationAndPerMonitorDpi) {
    HRSRC found = FindResourceA(self(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(self(), found))),
                           SizeofResource(self(), found));
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos);
}

TEST(Tray, RecordIsTheFirstDefinedLayoutWithOurIdMessageAndTip) {
    picker.panelHwnd = reinterpret_cast<HWND>(0x1234);
    HICON icon = reinterpret_cast<HICON>(0x5678);
    NOTIFYICONDATAA record = makeTrayRecord(icon, "Tintspot 3.0");
    EXPECT_EQ(record.cbSize, 88u);
    EXPECT_EQ(record.hWnd, picker.panelHwnd);
    EXPECT_EQ(record.uID, 1911u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 32868u);
    EXPECT_EQ(record.hIcon, icon);
    EXPECT_STREQ(record.szTip, "Tintspot 3.0");

    // A long tip is cut to 63 characters and its terminator; no tip leaves it empty.
    const std::string longTip(100, 'x');
    record = makeTrayRecord(nullptr, longTip.c_str());
    EXPECT_EQ(std::string(record.szTip), std::string(63, 'x'));
    record = makeTrayRecord(nullptr, nullptr);
    EXPECT_STREQ(record.szTip, "");
}

TEST_F(StartedUp, TrayIconIsAddedAndDeleted) {
    HICON icon = static_cast<HICON>(LoadImageA(self(), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(trayIcon(NIM_ADD, icon, kAppTitle));
    // The shell keeps its own copy: trayIcon has released the one it was given.
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(icon, &info));
    EXPECT_TRUE(trayIcon(NIM_DELETE, nullptr, nullptr));
}

TEST_F(StartedUp, ShutdownReleasesEveryResourceItMade) {
    releaseResources();
    EXPECT_FALSE(IsMenu(picker.appMenu));
    BITMAP info;
    EXPECT_EQ(GetObjectA(picker.skinBitmap, sizeof info, &info), 0);
    EXPECT_EQ(GetObjectA(picker.glyphBitmap, sizeof info, &info), 0);
    // The shared system arrow must survive.
    ICONINFO arrow = {};
    EXPECT_TRUE(GetIconInfo(picker.arrowCursor, &arrow));
}
