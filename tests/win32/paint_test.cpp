// Panel painting, pixel-exact: known colours are put on the screen with a window of the
// test's own, the panel is painted into a memory context and read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "display/paint_win.h"
#include "tracking/layout.h"
#include "tracking/tracking_win.h"
#include "win32_fixture.h"

namespace {

constexpr COLORREF kGround = RGB(192, 192, 192), kBlack = RGB(0, 0, 0), kUnpainted = Canvas::kUnpainted;
COLORREF inverted(COLORREF c) { return c ^ 0x00FFFFFF; }
using card::kX;
using card::kY;

class Painting : public StartedUp {
protected:
    HWND cardWindow = nullptr;

    void SetUp() override {
        StartedUp::SetUp();
        cardWindow = card::show(nullptr);
    }
    void TearDown() override { DestroyWindow(cardWindow); }

    // Lays the panel out at the pointer position and paints frame and readouts.
    std::unique_ptr<Canvas> paintAt(int x, int y) {
        computeLayout(picker);
        picker.cursorX = x;
        picker.cursorY = y;
        auto canvas = std::make_unique<Canvas>(picker.panelWidth, picker.panelHeight);
        paintFrame(canvas->dc);
        paintReadouts(canvas->dc, false);
        return canvas;
    }
};

}  // namespace

TEST_F(Painting, EveryPixelOfEveryCellShowsItsScreenPixelUnderTheCentreMark) {
    struct Case {
        std::int32_t sir, cellSize, velikost;
    };
    for (Case c : {Case{9, 5, 0}, Case{15, 3, 10}, Case{7, 7, -2}, Case{9, 5, 10}, Case{10, 5, 0}}) {
        SCOPED_TRACE(testing::Message() << c.sir << "/" << c.cellSize << "/" << c.velikost);
        picker.sir = c.sir;
        picker.cellSize = c.cellSize;
        picker.velikost = c.velikost;
        auto canvas = paintAt(kX + 31, kY + 29);
        const int h = (c.sir + c.velikost) / 2;
        for (int py = 0; py < picker.magnifierSize; ++py)
            for (int px = 0; px < picker.magnifierSize; ++px) {
                const int x = picker.magnifierLeft + px, y = picker.magnifierTop + py;
                const bool onMark = (x == picker.crossX && y >= picker.crossY - 8 && y <= picker.crossY + 8) ||
                                    (y == picker.crossY && x >= picker.crossX - 8 && x <= picker.crossX + 8);
                // The even count 10 draws only the 9 cells the square holds.
                COLORREF want = px / c.cellSize < 9 || c.sir != 10
                                    ? card::colour(picker.cursorX - h + px / c.cellSize, picker.cursorY - h + py / c.cellSize)
                                    : canvas->at(x, y);
                if (onMark && !(x == picker.crossX && y == picker.crossY)) want = inverted(want);
                ASSERT_EQ(canvas->at(x, y), want) << "panel pixel " << x << "," << y;
            }
        // The outline just outside the view; nothing painted past it.
        const int edge = picker.magnifierLeft + picker.magnifierSize;
        EXPECT_EQ(canvas->at(edge, picker.magnifierTop + 3), kBlack);
        EXPECT_EQ(canvas->at(picker.magnifierLeft - 1, edge - 1), kBlack);
        EXPECT_EQ(canvas->at(edge + 1, picker.magnifierTop + 3), kGround);
        EXPECT_EQ(picker.currentColor, card::colour(picker.cursorX, picker.cursorY));
    }
}

