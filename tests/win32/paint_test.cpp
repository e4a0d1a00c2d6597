// The panel and the mixer's sliders painted into memory contexts and read back pixel by pixel,
// with known colours put on the screen by a window of the test's own.
#include <memory>

#include "display/colour.h"
#include "display/paint_win.h"
#include "mixer/slider.h"
#include "tracking/layout.h"
#include "win32_fixture.h"

namespace {

constexpr COLORREF kGround = RGB(192, 192, 192), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
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

    // Lays the panel out with the pointer at (x, y) and paints frame and readouts.
    std::unique_ptr<Canvas> paintAt(int x, int y, const ReadoutSource& source = {}) {
        computeLayout(picker);
        picker.cursorX = x;
        picker.cursorY = y;
        auto canvas = std::make_unique<Canvas>(picker.panelWidth, picker.panelHeight);
        paintFrame(canvas->dc);
        paintReadouts(canvas->dc, source);
        return canvas;
    }
};

}  // namespace

// With a sample larger than one pixel, the sampled square's outer cells are outlined by
// inversion and the colour shown is the square's mean. At the screen's edges the cells on it
// show it and the others are black, left out of the mean.
TEST_F(Painting, EveryPixelOfEveryCellShowsItsScreenPixelUnderTheCentreMark) {
    cardWindow = card::show(cardWindow, CLR_INVALID, {0, 0, 1024, 768});
    for (auto [sir, cellSize, velikost, sample, cx, cy] :  // round (240, 240) the view crosses the card's blocks
         {std::array{9, 5, 0, 0, kX + 40, kY + 40}, {15, 3, 10, 2, kX + 40, kY + 40}, {7, 7, -2, 2, kX + 40, kY + 40},
          {10, 5, 0, 1, kX + 40, kY + 40}, {9, 5, 0, 0, 500, 766}, {9, 5, 0, 2, 1023, 300}, {7, 7, 30, 0, 1023, 300}}) {
        SCOPED_TRACE(testing::Message() << sir << "/" << cellSize << "/" << velikost << "/" << sample << " " << cx);
        std::tie(picker.sir, picker.cellSize, picker.velikost, picker.sample) =
            std::tuple{sir, cellSize, velikost, sample};
        auto canvas = paintAt(cx, cy);
        const auto screen = [](int x, int y) { return x < 1024 && y < 768 ? card::colour(x, y) : kInvalidColour; };
        const int h = (sir + velikost) / 2, left = picker.magnifierLeft, top = picker.magnifierTop;
        const int first = (h - sample) * cellSize, last = (h + sample + 1) * cellSize - 1;
        const auto inSquare = [&](int p) { return p >= first && p <= last; };
        for (int py = 0; py < picker.magnifierSize; ++py)
            for (int px = 0; px < picker.magnifierSize; ++px) {
                const int x = left + px, y = top + py, dx = std::abs(x - picker.crossX),
                    dy = std::abs(y - picker.crossY);
                if (sir == 10 && px / cellSize >= 9) continue;  // the even count draws only the 9 cells that fit
                COLORREF want = screen(picker.cursorX - h + px / cellSize, picker.cursorY - h + py / cellSize);
                if (want == kInvalidColour) want = kBlack;
                const bool mark = (dx == 0 && dy <= 8) != (dy == 0 && dx <= 8);  // not its centre
                const bool outline = sample && inSquare(px) && inSquare(py)
                    && (px == first || px == last || py == first || py == last);
                if (mark != outline) want ^= 0xFFFFFF;
                ASSERT_EQ(canvas->at(x, y), want) << "panel pixel " << x << "," << y;
            }
        // The outline just outside the view; nothing painted past it.
        const int edge = left + picker.magnifierSize;
        EXPECT_EQ((std::array{canvas->at(edge, top + 3), canvas->at(left - 1, edge - 1),
                              canvas->at(edge + 1, top + 3)}),
                  (std::array{kBlack, kBlack, kGround}));
        SampleMean mean;
        for (int y = -sample; y <= sample; ++y)
            for (int x = -sample; x <= sample; ++x) mean.add(screen(picker.cursorX + x, picker.cursorY + y));
        EXPECT_EQ(picker.currentColor, mean.mean());
    }
}

