"""The gestures as a person makes them over another application: Alt+click pins the panel,
Shift+click freezes it, a drag moves it, Ctrl+click copies the colour as text, and
Ctrl+Shift+click with a drag copies the screen inside the band. What the other programs of
the X desktop find on the clipboard is read with xclip."""

import struct
import subprocess
import sys

from harness import check, run, testcard_colour, wait_until


def clipboard(target="UTF8_STRING"):
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target], capture_output=True, timeout=10)
    return done.stdout if done.returncode == 0 else None


def bmp_pixels(data):
    """(width, height, pixel(x, y) -> (r, g, b)) of an uncompressed 24- or 32-bit BMP file."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bpp = struct.unpack_from("<iiHH", data, 18)
    stride = (width * bpp + 31) // 32 * 4
    at = lambda x, y: offset + (height - 1 - y) * stride + x * bpp // 8
    return width, height, lambda x, y: (data[at(x, y) + 2], data[at(x, y) + 1], data[at(x, y)])


def modifier_clicks_pin_release_and_freeze(s):
    s.show_panel()
    s.move(300, 300)
    panel = s.panel_at(310, 310, "following")
    border = lambda colour: (lambda p: p(panel.x + 124, panel.y + 30) == p(panel.x + 60, panel.y + 64) == colour)(
        s.screen(panel.x, panel.y, 125, 65))
    wait_until(lambda: border((0, 0, 0)), timeout=5, what="a black border")
    s.with_keys(["alt"], "click", "1")
    s.move(500, 420)
    s.panel_at(310, 310, "pinned by Alt + left click")
    wait_until(lambda: border((0, 0, 0x96)), timeout=5, what="the pinned border")
    s.with_keys(["alt"], "click", "3")
    s.move(320, 300)
    panel = s.panel_at(330, 310, "released by Alt + right click")
    s.with_keys(["shift"], "click", "1")
    wait_until(lambda: border((0x96, 0, 0)), timeout=5, what="the frozen border")
    # Frozen, the panel still follows but keeps showing the old colour.
    s.move(600, 200)
    panel = s.panel_at(610, 210, "following while frozen")
    check(testcard_colour(600, 200) != testcard_colour(320, 300), "the test positions differ in colour")
    swatch = s.screen(panel.x + 58, panel.y + 46, 1, 1)(panel.x + 58, panel.y + 46)
    check(swatch == testcard_colour(320, 300), f"the frozen swatch shows {swatch}")


def drag_keeps_the_grabbed_point(s):
    s.show_panel(nomove=1, xokna=310, yokna=310)
    s.move(340, 330)  # on the pinned panel, 30 x 20 pixels into it
    s.xdotool("mousedown", "1")
    for step in range(1, 11):
        s.move(340 + step * 10, 330 + step * 5)
    s.panel_at(410, 360, "dragged with the grabbed point under the pointer")
    s.xdotool("mouseup", "1")
    s.move(600, 500)
    s.move(610, 520)
    s.panel_at(410, 360, "dropped and still pinned")


def ctrl_click_copies_the_colour_text(s):
    s.show_panel(showhexa=1)
    for x, y, hexa in [(300, 300, True), (517, 243, False)]:
        s.move(x, y + 1)
        s.move(x, y)
        s.panel_at(x + 10, y + 10, "following")
        s.with_keys(["ctrl"], "click", "1")
        r, g, b = testcard_colour(x, y)
        want = (f"#{r:02X}{g:02X}{b:02X}" if hexa else f"{r},{g},{b}").encode()
        wait_until(lambda: clipboard() == want, timeout=5, what=f"{want} on the clipboard, not {clipboard()!r}")
        s.probe("command", "32785")  # "Hex Values" off for the next round


def ctrl_shift_drag_copies_the_pixels_inside_the_band(s):
    s.show_panel()
    # Text of another program on the clipboard; xclip stays on as its owner, detached.
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"kept", timeout=10,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def drag(x0, y0, x1, y1, while_held=lambda: None):
        s.with_keys(["ctrl", "shift"], "click", "1")
        s.move(x0, y0)
        s.xdotool("mousedown", "1")
        for step in range(1, 5):
            s.move(x0 + (x1 - x0) * step // 4, y0 + (y1 - y0) * step // 4)
        while_held()
        s.xdotool("mouseup", "1")
        wait_until(lambda: not s.window("Classname2").visible, what="the capture to end")

    drag(400, 400, 405, 405)  # 5 x 5: too small to copy
    check(clipboard() == b"kept", f"a 5 x 5 band changed the clipboard to {clipboard()!r}")

    def band_over_the_screen():  # while held: the screen shows through, the band inverted
        p = s.screen(230, 220, 1, 21)
        return p(230, 220) == tuple(255 - v for v in testcard_colour(230, 220)) and p(230, 240) == testcard_colour(230, 240)
    drag(250, 260, 210, 220, lambda: wait_until(band_over_the_screen, timeout=5, what="the band"))
    data = wait_until(lambda: (d := clipboard("image/bmp")) and d.startswith(b"BM") and d, timeout=5,
                      what="a bitmap on the clipboard")
    width, height, pixel = bmp_pixels(data)  # dragged up and left: the inside is (211, 221) to (249, 259)
    check((width, height) == (39, 39), f"bitmap of {width} x {height}")
    for y in range(39):
        for x in range(39):
            check(pixel(x, y) == testcard_colour(211 + x, 221 + y), f"bitmap pixel {x},{y} is {pixel(x, y)}")
    s.move(600, 100)
    p = s.screen(200, 210, 61, 61)
    for y in range(210, 271):
        for x in range(200, 261):
            check(p(x, y) == testcard_colour(x, y), f"screen at {x},{y} is {p(x, y)} after the capture")


if __name__ == "__main__":
    sys.exit(run({f.__name__: f for f in [modifier_clicks_pin_release_and_freeze, drag_keeps_the_grabbed_point,
                                          ctrl_click_copies_the_colour_text,
                                          ctrl_shift_drag_copies_the_pixels_inside_the_band]}))
