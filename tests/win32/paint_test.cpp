// Panel painting, pixel-exact: known colours are put on the screen with a window of the
// test's own, the panel is painted into a memory context and read back.
#include <gtest/gtest.h>

#include <string>

#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "display/font.h"
#include "display/paint_win.h"
#include "mixer/snapshot.h"
#include "tracking/layout.h"
#include "win32_fixture.h"

namespace {

constexpr COLORREF kGround = RGB(192, 192, 192);
constexpr int kCardX = 200, kCardY = 200, kCardSide = 64;

// The colour our card shows at screen pixel (x, y): every pixel different.
COLORREF cardColour(int x, int y) { return RGB((x - kCardX) * 3, (y - kCardY) * 3, 90 + (x + y) % 7 * 20); }

COLORREF solidColour = CLR_INVALID;  // when set, the card is one flat colour

LRESULT CALLBACK cardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    for (int y = 0; y < kCardSide; ++y)
        for (int x = 0; x < kCardSide; ++x)
            SetPixel(dc, x, y, solidColour != CLR_INVALID ? solidColour : cardColour(kCardX + x, kCardY + y));
    EndPaint(window, &paint);
    return 0;
}

// A memory context of the panel's size with a 32-bit DIB, so GetPixel reads exact colours.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas(int width, int height, COLORREF fill) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits;
        bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        const RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
};

class Painting : public StartedUp {
protected:
    HWND card = nullptr;

    void SetUp() override {
        StartedUp::SetUp();
        showCard(CLR_INVALID);
    }
    void TearDown() override { DestroyWindow(card); }

    void showCard(COLORREF solid) {
        if (card) DestroyWindow(card);
        solidColour = solid;
        WNDCLASSA cls = {};
        cls.lpfnWndProc = cardProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "PaintTestCard";
        RegisterClassA(&cls);
        card = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "PaintTestCard", nullptr, WS_POPUP | WS_VISIBLE,
                               kCardX, kCardY, kCardSide, kCardSide, nullptr, nullptr, cls.hInstance, nullptr);
        UpdateWindow(card);
        GdiFlush();
        // Wait until the desktop shows the card (the window manager may lag a paint).
        HDC screen = GetDC(nullptr);
        const COLORREF expected = solid != CLR_INVALID ? solid : cardColour(kCardX + 5, kCardY + 6);
        for (int i = 0; i < 100 && GetPixel(screen, kCardX + 5, kCardY + 6) != expected; ++i) {
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
            Sleep(20);
        }
        ReleaseDC(nullptr, screen);
    }

    void layout() { computeLayout(picker); }

    void paint(Canvas& canvas) {
        paintFrame(canvas.dc);
        paintReadouts(canvas.dc, false);
    }
};

// Checks the glyphs of text at (x, y): ink black, ground in the given colour.
void expectText(const Canvas& canvas, int x, int y, const std::string& text, COLORREF ground) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GlyphCell cell = glyphCell(text[i]);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 5; ++column) {
                const bool ink = GetPixel(picker.glyphDC, cell.x + column, cell.y + row) == RGB(0, 0, 0);
                const int px = x + 5 * static_cast<int>(i) + column, py = y + row;
                ASSERT_EQ(canvas.at(px, py), ink ? RGB(0, 0, 0) : ground)
                    << "glyph " << i << " '" << text[i] << "' of \"" << text << "\" at (" << px << ", " << py << ")";
            }
    }
}

COLORREF inverted(COLORREF c) { return c ^ 0x00FFFFFF; }

}  // namespace