TEST_F(Painting, ReadoutsOfOrangeInBothRadixesWithHsvAndCmyk) {
    cardWindow = card::show(cardWindow, RGB(255, 128, 0));
    struct Case { std::int32_t hexa; const char* lines[10]; const char* colorText; };  // R G B, H S V, C M Y K
    for (const Case& c : {Case{0,
                               {"R=255", "G=128", "B=  0", "H= 30", "S=100", "V=100", "C=  0", "M= 50", "Y=100",
                                "K=  0"}, "255,128,0"},
                          Case{1, {"R=FF", "G=80", "B=00", "H=01E", "S=064", "V=064", "C=00", "M=32", "Y=64", "K=00"},
                               "FF8000"}}) {
        SCOPED_TRACE(c.hexa);
        picker.showhexa = c.hexa;
        picker.readoutRadix = c.hexa ? 16 : 10;
        picker.showhsv = 1;
        ReadoutSource dragging;  // a band being dragged: the coordinates line gives its size
        dragging.dragging = true;
        dragging.band = {-20, 5, 40, 12};
        auto canvas = paintAt(kX + 30, kY + 30, dragging);
        for (int i = 0; i < 4; ++i) {
            if (i < 3) expectText(*canvas, picker.swatchLeft, picker.magnifierTop + 9 * i, c.lines[i], kGround);
            if (i < 3) expectText(*canvas, picker.hsvLeft + 3, picker.hsvTop + 4 + 9 * i, c.lines[3 + i],
                                  RGB(176, 176, 176));
            expectText(*canvas, picker.hsvLeft + 35, picker.hsvTop + 4 + 9 * i, c.lines[6 + i], RGB(176, 176, 176));
        }
        EXPECT_STREQ(picker.colorText, c.colorText);
        expectText(*canvas, 5, picker.magnifierTop + picker.magnifierSize + 5, "(230,230) W=60 H=7     ", kGround);
        EXPECT_EQ(canvas->at(picker.hsvLeft + 63, picker.hsvTop + 38), RGB(208, 208, 208));
        if (c.hexa) {  // the code beside the swatch only in decimal
            EXPECT_EQ(canvas->at(picker.swatchLeft + 14, picker.swatchTop + 3), kGround);
        } else {
            expectText(*canvas, picker.swatchLeft + 13, picker.swatchTop + 2, "FF8000", kGround);
        }
    }
}

// Below the coordinates, the reference's swatch (white with no recent colour) and the contrast
// of the colour shown against it; signs in the cells of their own.
TEST_F(Painting, ContrastLineAgainstWhiteBeforeAnyCopy) {
    cardWindow = card::show(cardWindow, RGB(0x88, 0x88, 0x88));
    picker.contrast = 1;
    auto canvas = paintAt(kX + 30, kY + 30);
    const int top = picker.magnifierTop + picker.magnifierSize + 15;
    EXPECT_EQ((std::array{picker.contrastTop, picker.panelHeight}), (std::array{top, top + 12}));
    expectText(*canvas, 17, top + 2, "3.54:1 - LC 63     ", kGround, glyphCellWithSigns);
    EXPECT_EQ((std::array{canvas->at(5, top), canvas->at(13, top + 8), canvas->at(6, top + 1),
                          canvas->at(12, top + 7)}),
              (std::array{kBlack, kBlack, kWhite, kWhite}));
}

// At scale 2 (192 DPI) the panel is the scale-1 picture enlarged pixel for pixel, each
// panel pixel a 2 x 2 square of the window; the first paint at scale 2 included (the magnifier
// then makes its memory for the first time).
TEST_F(Painting, AtScaleTwoThePanelIsTheScaleOnePictureEnlarged) {
    std::tie(picker.showhsv, picker.scale, picker.cursorX, picker.cursorY) = std::tuple{1, 2, kX + 20, kY + 20};
    computeLayout(picker);
    Canvas large(2 * picker.panelWidth, 2 * picker.panelHeight);
    {
        const PanelCanvas canvas(large.dc);
        paintFrame(canvas);
        paintReadouts(canvas, {});
    }
    picker.scale = 1;
    auto small = paintAt(kX + 20, kY + 20);
    for (int y = 0; y < 2 * picker.panelHeight; ++y)
        for (int x = 0; x < 2 * picker.panelWidth; ++x)
            ASSERT_EQ(large.at(x, y), small->at(x / 2, y / 2)) << x << "," << y;
}

