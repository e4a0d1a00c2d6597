// What the program paints over the test card, against reviewed pictures in tests/golden/. A
// mismatch writes the picture into the build tree and names both; TINTSPOT_GOLDEN=update writes
// them into tests/golden/ instead, to be looked at before they are committed.
#include <fstream>
#include <memory>
#include <sstream>

#include "app/settings.h"
#include "capture/capture_win.h"
#include "display/colour.h"
#include "display/paint_win.h"
#include "mixer/mixer.h"
#include "mixer/mixer_win.h"
#include "mixer/slider.h"
#include "tracking/layout.h"
#include "win32_fixture.h"

namespace {

using card::kX;
using card::kY;

class Painting : public StartedUp {
protected:
    HWND cardWindow = nullptr;
    void SetUp() override {
        StartedUp::SetUp();
        cardWindow = card::show(nullptr, CLR_INVALID, {0, 0, 1024, 768});
    }
    void TearDown() override { DestroyWindow(cardWindow); }

    // Lays the panel out with the pointer at (x, y) and paints frame and readouts.
    std::unique_ptr<Canvas> paintAt(int x, int y, const ReadoutSource& source = {}) {
        computeLayout(picker);
        std::tie(picker.cursorX, picker.cursorY) = std::tuple{x, y};
        auto canvas = std::make_unique<Canvas>(picker.panelWidth, picker.panelHeight);
        paintFrame(canvas->dc);
        paintReadouts(canvas->dc, source);
        return canvas;
    }
};

// The picture as an 8-bit run-length BMP: the same pixels always give the same bytes.
std::string bmp(const Canvas& c) {
    std::vector<COLORREF> palette;
    std::string runs;
    for (int y = c.height - 1; y >= 0; --y) {
        for (int x = 0, n = 1; x < c.width; x += n, n = 1) {
            const COLORREF v = c.at(x, y);
            while (x + n < c.width && n < 255 && c.at(x + n, y) == v) ++n;
            const auto index = std::find(palette.begin(), palette.end(), v) - palette.begin();
            if (index == std::ssize(palette)) palette.push_back(v);
            runs += {static_cast<char>(n), static_cast<char>(index)};
        }
        runs += std::string(2, '\0');
    }
    runs += std::string("\0\1", 2);
    const DWORD header = 14 + 40 + 4 * static_cast<DWORD>(palette.size());
    BITMAPFILEHEADER file = {0x4D42, header + static_cast<DWORD>(runs.size()), 0, 0, header};
    BITMAPINFOHEADER info = {40, c.width, c.height, 1, 8, BI_RLE8, static_cast<DWORD>(runs.size()), 0, 0,
                             static_cast<DWORD>(palette.size()), 0};
    std::string out(reinterpret_cast<const char*>(&file), 14);
    out.append(reinterpret_cast<const char*>(&info), 40);
    for (COLORREF v : palette) out += {char(GetBValue(v)), char(GetGValue(v)), char(GetRValue(v)), 0};
    return out + runs;
}

void expectGolden(const Canvas& painted, const std::string& name) {
    const std::string golden = TINTSPOT_SOURCE_DIR "/tests/golden/" + name + ".bmp",
                      actual = TINTSPOT_GOLDEN_ACTUAL "/" + name + ".bmp", picture = bmp(painted);
    const char* mode = getenv("TINTSPOT_GOLDEN");
    if (mode && std::string(mode) == "update") {
        std::ofstream(golden, std::ios::binary) << picture;
        return;
    }
    std::stringstream stored;
    stored << std::ifstream(golden, std::ios::binary).rdbuf();
    if (stored.str() == picture) return;
    CreateDirectoryA(TINTSPOT_GOLDEN_ACTUAL, nullptr);
    std::ofstream(actual, std::ios::binary) << picture;
    ADD_FAILURE() << "painted " << actual << " differs from " << golden;
}

// One look of the panel: the settings the menu gives, the pointer, what else it shows.
struct Look {
    const char* name;
    std::int32_t magnifiedPixels = 9, sizeStep = 0, hexa = 0, hsv = 0, coord = 1, filter = 0, sample = 0;
    std::int32_t contrast = 0, pinned = 0, frozen = 0, x = kX + 30, y = kY + 30;
    bool band = false, recent = false, mixer = false;
};

}  // namespace