TEST_F(Painting, ReadoutsOfOrangeInBothRadixesWithHsvAndCmyk) {
    cardWindow = card::show(cardWindow, RGB(255, 128, 0));
    struct Case {
        std::int32_t hexa;
        const char* lines[10];  // R, G, B, H, S, V, C, M, Y, K
        const char* colorText;
    };
    const Case cases[] = {
        {0, {"R=255", "G=128", "B=  0", "H= 30", "S=100", "V=100", "C=  0", "M= 50", "Y=100", "K=  0"}, "255,128,0"},
        {1, {"R=FF", "G=80", "B=00", "H=01E", "S=064", "V=064", "C=00", "M=32", "Y=64", "K=00"}, "FF8000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hexa);
        picker.showhexa = c.hexa;
        picker.readoutRadix = c.hexa ? 16 : 10;
        picker.showhsv = 1;
        picker.captureState = 2;  // a band being dragged: the coordinates line gives its size
        capture.captureWidth = 60;
        capture.captureHeight = 7;
        auto canvas = paintAt(kX + 30, kY + 30);
        const COLORREF block = RGB(176, 176, 176);
        for (int i = 0; i < 3; ++i) {
            expectText(*canvas, picker.swatchLeft, picker.magnifierTop + 9 * i, c.lines[i], kGround);
            expectText(*canvas, picker.hsvLeft + 3, picker.hsvTop + 4 + 9 * i, c.lines[3 + i], block);
        }
        for (int i = 0; i < 4; ++i)
            expectText(*canvas, picker.hsvLeft + 35, picker.hsvTop + 4 + 9 * i, c.lines[6 + i], block);
        EXPECT_STREQ(picker.colorText, c.colorText);
        expectText(*canvas, 5, picker.magnifierTop + picker.magnifierSize + 5, "(230,230) W=60 H=7     ", kGround);
        EXPECT_EQ(canvas->at(picker.hsvLeft + 63, picker.hsvTop + 38), RGB(208, 208, 208));
        // The code beside the swatch only in decimal.
        if (c.hexa) {
            EXPECT_EQ(canvas->at(picker.swatchLeft + 14, picker.swatchTop + 3), kGround);
        } else {
            expectText(*canvas, picker.swatchLeft + 13, picker.swatchTop + 2, "FF8000", kGround);
        }
    }
}

TEST_F(Painting, BorderShowsPinnedAndFrozenAndAFrozenPanelKeepsItsPicture) {
    struct Case {
        std::int32_t nomove, freeze;
        COLORREF dark;
    };
    for (Case c : {Case{1, 0, RGB(0, 0, 0x96)}, Case{0, 1, RGB(0x96, 0, 0)}, Case{1, 1, RGB(0x96, 0, 0)}}) {
        picker.nomove = c.nomove;
        picker.freeze = c.freeze;
        auto canvas = paintAt(kX + 30, kY + 30);
        EXPECT_EQ(canvas->at(124, 30), c.dark);
        EXPECT_EQ(canvas->at(60, 64), c.dark);
        EXPECT_EQ(canvas->at(100, 30), c.freeze ? kUnpainted : kGround) << "frozen frames skip the ground";
        EXPECT_EQ(canvas->at(55, 43), c.freeze ? kUnpainted : picker.currentColor) << "and the readouts";
    }
}

TEST_F(Painting, FiltersNameThemselvesAndFilterTheViewAndCellsOffTheScreen) {
    struct Case {
        std::int32_t flag;
        const char* name;
        COLORREF offScreen;
    };
    for (Case c : {Case{0, "", kBlack}, Case{1, "WEB SAFE", RGB(255, 255, 255)}, Case{2, "GRAYSCALE", RGB(255, 255, 255)},
                   Case{3, "INVERT", kBlack}}) {
        SCOPED_TRACE(c.flag);
        picker.convertcolflag = c.flag;
        auto canvas = paintAt(kX + 30, kY + 30);
        if (c.flag) {
            expectText(*canvas, 3, 2, c.name, RGB(255, 255, 231));
            EXPECT_EQ(canvas->at(picker.panelWidth - 3, 8), RGB(255, 255, 231));
            EXPECT_EQ(canvas->at(picker.panelWidth - 2, 8), kGround);
        }
        if (c.flag == 3) {
            EXPECT_EQ(picker.currentColor, inverted(card::colour(picker.cursorX, picker.cursorY)));
        }
        // At (0, 1) the cells of x -4 .. -1 and y -3 .. -1 lie off the screen.
        canvas = paintAt(0, 1);
        const int top = picker.magnifierTop;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(canvas->at(5 + i * 5 + 1, top + 30), c.offScreen) << i;
            EXPECT_EQ(canvas->at(5 + 30, top + i * 5 + 1), c.offScreen) << i;
        }
    }
}

// A frame repaint (a pin, any setting) refills the background; the readouts follow at once.
TEST_F(Painting, FrameRepaintsArePaintedOverWithTheReadouts) {
    picker.cursorX = kX + 30;
    picker.cursorY = kY + 30;
    picker.xokna = 500;
    picker.yokna = 400;
    picker.nomove = 1;
    layoutPanel();
    showPanel();
    SendMessageA(picker.panelHwnd, UM_FRAME, 0, 0);
    HDC dc = GetDC(picker.panelHwnd);
    EXPECT_EQ(GetPixel(dc, 55, 43), card::colour(kX + 30, kY + 30)) << "the swatch";
    ReleaseDC(picker.panelHwnd, dc);
}