TEST_F(Painting, BorderShowsPinnedAndFrozenAndAFrozenPanelKeepsItsPicture) {
    for (auto [nomove, freeze, dark] : {std::tuple{1, 0, RGB(0, 0, 0x96)}, {0, 1, RGB(0x96, 0, 0)},
                                        {1, 1, RGB(0x96, 0, 0)}}) {
        picker.nomove = nomove;
        picker.freeze = freeze;
        auto canvas = paintAt(kX + 30, kY + 30);
        EXPECT_EQ((std::array{canvas->at(124, 30), canvas->at(60, 64)}), (std::array{dark, dark}));
        // Frozen frames skip the ground and the readouts.
        EXPECT_EQ(canvas->at(100, 30), freeze ? Canvas::kUnpainted : kGround);
        EXPECT_EQ(canvas->at(55, 43), freeze ? Canvas::kUnpainted : picker.currentColor);
    }
}

TEST_F(Painting, FiltersNameThemselvesAndFilterTheViewAndCellsOffTheScreen) {
    for (auto [flag, name, offScreen] : {std::tuple{0, "", kBlack}, {1, "WEB SAFE", kWhite}, {2, "GRAYSCALE", kWhite},
                                         {3, "INVERT", kBlack}}) {
        SCOPED_TRACE(flag);
        picker.convertcolflag = flag;
        auto canvas = paintAt(kX + 30, kY + 30);
        if (flag) {
            expectText(*canvas, 3, 2, name, RGB(255, 255, 231));
            EXPECT_EQ((std::array{canvas->at(picker.panelWidth - 3, 8), canvas->at(picker.panelWidth - 2, 8)}),
                      (std::array{RGB(255, 255, 231), kGround}));
        }
        if (flag == 3) {
            EXPECT_EQ(picker.currentColor, card::colour(picker.cursorX, picker.cursorY) ^ 0xFFFFFF);
        }
        canvas = paintAt(0, 1);  // the cells of x -4 .. -1 and y -3 .. -1 lie off the screen
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ((std::array{canvas->at(6 + i * 5, picker.magnifierTop + 30),
                                  canvas->at(35, picker.magnifierTop + i * 5 + 1)}),
                      (std::array{offScreen, offScreen})) << i;
    }
}

TEST_F(StartedUp, SlidersDrawTheirLineThumbAndValue) {
    struct Case { bool percent; std::int32_t radix, value; const char* text; };
    for (Case c : {Case{false, 16, 255, "0FF"}, Case{false, 10, 9, "  9"}, Case{true, 10, 100, "100%"},
                   Case{true, 16, 0, "00%"}}) {
        SliderControl slider;
        slider.showPercent = c.percent;
        slider.setGeometry(10, 10, c.percent ? 100 : 128, c.percent ? 100 : 255);
        slider.setValue(c.value);
        picker.readoutRadix = c.radix;
        Canvas canvas(170, 24);
        slider.draw(canvas.dc, true);
        slider.setValue(0);  // erasing takes the thumb where it was drawn
        expectText(canvas, 10 + slider.length + 6, 10, c.text, kGround);
        const int tip = 10 + slider.drawnThumb;  // the line's end, the thumb's tip and base
        EXPECT_EQ((std::array{canvas.at(10 + slider.length - 1, 10), canvas.at(tip, 11), canvas.at(tip, 18)}),
                  (std::array{kBlack, kBlack, kBlack}));
        slider.draw(canvas.dc, false);
        EXPECT_EQ(canvas.at(tip, 18), kGround) << "erased in the ground colour";
        EXPECT_EQ(canvas.at(6, 5), c.percent ? kGround : Canvas::kUnpainted) << "the percent box";
    }
}