TEST_F(Painting, EachLookOfThePanelAsReviewed) {
    const Look looks[] = {
        {.name = "decimal"},
        {.name = "hex-hsv", .hexa = 1, .hsv = 1},
        {.name = "decimal-hsv-small", .magnifiedPixels = 15, .sizeStep = -2, .hsv = 1, .x = 517, .y = 243},
        {.name = "hex-large-no-coordinates", .magnifiedPixels = 7, .sizeStep = 10, .hexa = 1, .coord = 0},
        {.name = "band-size", .band = true},
        {.name = "contrast-white-sample3", .sample = 1, .contrast = 1, .x = 320, .y = 320},
        {.name = "contrast-recent-sample5", .sizeStep = 10, .sample = 2, .contrast = 1, .recent = true},
        {.name = "pinned", .pinned = 1},
        {.name = "frozen", .frozen = 1},
        {.name = "web-corner", .filter = 1, .x = 0, .y = 1},
        {.name = "gray-corner", .filter = 2, .x = 0, .y = 1},
        {.name = "invert-corner", .filter = 3, .x = 0, .y = 1},
        {.name = "mixer-hex", .hexa = 1, .mixer = true},
    };
    for (const Look& k : looks) {
        SCOPED_TRACE(k.name);
        std::tie(picker.hexReadouts, picker.paletteFilter, picker.showHsv, picker.showCoordinates, picker.pinned,
                 picker.frozen, picker.sizeStep, picker.magnifiedPixels, picker.sample, picker.contrast,
                 picker.recentCount) = std::tuple{k.hexa, k.filter, k.hsv, k.coord, k.pinned, k.frozen, k.sizeStep,
                                                  k.magnifiedPixels, k.sample, k.contrast, std::int32_t{k.recent}};
        std::tie(picker.mixerActive, picker.recent[0], picker.readoutRadix) = std::tuple{k.mixer, 0x00336699, 10};
        applyLoadedSettings(picker);
        ReadoutSource source;
        std::tie(source.dragging, source.band) = std::tuple{k.band, Rect{-20, 5, 40, 12}};
        std::tie(source.fromSnapshot, source.snapshotColour) = std::tuple{k.mixer, 0x00C08040};
        auto canvas = paintAt(k.x, k.y, source);
        if (k.mixer) {  // the sliders at the picked colour, then the red one dragged
            placeColourSliders(picker, mixer);
            for (int i = 0; i < 3; ++i) mixer.colourSliders[i].setValue(0x40 * (i + 1));
            drawColourSliders(canvas->dc);
            mixer.colourSliders[0].setValue(0xFF);
            mixer.colourSliders[0].redraw(canvas->dc);
        }
        expectGolden(*canvas, k.name);
    }
    picker.readoutRadix = 10;
    SliderControl tolerance;  // the tolerance slider on the frozen screen
    tolerance.showPercent = 1;
    tolerance.setGeometry(6, 8, 100, 100);
    tolerance.setValue(37);
    Canvas frozenScreen(150, 20);
    tolerance.draw(frozenScreen.dc, true);
    expectGolden(frozenScreen, "tolerance");
    for (std::uint8_t page : {0, 1}) {
        std::tie(picker.aboutPage, picker.aboutScale) = std::tuple{page, 1};
        Canvas about(223, 283);
        paintAbout(about.dc);
        expectGolden(about, page ? "help-page" : "about-page");
    }
}

// A capture over an area off the screen's corner (a monitor left of or above the primary):
// after crosshair moves and band changes only the last band's outline is inverted.
TEST_F(Painting, CaptureOverlayAfterMovesOfTheCrosshairAndTheBand) {
    layoutPanel();
    picker.allMonitors = {200, 210, 320, 310};
    startCapture();
    Canvas overlay(120, 100);
    paintCaptureOverlay(overlay.dc);
    for (auto [what, x, y] : {std::tuple{Fx::CaptureMove, 230, 240},
                              std::tuple{Fx::CaptureMove, 240, 270},
                              std::tuple{Fx::CapturePress, 205, 235},
                              std::tuple{Fx::CaptureMove, 260, 290},
                              std::tuple{Fx::CaptureMove, 250, 260}}) {
        std::tie(picker.cursorX, picker.cursorY) = std::tuple{x, y};
        carryOut(Effects().add(what));
        paintCaptureOverlay(overlay.dc);
    }
    expectGolden(overlay, "capture-band");
    EXPECT_EQ(captureBand(), (Rect{205, 235, 250, 260})) << "for the coordinates line";
    carryOut(Effects().add(Fx::EndCapture));
}

// A sample's outer cells outlined by inversion, its mean shown; past the screen's edges the
// cells are black and left out of the mean.
TEST_F(Painting, EveryPixelOfEveryCellShowsItsScreenPixelUnderTheCentreMark) {
    for (auto [sir, cellSize, velikost, sample, cx, cy] :  // round (240, 240) the view crosses the card's blocks
         {std::array{9, 5, 0, 0, kX + 40, kY + 40}, {15, 3, 10, 2, kX + 40, kY + 40}, {7, 7, -2, 2, kX + 40, kY + 40},
          {10, 5, 0, 1, kX + 40, kY + 40}, {9, 5, 0, 0, 500, 766}, {9, 5, 0, 2, 1023, 300}, {7, 7, 30, 0, 1023, 300}}) {
        SCOPED_TRACE(testing::Message() << sir << "/" << cellSize << "/" << velikost << "/" << sample << " " << cx);
        std::tie(picker.magnifiedPixels, picker.cellSize, picker.sizeStep, picker.sample) =
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
                if (want == kInvalidColour) want = RGB(0, 0, 0);
                const bool mark = (dx == 0 && dy <= 8) != (dy == 0 && dx <= 8);  // not its centre
                const bool outline = sample && inSquare(px) && inSquare(py)
                    && (px == first || px == last || py == first || py == last);
                if (mark != outline) want ^= 0xFFFFFF;
                ASSERT_EQ(canvas->at(x, y), want) << "panel pixel " << x << "," << y;
            }
        SampleMean mean;
        for (int y = -sample; y <= sample; ++y)
            for (int x = -sample; x <= sample; ++x) mean.add(screen(picker.cursorX + x, picker.cursorY + y));
        EXPECT_EQ(picker.currentColour, mean.mean());
    }
}

// At scale 2 (192 DPI) the panel is the scale-1 picture enlarged pixel for pixel, from the first
// paint on (the magnifier then makes its memory).
TEST_F(Painting, AtScaleTwoThePanelIsTheScaleOnePictureEnlarged) {
    std::tie(picker.showHsv, picker.scale, picker.cursorX, picker.cursorY) = std::tuple{1, 2, kX + 20, kY + 20};
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
