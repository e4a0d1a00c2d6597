// Times paintReadouts for the largest menu setting (25 x 25 cells, HSV/CMYK on) against
// a magnifier alone painted with one GetPixel and one brush per cell, alternating the two
// in one run, and prints the median of each and their ratio.
// Run: wine build/win32/bench/paint_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app_win.h"
#include "core/picker_state.h"
#include "display/paint_win.h"
#include "display/readouts.h"
#include "tracking/layout.h"

namespace {

double now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The magnifier as reading one pixel a cell paints it: the reference.
void paintCellByCell(HDC dc) {
    HDC screen = GetDC(nullptr);
    const int cells = magnifierCells(picker), size = picker.cellSize;
    const int h = (picker.magnifiedPixels + picker.sizeStep) / 2;
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column) {
            const COLORREF pixel = GetPixel(screen, picker.cursorX - h + column, picker.cursorY - h + row);
            const int x = picker.magnifierLeft + column * size, y = picker.magnifierTop + row * size;
            const RECT cell = {x, y, x + size, y + size};
            HBRUSH brush = CreateSolidBrush(pixel);
            FillRect(dc, &cell, brush);
            DeleteObject(brush);
        }
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main() {
    HINSTANCE self = GetModuleHandleA(nullptr);
    if (!createWindowsAndResources(self)) return 1;
    picker.magnifiedPixels = 15;
    picker.cellSize = 3;
    picker.sizeStep = 10;
    picker.showHsv = 1;
    computeLayout(picker);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picker.panelWidth, picker.panelHeight);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bitmap);
    paintFrame(dc);

    constexpr int kRounds = 60;
    std::vector<double> block, perPixel;
    for (int i = 0; i < kRounds; ++i) {
        picker.cursorX = 200 + i * 7;
        picker.cursorY = 150 + i * 5;
        for (bool reference : {false, true}) {
            const double start = now();
            if (reference)
                paintCellByCell(dc);
            else
                paintReadouts(dc, ReadoutSource{});
            GdiFlush();
            (reference ? perPixel : block).push_back(now() - start);
        }
    }
    const double fast = median(block), slow = median(perPixel);
    std::printf("paintReadouts, 25 x 25 cells with HSV/CMYK, %d rounds each\n", kRounds);
    std::printf("  one block copy:       median %.3f ms\n", fast);
    std::printf("  GetPixel per cell (magnifier alone): median %.3f ms\n", slow);
    std::printf("  ratio (GetPixel / block copy): %.1f\n", slow / fast);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return 0;
}