TEST_F(Painting, DefaultPanelCellsOutlinesCentreMarkAndSwatch) {
    layout();
    ASSERT_EQ(picker.panelWidth, 125);
    ASSERT_EQ(picker.panelHeight, 65);
    picker.cursorX = kCardX + 30;
    picker.cursorY = kCardY + 20;
    Canvas canvas(125, 65, RGB(255, 0, 255));
    paint(canvas);

    // Every cell shows its screen pixel; sample each cell's top-left inner pixel, which
    // no centre-mark line crosses.
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) {
            const COLORREF expected = cardColour(picker.cursorX - 4 + column, picker.cursorY - 4 + row);
            ASSERT_EQ(canvas.at(5 + column * 5, 5 + row * 5), expected) << column << "," << row;
            ASSERT_EQ(canvas.at(5 + column * 5 + 4, 5 + row * 5 + 1), expected) << column << "," << row;
        }
    const COLORREF centre = cardColour(picker.cursorX, picker.cursorY);
    EXPECT_EQ(picker.currentColor, centre);

    // Outline just outside the view, its corners included.
    for (auto [x, y] : {std::pair{4, 4}, {50, 4}, {4, 50}, {50, 50}, {27, 4}, {4, 27}})
        EXPECT_EQ(canvas.at(x, y), RGB(0, 0, 0)) << x << "," << y;
    // The centre mark: inverted 8 pixels each way, the crossing pixel intact.
    EXPECT_EQ(canvas.at(27, 27), centre);
    auto cell = [&](int dx, int dy) { return cardColour(picker.cursorX + dx, picker.cursorY + dy); };
    EXPECT_EQ(canvas.at(27, 19), inverted(cell(0, -2)));
    EXPECT_EQ(canvas.at(27, 35), inverted(cell(0, 2)));
    EXPECT_EQ(canvas.at(19, 27), inverted(cell(-2, 0)));
    EXPECT_EQ(canvas.at(35, 27), inverted(cell(2, 0)));
    EXPECT_EQ(canvas.at(27, 26), inverted(centre));
    EXPECT_EQ(canvas.at(27, 18), cardColour(picker.cursorX, picker.cursorY - 2)) << "the mark is 17 long";
    // Swatch outline and fill.
    for (auto [x, y] : {std::pair{54, 42}, {62, 42}, {54, 50}, {62, 50}}) EXPECT_EQ(canvas.at(x, y), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(55, 43), centre);
    EXPECT_EQ(canvas.at(61, 49), centre);
    // Ground and border: light left/top, dark right/bottom, light corners.
    EXPECT_EQ(canvas.at(100, 40), kGround);
    EXPECT_EQ(canvas.at(0, 30), RGB(245, 245, 245));
    EXPECT_EQ(canvas.at(60, 0), RGB(245, 245, 245));
    EXPECT_EQ(canvas.at(124, 30), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(60, 64), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(124, 0), RGB(245, 245, 245));
    EXPECT_EQ(canvas.at(0, 64), RGB(245, 245, 245));
    // The code beside the swatch and the coordinates line.
    char code[7];
    snprintf(code, sizeof code, "%02X%02X%02X", GetRValue(centre), GetGValue(centre), GetBValue(centre));
    expectText(canvas, 67, 44, code, kGround);
    expectText(canvas, 5, 55, "(230,220)              ", kGround);
    EXPECT_EQ(std::string(picker.colorText), std::to_string(GetRValue(centre)) + "," +
                                                 std::to_string(GetGValue(centre)) + "," +
                                                 std::to_string(GetBValue(centre)));
}

TEST_F(Painting, EveryPixelOfEveryCellShowsItsScreenPixel) {
    struct Case {
        std::int32_t sir, cellSize, velikost;
    };
    for (Case c : {Case{9, 5, 0}, Case{15, 3, 10}, Case{7, 7, -2}, Case{9, 5, 10}}) {
        SCOPED_TRACE(testing::Message() << c.sir << "/" << c.cellSize << "/" << c.velikost);
        picker.sir = c.sir;
        picker.cellSize = c.cellSize;
        picker.velikost = c.velikost;
        layout();
        picker.cursorX = kCardX + 31;
        picker.cursorY = kCardY + 29;
        Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
        paint(canvas);
        const int n = c.sir + c.velikost, h = n / 2;
        for (int py = 0; py < picker.magnifierSize; ++py)
            for (int px = 0; px < picker.magnifierSize; ++px) {
                const int x = picker.magnifierLeft + px, y = picker.magnifierTop + py;
                const bool onMark = (x == picker.crossX && y >= picker.crossY - 8 && y <= picker.crossY + 8) ||
                                    (y == picker.crossY && x >= picker.crossX - 8 && x <= picker.crossX + 8);
                COLORREF want = cardColour(picker.cursorX - h + px / c.cellSize, picker.cursorY - h + py / c.cellSize);
                if (onMark && !(x == picker.crossX && y == picker.crossY)) want = inverted(want);
                ASSERT_EQ(canvas.at(x, y), want) << "panel pixel " << x << "," << y;
            }
    }
}

