// A horizontal slider with no window of its own: its owner draws it onto a device
// context and routes pointer events to it. Three of them mix the colour in the panel
// while the mixer runs; a fourth sets the match tolerance on the frozen screen.
#pragma once

#include <cstdint>

struct HDC__;

class SliderControl {
public:
    // Places the slider and sets its range; value and thumb stay as they are.
    void setGeometry(std::int32_t x, std::int32_t y, std::int32_t length, std::int32_t maximum);
    // Stores the value unclamped and puts the thumb where it belongs on the line.
    void setValue(std::int32_t value);
    std::int32_t getValue() const { return value; }
    // A press at the point: starts a drag when it is on the thumb, ends one when it misses;
    // whether it was on the thumb.
    bool pressAt(std::int32_t px, std::int32_t py);
    void endDrag();
    // While dragging: the thumb to the pointer, the value from it (plus the pointer row's
    // parity, which reaches the values between two thumb positions), both clamped together at
    // the ends.
    void moveThumb(std::int32_t px, std::int32_t py);
    // The Win32 side. Draws the line, the thumb and the value text in the readouts' radix, or
    // erases the thumb last drawn in the panel's ground colour (visible false); redraw does
    // both, so the thumb moves. The context must be a Win32 HDC.
    void draw(HDC__* dc, bool visible);
    void redraw(HDC__* dc);

    std::int32_t x = 0;        // left end of the line, in the coordinates of its context
    std::int32_t y = 0;        // y of the line
    std::int32_t length = 0;   // length of the line in pixels
    std::int32_t thumb = 0;    // thumb offset from x
    std::int32_t drawnThumb = 0;  // thumb offset where it was last drawn
    std::int32_t value = 0;    // current value
    std::int32_t scale = 200;  // value units per 100 pixels of thumb travel
    std::int32_t maximum = 0;  // largest value
    std::uint8_t showPercent = 0;  // paints its own ground box and a "%" after the value
    std::uint8_t dragging = 0;     // a drag of the thumb is under way
};
