// Painting the panel straight into its window's device context: the frame (what changes
// with the settings) and the readouts (what changes with the pointer). There is no
// off-screen buffer; every element is painted over in place, so nothing flickers.
#include "display/paint_win.h"

#include "core/colour_maths.h"
#include "core/picker_state.h"
#include "display/colour.h"
#include "display/contrast.h"
#include "display/font_win.h"
#include "display/panel_colours.h"
#include "display/readouts.h"
#include "display/scoped_gdi_win.h"
#include "display/text_buffer.h"

namespace {

// The square of screen pixels round the pointer, copied with one BitBlt per repaint.
// One GetPixel per cell is a round trip to the display server each (14-61 ms for a 25 x 25
// view under Wine); the block copy takes about a tenth of a millisecond. The DIB section
// is made once and only remade when a larger view needs it.
struct MagnifierGrab {
    ScopedMemoryBitmap dib;
    std::uint32_t* pixels = nullptr;  // top-down rows of 0x00RRGGBB
    int side = 0;
};
MagnifierGrab grab;

// The panel's picture at one pixel a panel pixel, for scales above 1; it keeps what was
// painted between paints, as the window does at scale 1.
struct PanelPicture {
    ScopedMemoryBitmap bitmap;
    int width = 0, height = 0;
};
PanelPicture panelPicture;

// The readouts' text, formatted on every repaint.
TextBuffer readoutText;

bool ensureGrab(HDC screen, int side) {
    if (grab.dib && grab.side >= side) return true;
    releaseMagnifierGrab();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    if (!grab.dib.reset(screen, info, &bits)) return false;
    grab.pixels = static_cast<std::uint32_t*>(bits);
    grab.side = side;
    return true;
}

void fillBackground(HDC dc, Colour colour, int left, int top, int right, int bottom) {
    const RECT area = {left, top, right, bottom};
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void fillSolid(HDC dc, Colour colour, int left, int top, int right, int bottom) {
    const RECT area = {left, top, right, bottom};
    const ScopedGdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

// The invalid-colour marker, unfiltered, is not a colour: a cell off the screen shows black.
Colour cellColour(Colour filtered) { return (filtered >> 24) != 0 ? 0x00000000u : filtered; }

// The parts of the block from (left, top), cells a side, that lie on the monitors.
struct OnMonitors {
    BlockPart parts[kMaxMonitors];
    std::int32_t count;
    OnMonitors(int left, int top, int cells)
        : count(blockOnMonitors(picker.monitors, picker.monitorCount, {left, top, left + cells, top + cells}, parts)) {}
    bool has(int x, int y) const { return onMonitors(parts, count, x, y); }
    // The pixel as GetPixel reads it, or the invalid marker off the monitors (GetPixel may
    // answer black in a gap between them).
    Colour read(HDC screen, int x, int y) const { return has(x, y) ? GetPixel(screen, x, y) : kInvalidColour; }
};

// Whether screen pixel (x, y) lies in the square sampled round the pointer.
bool sampled(int x, int y, int radius) {
    return x >= picker.cursorX - radius && x <= picker.cursorX + radius && y >= picker.cursorY - radius &&
           y <= picker.cursorY + radius;
}

// Cell-by-cell view: every cell from one block copy, through the palette filter. With the
// copy in memory the filtered cells are written back into it and enlarged onto the panel
// in one nearest-neighbour stretch, which paints exactly the squares that one solid brush
// per cell would, in a fraction of the time. Returns the unfiltered pixel under the pointer,
// or with a larger sample the mean of its square, taken from the same block.
Colour paintCells(HDC dc, HDC screen, int cells, int h) {
    const int left = picker.cursorX - h, top = picker.cursorY - h;
    const int size = picker.cellSize;
    const int radius = sampleRadius(picker.sample);
    SampleMean mean;
    const OnMonitors on(left, top, cells);
    const bool grabbed = ensureGrab(screen, cells);
    if (!grabbed) {  // without the block copy: one read a cell
        for (int row = 0; row < cells; ++row)
            for (int column = 0; column < cells; ++column) {
                const int x = left + column, y = top + row;
                const Colour pixel = on.read(screen, x, y);
                if (sampled(x, y, radius)) mean.add(pixel);
                const int px = picker.magnifierLeft + column * size, py = picker.magnifierTop + row * size;
                const Colour cell = cellColour(applyPaletteFilter(pixel, picker.paletteFilter));
                fillSolid(dc, cell, px, py, px + size, py + size);
            }
        return radius ? mean.mean() : GetPixel(screen, picker.cursorX, picker.cursorY);
    }
    for (int i = 0; i < on.count; ++i) {
        const Rect& part = on.parts[i].screen;
        BitBlt(grab.dib, on.parts[i].column, on.parts[i].row, part.right - part.left, part.bottom - part.top, screen,
               part.left, part.top, SRCCOPY);
    }
    GdiFlush();  // the copy must be complete before its memory is read
    Colour under = kInvalidColour;
    for (int row = 0; row < cells; ++row) {
        std::uint32_t* line = grab.pixels + row * grab.side;
        for (int column = 0; column < cells; ++column) {
            const int x = left + column, y = top + row;
            const Colour pixel = on.has(x, y) ? swapRedBlue(line[column]) : kInvalidColour;
            if (x == picker.cursorX && y == picker.cursorY) under = pixel;
            if (sampled(x, y, radius)) mean.add(pixel);
            line[column] = swapRedBlue(cellColour(applyPaletteFilter(pixel, picker.paletteFilter)));
        }
    }
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, picker.magnifierLeft, picker.magnifierTop, cells * size, cells * size, grab.dib, 0, 0, cells,
               cells, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    if (radius) return mean.mean();
    if (under == kInvalidColour) under = GetPixel(screen, picker.cursorX, picker.cursorY);  // outside the view
    return under;
}

// The sampled square's outline: inverted, as the centre mark is, along the square's own
// outer cells, which every repaint paints anew (an outline on the frame would flip with
// each repaint).
void outlineSample(HDC dc, int cells, int h) {
    const int radius = sampleRadius(picker.sample), size = picker.cellSize;
    const int first = h - radius < 0 ? 0 : h - radius, last = h + radius >= cells ? cells - 1 : h + radius;
    if (radius == 0) return;
    const int left = picker.magnifierLeft + first * size, top = picker.magnifierTop + first * size;
    const int right = picker.magnifierLeft + (last + 1) * size - 1;
    const int bottom = picker.magnifierTop + (last + 1) * size - 1;
    const int width = right - left + 1, height = bottom - top + 1;
    BitBlt(dc, left, top, width, 1, nullptr, 0, 0, DSTINVERT);
    BitBlt(dc, left, bottom, width, 1, nullptr, 0, 0, DSTINVERT);
    BitBlt(dc, left, top + 1, 1, height - 2, nullptr, 0, 0, DSTINVERT);
    BitBlt(dc, right, top + 1, 1, height - 2, nullptr, 0, 0, DSTINVERT);
}

// Views of 36 or more pixels a side: one stretched copy a monitor's part, black off them.
void paintStretched(HDC dc, HDC screen, int n, int h) {
    const OnMonitors on(picker.cursorX - h, picker.cursorY - h, n);
    const int size = picker.cellSize, left = picker.magnifierLeft, top = picker.magnifierTop, saved = SaveDC(dc);
    for (int i = 0; i < on.count; ++i) {
        const Rect& part = on.parts[i].screen;
        const int x = left + on.parts[i].column * size, y = top + on.parts[i].row * size;
        const int width = part.right - part.left, height = part.bottom - part.top;
        StretchBlt(dc, x, y, width * size, height * size, screen, part.left, part.top, width, height, SRCCOPY);
        ExcludeClipRect(dc, x, y, x + width * size, y + height * size);
    }
    fillBackground(dc, 0x00000000, left, top, left + picker.magnifierSize, top + picker.magnifierSize);
    RestoreDC(dc, saved);
}

void paintPreview(HDC dc) {
    const int half = picker.magnifierSize / 2;
    const int left = picker.magnifierLeft, top = picker.magnifierTop, size = picker.magnifierSize;
    // Nearest solid colour on the left, a brush (dithered on a palette display) on the right.
    fillBackground(dc, picker.currentColour, left, top, left + half, top + size);
    fillSolid(dc, picker.currentColour, left + half, top, left + size, top + size);
}

void drawReadoutLine(HDC dc, const char* label, std::int32_t value, int x, int y, int width) {
    readoutText.assign(label);
    readoutText.appendInt(value, picker.readoutRadix);
    drawField(dc, x, y, readoutText.data, width, 2);
}

void paintValues(HDC dc, const ReadoutSource& source) {
    const Colour colour = picker.currentColour;
    fillSolid(dc, source.preview ? source.pickedColour : colour, picker.swatchLeft + 1, picker.swatchTop + 1,
              picker.swatchLeft + picker.swatchSize, picker.swatchTop + picker.swatchSize);

    SetBkColor(dc, kPanelGround);
    const auto red = static_cast<std::int32_t>(redOf(colour)), green = static_cast<std::int32_t>(greenOf(colour)),
               blue = static_cast<std::int32_t>(blueOf(colour));
    const int fieldWidth = picker.readoutRadix == 16 ? 2 : 3;
    const char* labels[3] = {"R=", "G=", "B="};
    const std::int32_t channels[3] = {red, green, blue};
    for (int i = 0; i < 3; ++i)
        drawReadoutLine(dc, labels[i], channels[i], picker.swatchLeft, picker.magnifierTop + 9 * i, fieldWidth);

    if (picker.hexReadouts == 0) {  // the code beside the swatch: in hexadecimal the readouts spell it
        char code[7];
        hexCode(colour, code);
        drawField(dc, picker.swatchLeft + picker.swatchSize + 5, picker.swatchTop + picker.swatchSize - 6, code, 6, 0);
    }

    if (picker.showCoordinates) {
        buildCoordinatesLine(readoutText, picker.cursorX, picker.cursorY, source.dragging,
                             source.band.right - source.band.left, source.band.bottom - source.band.top);
        drawString(dc, picker.magnifierLeft, picker.magnifierTop + picker.magnifierSize + 5, readoutText.data);
    }

    if (picker.contrast) {
        // Against the newest recent colour: the one last copied, most likely the other half of
        // the pair being checked. White until there is one.
        const Colour reference = picker.recentCount > 0 ? picker.recent[0] : 0x00FFFFFFu;
        fillSolid(dc, reference, picker.magnifierLeft + 1, picker.contrastTop + 1,
                  picker.magnifierLeft + picker.swatchSize, picker.contrastTop + picker.swatchSize);
        buildContrastLine(readoutText, colour & 0x00FFFFFFu, reference);
        drawStringWithSigns(dc, picker.magnifierLeft + 12, picker.contrastTop + 2, readoutText.data);
    }

    if (picker.showHsv) {
        SetBkColor(dc, kHsvFill);
        float hsv[3];
        rgbToHsv(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue), hsv[0], hsv[1],
                 hsv[2]);
        const char* hsvLabels[3] = {"H=", "S=", "V="};
        for (int i = 0; i < 3; ++i)
            drawReadoutLine(dc, hsvLabels[i], static_cast<std::int32_t>(hsv[i]), picker.hsvLeft + 3,
                            picker.hsvTop + 4 + 9 * i, 3);
        std::int32_t cmyk[4];
        rgbToCmyk(red, green, blue, cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
        const char* cmykLabels[4] = {"C=", "M=", "Y=", "K="};
        for (int i = 0; i < 4; ++i)
            drawReadoutLine(dc, cmykLabels[i], cmyk[i], picker.hsvLeft + 35, picker.hsvTop + 4 + 9 * i, fieldWidth);
    }
}

void drawBorder(HDC dc) {
    Colour darkColour = kBorderDark;
    if (picker.pinned) darkColour = kBorderPinned;
    if (picker.frozen) darkColour = kBorderFrozen;  // frozen wins
    const ScopedGdiObject light(CreatePen(PS_SOLID, 1, kBorderLight)), dark(CreatePen(PS_SOLID, 1, darkColour));
    {
        const ScopedSelect pen(dc, light.get());
        MoveToEx(dc, 0, picker.panelHeight, nullptr);
        LineTo(dc, 0, 0);
        LineTo(dc, picker.panelWidth, 0);
    }
    const ScopedSelect pen(dc, dark.get());
    // Lines leave out their end points: the top-right and bottom-left corners stay light.
    MoveToEx(dc, picker.panelWidth - 1, 1, nullptr);
    LineTo(dc, picker.panelWidth - 1, picker.panelHeight - 1);
    LineTo(dc, 0, picker.panelHeight - 1);
}

const char* filterName(std::int32_t flag) {
    switch (flag) {
    case 1: return "WEB SAFE";
    case 2: return "GRAYSCALE";
    case 3: return "INVERT";
    default: return "";
    }
}

}  // namespace

void releaseMagnifierGrab() {
    grab.dib.reset();
    grab.pixels = nullptr;
    grab.side = 0;
}

void releasePanelPicture() { panelPicture.bitmap.reset(); }

PanelCanvas::PanelCanvas(HDC window) : window_(window), dc_(window) {
    if (!window || picker.scale <= 1) return;
    PanelPicture& p = panelPicture;
    if (!p.bitmap || p.width != picker.panelWidth || p.height != picker.panelHeight) {
        p.width = picker.panelWidth;
        p.height = picker.panelHeight;
        if (p.bitmap.reset(window, p.width, p.height))
            fillBackground(p.bitmap, kPanelGround, 0, 0, p.width, p.height);
    }
    if (p.bitmap) dc_ = p.bitmap;  // without the memory the panel is painted unscaled
}

PanelCanvas::~PanelCanvas() {
    if (dc_ == window_) return;
    StretchBlt(window_, 0, 0, panelWindowWidth(picker), panelWindowHeight(picker), dc_, 0, 0, panelPicture.width,
               panelPicture.height, SRCCOPY);
}

void outlineRect(HDC dc, const RECT& rect) {
    const POINT corners[5] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom},
                              {rect.left, rect.bottom}, {rect.left, rect.top}};
    Polyline(dc, corners, 5);
}