TEST_F(Painting, ReadoutsOfOrangeInBothRadixesWithHsvAndCmyk) {
    showCard(RGB(255, 128, 0));
    struct Case {
        std::int32_t hexa;
        const char* lines[3];
        const char* hsv[3];
        const char* cmyk[4];
        const char* colorText;
    };
    const Case cases[] = {
        {0, {"R=255", "G=128", "B=  0"}, {"H= 30", "S=100", "V=100"}, {"C=  0", "M= 50", "Y=100", "K=  0"},
         "255,128,0"},
        {1, {"R=FF", "G=80", "B=00"}, {"H=01E", "S=064", "V=064"}, {"C=00", "M=32", "Y=64", "K=00"}, "FF8000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hexa);
        picker.showhexa = c.hexa;
        picker.readoutRadix = c.hexa ? 16 : 10;
        picker.showhsv = 1;
        layout();
        picker.cursorX = kCardX + 30;
        picker.cursorY = kCardY + 30;
        Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
        paint(canvas);
        for (int i = 0; i < 3; ++i) expectText(canvas, picker.swatchLeft, picker.magnifierTop + 9 * i, c.lines[i], kGround);
        for (int i = 0; i < 3; ++i)
            expectText(canvas, picker.hsvLeft + 3, picker.hsvTop + 4 + 9 * i, c.hsv[i], RGB(176, 176, 176));
        for (int i = 0; i < 4; ++i)
            expectText(canvas, picker.hsvLeft + 35, picker.hsvTop + 4 + 9 * i, c.cmyk[i], RGB(176, 176, 176));
        EXPECT_STREQ(picker.colorText, c.colorText);
        // The HSV frame outline.
        EXPECT_EQ(canvas.at(picker.hsvLeft, picker.hsvTop), RGB(208, 208, 208));
        EXPECT_EQ(canvas.at(picker.hsvLeft + 63, picker.hsvTop + 38), RGB(208, 208, 208));
        if (c.hexa) {
            // No code beside the swatch in hexadecimal.
            EXPECT_EQ(canvas.at(picker.swatchLeft + 14, picker.swatchTop + 3), kGround);
        } else {
            expectText(canvas, picker.swatchLeft + 13, picker.swatchTop + 2, "FF8000", kGround);
        }
    }
}

TEST_F(Painting, CoordinatesLineWithAndWithoutTheCaptureSize) {
    layout();
    struct Case {
        std::int32_t x, y, state, w, h;
        const char* text;
    };
    for (Case c : {Case{0, 0, 0, 0, 0, "(0,0)                  "},
                   Case{100, 200, 2, 50, 40, "(100,200) W=50 H=40    "},
                   Case{1023, 767, 2, 1000, 700, "(1023,767) W=1000 H=700"}}) {
        SCOPED_TRACE(c.text);
        picker.cursorX = c.x;
        picker.cursorY = c.y;
        picker.captureState = c.state;
        capture.captureWidth = c.w;
        capture.captureHeight = c.h;
        Canvas canvas(200, 65, RGB(255, 0, 255));
        paint(canvas);
        expectText(canvas, 5, 55, c.text, kGround);
    }
}

TEST_F(Painting, BorderShowsPinnedAndFrozenAndFrozenFrameKeepsTheBackground) {
    layout();
    struct Case {
        std::int32_t nomove, freeze;
        COLORREF dark;
    };
    for (Case c : {Case{0, 0, RGB(0, 0, 0)}, Case{1, 0, RGB(0, 0, 0x96)}, Case{0, 1, RGB(0x96, 0, 0)},
                   Case{1, 1, RGB(0x96, 0, 0)}}) {
        picker.nomove = c.nomove;
        picker.freeze = c.freeze;
        Canvas canvas(125, 65, RGB(255, 0, 255));
        paintFrame(canvas.dc);
        EXPECT_EQ(canvas.at(124, 30), c.dark);
        EXPECT_EQ(canvas.at(60, 64), c.dark);
        EXPECT_EQ(canvas.at(100, 30), c.freeze ? RGB(255, 0, 255) : kGround) << "frozen frames skip the ground";
        // A frozen panel's readouts are not repainted.
        paintReadouts(canvas.dc, false);
        EXPECT_EQ(canvas.at(55, 43), c.freeze ? RGB(255, 0, 255) : picker.currentColor);
    }
}

TEST_F(Painting, FilterStripNamesTheFilterAndFiltersTheView) {
    struct Case {
        std::int32_t flag;
        const char* name;
    };
    for (Case c : {Case{1, "WEB SAFE"}, Case{2, "GRAYSCALE"}, Case{3, "INVERT"}, Case{4, ""}}) {
        SCOPED_TRACE(c.flag);
        picker.convertcolflag = c.flag;
        layout();
        picker.cursorX = kCardX + 30;
        picker.cursorY = kCardY + 30;
        Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
        paint(canvas);
        expectText(canvas, 3, 2, c.name, RGB(255, 255, 231));
        EXPECT_EQ(canvas.at(1, 1), RGB(255, 255, 231));
        EXPECT_EQ(canvas.at(picker.panelWidth - 3, 8), RGB(255, 255, 231));
        EXPECT_EQ(canvas.at(picker.panelWidth - 2, 8), kGround);
        EXPECT_EQ(picker.magnifierTop, 13);
    }
    // Inverted, the centre swatch shows the inverse of the screen.
    picker.convertcolflag = 3;
    layout();
    Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
    paint(canvas);
    EXPECT_EQ(picker.currentColor, inverted(cardColour(picker.cursorX, picker.cursorY)));
}

TEST_F(Painting, CellsBeyondTheScreenAreBlackUnlessAFilterMakesThemWhite) {
    struct Case {
        std::int32_t flag;
        COLORREF offScreen;
    };
    for (Case c : {Case{0, RGB(0, 0, 0)}, Case{1, RGB(255, 255, 255)}, Case{2, RGB(255, 255, 255)},
                   Case{3, RGB(0, 0, 0)}}) {
        SCOPED_TRACE(c.flag);
        picker.convertcolflag = c.flag;
        layout();
        picker.cursorX = 0;
        picker.cursorY = 1;
        Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
        paint(canvas);
        const int top = picker.magnifierTop;
        for (int column = 0; column < 4; ++column)  // x -4 .. -1 lie off the screen
            EXPECT_EQ(canvas.at(5 + column * 5 + 1, top + 30), c.offScreen) << column;
        for (int row = 0; row < 3; ++row)  // y -3 .. -1 lie off the screen
            EXPECT_EQ(canvas.at(5 + 30, top + row * 5 + 1), c.offScreen) << row;
    }
}

TEST_F(Painting, StretchedViewBlackensWhatLiesBeyondTheScreenEdges) {
    picker.sir = 7;
    picker.cellSize = 7;
    picker.velikost = 30;  // 37 pixels a side: one stretched copy
    layout();
    ASSERT_EQ(picker.magnifierSize, 259);
    struct Case {
        std::int32_t cursorX;
        int blackFrom, blackTo;  // panel x range that must be black
        int liveX;               // a panel x that must not be black
    };
    const int w = picker.screenWidth;
    for (Case c : {Case{0, 5, 5 + 18 * 7 - 1, 5 + 18 * 7 + 3}, Case{w - 18, 5 + 36 * 7, 5 + 259 - 1, 5 + 35 * 7 + 3}}) {
        SCOPED_TRACE(c.cursorX);
        showCard(RGB(10, 200, 30));
        picker.cursorX = c.cursorX;
        picker.cursorY = 400;
        Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
        paint(canvas);
        for (int x = c.blackFrom; x <= c.blackTo; x += 3) ASSERT_EQ(canvas.at(x, picker.magnifierTop + 3), 0u) << x;
        EXPECT_NE(canvas.at(c.liveX, picker.magnifierTop + 3), 0u);
        EXPECT_NE(canvas.at(picker.magnifierLeft + picker.magnifierSize, 100), RGB(255, 0, 255))
            << "nothing is painted past the view";
    }
}

TEST_F(Painting, EvenSizesNeverPaintOutsideTheMagnifier) {
    picker.sir = 10;  // from stored settings: n = 10
    layout();
    picker.cursorX = kCardX + 30;
    picker.cursorY = kCardY + 30;
    Canvas canvas(picker.panelWidth, picker.panelHeight, RGB(255, 0, 255));
    paint(canvas);
    const int edge = picker.magnifierLeft + picker.magnifierSize;  // the outline column
    EXPECT_EQ(canvas.at(edge, 20), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(edge + 1, 20), kGround);
    EXPECT_EQ(canvas.at(20, edge), RGB(0, 0, 0));
}

TEST_F(Painting, PreviewFillsTheViewFlatAndTheSwatchWithTheTarget) {
    layout();
    picker.currentColor = RGB(12, 34, 56);
    matchTarget = RGB(200, 100, 50);
    Canvas canvas(125, 65, RGB(255, 0, 255));
    paintFrame(canvas.dc);
    paintReadouts(canvas.dc, true);
    for (int x = 5; x < 50; x += 4)
        for (int y = 5; y < 50; y += 4) ASSERT_EQ(canvas.at(x, y), RGB(12, 34, 56)) << x << "," << y;
    EXPECT_EQ(canvas.at(27, 19), RGB(12, 34, 56)) << "no centre mark in a preview";
    EXPECT_EQ(canvas.at(58, 46), RGB(200, 100, 50));
    EXPECT_EQ(picker.currentColor, RGB(12, 34, 56));
    expectText(canvas, 54, 5, "R= 12", kGround);
}
