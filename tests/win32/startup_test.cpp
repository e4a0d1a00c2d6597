// Start-up pieces against the real Win32 API under Wine: window classes and windows,
// resources as the program loads them.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "app/app_win.h"
#include "app/picker_state.h"
#include "display/font.h"
#include "resource_ids.h"
#include "win32_fixture.h"

TEST_F(StartedUp, ClassesWindowsAndBitmapsAsCreated) {
    struct Expected {
        HWND window;
        const char* name;
        UINT style;
        bool cursor;
        INT_PTR brush;
    };
    // Double clicks reach only the panel; the overlay has no brush, so it never erases.
    for (const Expected& e : {Expected{picker.panelHwnd, "Classname1", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, true, COLOR_MENU + 1},
                              Expected{picker.overlayHwnd, "Classname2", CS_HREDRAW | CS_VREDRAW, false, 0}}) {
        SCOPED_TRACE(e.name);
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), e.name, &info));
        EXPECT_EQ(info.style, e.style);
        EXPECT_EQ(info.hCursor != nullptr, e.cursor);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hbrBackground), e.brush);
        EXPECT_EQ(GetWindowLongA(e.window, GWL_STYLE) & (WS_POPUP | WS_VISIBLE | WS_CAPTION), WS_POPUP);
        EXPECT_TRUE(GetWindowLongA(e.window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetWindowTextLengthA(e.window), 0);
    }
    for (auto [cursor, hot] : {std::pair{picker.linkCursor, 0}, std::pair{picker.pickCursor, 1},
                               std::pair{picker.selectCursor, 1}, std::pair{picker.toleranceCursor, 0}}) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_EQ((std::array<DWORD, 2>{info.xHotspot, info.yHotspot}), (std::array<DWORD, 2>{DWORD(hot), DWORD(hot)}));
        DeleteObject(info.hbmMask);
    }
    for (auto [dc, bitmap, width] : {std::tuple{picker.skinDC, picker.skinBitmap, 446},
                                     std::tuple{picker.glyphDC, picker.glyphBitmap, 155}}) {
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, width);
    }
}

// Every glyph of the font's text source, read back through the loaded glyph bitmap at the
// cell the program draws that character from.
TEST_F(StartedUp, GlyphBitmapHoldsEveryGlyphOfTheFontSourceWhereTheProgramLooks) {
    std::ifstream source(TINTSPOT_SOURCE_DIR "/resources/pictures/glyphs.txt");
    ASSERT_TRUE(source.is_open());
    std::string line;
    int glyphs = 0;
    while (std::getline(source, line)) {
        std::istringstream header(line);
        std::string word, name;
        int x = 0, y = 0;
        if (!(header >> word >> name >> x >> y) || word != "glyph") continue;
        const char c = name == "space" ? ' ' : name[0];
        SCOPED_TRACE(name);
        const GlyphCell cell = glyphCell(c);
        EXPECT_EQ(cell.x, x);
        EXPECT_EQ(cell.y, y);
        if (c >= 'A' && c <= 'Z') {
            EXPECT_EQ(glyphCell(static_cast<char>(c + 32)).x, x) << "lower case folds";
        }
        for (int row = 0; row < 6 && std::getline(source, line); ++row)
            for (int column = 0; column < 5; ++column)
                EXPECT_EQ(GetPixel(picker.glyphDC, x + column, y + row), line[column] == '#' ? RGB(0, 0, 0) : RGB(255, 255, 255))
                    << column << "," << row;
        ++glyphs;
    }
    EXPECT_EQ(glyphs, 42);
}

TEST_F(StartedUp, TrayIconComesBackWhenTheTaskbarIsCreatedAnew) {
    addTrayIcon();
    EXPECT_TRUE(trayIcon(NIM_DELETE, nullptr, nullptr));
    SendMessageA(picker.panelHwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(trayIcon(NIM_DELETE, nullptr, nullptr)) << "added again";
    EXPECT_FALSE(trayIcon(NIM_DELETE, nullptr, nullptr));
}

TEST_F(StartedUp, ADisplayChangeIsFollowed) {
    picker.screenWidth = picker.screenHeight = 1;
    picker.cursorX = picker.cursorY = 500;
    SendMessageA(picker.panelHwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ((std::array{picker.screenWidth, picker.screenHeight, picker.aboutRect.left, picker.xokna}),
              (std::array{1024, 768, 400, 510}));
}