void paintFrame(HDC dc) {
    if (!picker.frozen) fillBackground(dc, kPanelGround, 0, 0, picker.panelWidth, picker.panelHeight);
    outlineRect(dc, {picker.magnifierLeft - 1, picker.magnifierTop - 1, picker.magnifierLeft + picker.magnifierSize,
                     picker.magnifierTop + picker.magnifierSize});
    outlineRect(dc, {picker.swatchLeft, picker.swatchTop, picker.swatchLeft + picker.swatchSize,
                     picker.swatchTop + picker.swatchSize});
    if (picker.contrast)
        outlineRect(dc, {picker.magnifierLeft, picker.contrastTop, picker.magnifierLeft + picker.swatchSize,
                         picker.contrastTop + picker.swatchSize});
    if (picker.paletteFilter != 0) {
        readoutText.assign(filterName(picker.paletteFilter));
        fillBackground(dc, kFilterStrip, 1, 1, picker.panelWidth - 2, 9);
        drawString(dc, 3, 2, readoutText.data);
    }
    drawBorder(dc);
    if (picker.frozen) return;

    if (picker.showHsv) {
        const RECT block = {picker.hsvLeft, picker.hsvTop, picker.hsvLeft + 63, picker.hsvTop + 38};
        fillBackground(dc, kHsvFill, block.left, block.top, block.right, block.bottom);
        const ScopedGdiObject pen(CreatePen(PS_SOLID, 1, kHsvOutline));
        const ScopedSelect selected(dc, pen.get());
        outlineRect(dc, block);
    }
    if (picker.mixerActive) {
        SetBkColor(dc, kPanelGround);
        drawString(dc, picker.magnifierLeft, picker.slidersTop + 4, "R");
        drawString(dc, picker.magnifierLeft, picker.slidersTop + 18, "G");
        drawString(dc, picker.magnifierLeft, picker.slidersTop + 32, "B");
        // The hint strip "DOUBLE CLICK = EXIT MIXER MODE" lives in the skin bitmap.
        BitBlt(dc, picker.magnifierLeft - 2, picker.panelHeight - 13, 151, 10, picker.skinDC, 36, 222, SRCCOPY);
    }
}

