#include <gtest/gtest.h>

#include <array>

#include "capture/capture.h"

TEST(Capture, BandRectangleSizeAndWhatIsCopied) {
    struct Case {
        const char* what;
        std::int32_t startX, startY, x, y;
        std::int32_t size;
        bool copies;
        std::array<std::int32_t, 4> inside;
    };
    const Case cases[] = {
        {"down and right", 100, 200, 105, 206, 11, true, {101, 201, 105, 206}},
        {"up and left gives the same", 105, 206, 100, 200, 11, true, {101, 201, 105, 206}},
        {"up and right", 100, 206, 105, 200, 11, true, {101, 201, 105, 206}},
        {"down and left", 105, 200, 100, 206, 11, true, {101, 201, 105, 206}},
        {"5 x 5 is too small", 100, 200, 105, 205, 10, false, {101, 201, 105, 205}},
        {"purely horizontal", 100, 200, 900, 200, 0, false, {101, 201, 900, 200}},
        {"purely vertical", 100, 200, 100, 700, 0, false, {101, 201, 100, 700}},
        {"no move", 100, 200, 100, 200, 0, false, {101, 201, 100, 200}},
        {"1 pixel wide: nothing inside", 100, 200, 101, 260, 61, false, {101, 201, 101, 260}},
        {"2 pixels wide", 100, 200, 102, 260, 62, true, {101, 201, 102, 260}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Rect band = bandRect(c.startX, c.startY, c.x, c.y);
        EXPECT_EQ(captureSize(band.right - band.left, band.bottom - band.top), c.size);
        EXPECT_EQ(bandCopies(band), c.copies);
        const Rect in = bandInside(band);
        EXPECT_EQ((std::array<std::int32_t, 4>{in.left, in.top, in.right, in.bottom}), c.inside);
    }
}