bool paintReadouts(HDC dc, const ReadoutSource& source) {
    if (picker.frozen && !source.evenFrozen) return false;
    const ScopedGetDC screen(nullptr);
    if (!screen) return false;

    if (source.preview) {
        paintPreview(dc);
    } else {
        const std::int32_t n = picker.magnifiedPixels + picker.sizeStep;
        const std::int32_t h = n / 2;
        Colour under;
        if (n <= 35) {
            under = paintCells(dc, screen, magnifierCells(picker), h);
        } else {
            paintStretched(dc, screen, n, h);
            // No block in memory here: the sampled square is read pixel by pixel.
            const int radius = sampleRadius(picker.sample);
            const OnMonitors on(picker.cursorX - radius, picker.cursorY - radius, 2 * radius + 1);
            SampleMean mean;
            for (int y = picker.cursorY - radius; y <= picker.cursorY + radius; ++y)
                for (int x = picker.cursorX - radius; x <= picker.cursorX + radius; ++x)
                    mean.add(on.read(screen, x, y));
            under = mean.mean();
        }
        const Colour shown = source.fromSnapshot ? source.snapshotColour : applyPaletteFilter(under, picker.paletteFilter);
        showColour(picker, shown);
        // The centre mark: inverted lines whose crossing pixel, inverted twice, keeps its colour.
        BitBlt(dc, picker.crossX, picker.crossY - 8, 1, 17, nullptr, 0, 0, DSTINVERT);
        BitBlt(dc, picker.crossX - 8, picker.crossY, 17, 1, nullptr, 0, 0, DSTINVERT);
        // The mixer's colour is the frozen screen's single pixel: no square to outline.
        if (n <= 35 && !source.fromSnapshot) outlineSample(dc, magnifierCells(picker), h);
    }
    paintValues(dc, source);
    return true;
}
