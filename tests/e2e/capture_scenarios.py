"""The clipboard as a person uses it: Ctrl+click copies the colour under the pointer as text,
Ctrl+Shift+click and a drag copy the screen inside the band as a bitmap, and a band too small
to copy leaves the clipboard alone. What the other programs of the X desktop see is read
with xclip."""

import struct
import subprocess
import sys

from harness import check, run, testcard_colour, wait_until


def clipboard(target="UTF8_STRING"):
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target], capture_output=True, timeout=10)
    return done.stdout if done.returncode == 0 else None


def put_text(text):
    # xclip stays on as the selection's owner: detached, so it holds none of our output.
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(), timeout=10,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_until(lambda: clipboard() == text.encode(), timeout=5, what="our own text on the clipboard")


def show_panel(s, **settings):
    s.probe("regclear")
    for name, value in {"show": 1, **settings}.items():
        s.probe("regset", name, str(value))
    s.start_testcard()
    s.start_tintspot()
    wait_until(lambda: (w := s.window("Classname1")) and w.visible, what="the panel to show")


def with_keys(s, keys, *actions):
    for key in keys:
        s.xdotool("keydown", key)
    s.xdotool(*actions)
    for key in reversed(keys):
        s.xdotool("keyup", key)


def drag(s, x0, y0, x1, y1, while_held=lambda: None):
    """Ctrl+Shift+click starts the capture; then a left drag from (x0, y0) to (x1, y1)."""
    with_keys(s, ["ctrl", "shift"], "click", "1")
    s.move(x0, y0)
    s.xdotool("mousedown", "1")
    for step in range(1, 5):
        s.move(x0 + (x1 - x0) * step // 4, y0 + (y1 - y0) * step // 4)
    while_held()
    s.xdotool("mouseup", "1")


def screen(s, x0, y0, w, h):
    """The screen's pixels in a rectangle, as a lookup (x, y) -> (r, g, b) in screen coordinates."""
    raw = subprocess.run(["convert", s.screenshot(), "-crop", f"{w}x{h}+{x0}+{y0}", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return lambda x, y: tuple(raw[((y - y0) * w + x - x0) * 3:((y - y0) * w + x - x0) * 3 + 3])


def band_is_shown(s):
    """While the button is held the screen shows through the overlay with the band inverted."""
    def shown():
        pixel = screen(s, 230, 220, 1, 21)
        return pixel(230, 220) == tuple(255 - v for v in testcard_colour(230, 220)) and \
            pixel(230, 240) == testcard_colour(230, 240)
    wait_until(shown, timeout=5, what="the band over the screen's picture")


def bmp_pixels(data):
    """(width, height, pixel(x, y) -> (r, g, b)) of an uncompressed 24- or 32-bit BMP file."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bpp = struct.unpack_from("<iiHH", data, 18)
    stride = (width * bpp + 31) // 32 * 4
    def pixel(x, y):
        row = height - 1 - y if height > 0 else y
        at = offset + row * stride + x * bpp // 8
        return data[at + 2], data[at + 1], data[at]
    return width, abs(height), pixel


def ctrl_click_copies_the_colour_text(s):
    show_panel(s, showhexa=1)
    for (x, y), hexa in [((300, 300), True), ((517, 243), False)]:
        s.move(x, y)
        s.move(x, y + 1)
        s.move(x, y)
        wait_until(lambda: (w := s.window("Classname1")) and (w.x, w.y) == (x + 10, y + 10), timeout=5,
                   what="the panel to follow")
        with_keys(s, ["ctrl"], "click", "1")
        r, g, b = testcard_colour(x, y)
        want = f"#{r:02X}{g:02X}{b:02X}" if hexa else f"{r},{g},{b}"
        wait_until(lambda: clipboard() == want.encode(), timeout=5,
                   what=f"{want} on the clipboard, found {clipboard()!r}")
        s.probe("command", "32785")  # "Hex Values" off for the next round


def ctrl_shift_drag_copies_the_pixels_inside_the_band(s):
    show_panel(s)
    put_text("kept")
    drag(s, 400, 400, 405, 405)  # 5 x 5: too small to copy
    wait_until(lambda: s.window("Classname2") and not s.window("Classname2").visible, what="the capture to end")
    check(clipboard() == b"kept", f"a 5 x 5 band changed the clipboard to {clipboard()!r}")

    drag(s, 250, 260, 210, 220, lambda: band_is_shown(s))  # up and left: inside (211, 221) to (249, 259)
    data = wait_until(lambda: (d := clipboard("image/bmp")) and d.startswith(b"BM") and d, timeout=5,
                      what="a bitmap on the clipboard")
    width, height, pixel = bmp_pixels(data)
    check((width, height) == (39, 39), f"bitmap of {width} x {height}")
    for y in range(39):
        for x in range(39):
            want = testcard_colour(211 + x, 221 + y)
            check(pixel(x, y) == want, f"bitmap pixel {x},{y} is {pixel(x, y)}, expected {want}")

    # The crosshair and band are gone from the screen.
    s.move(600, 100)
    pixel = screen(s, 200, 210, 61, 61)
    for y in range(210, 271):
        for x in range(200, 261):
            check(pixel(x, y) == testcard_colour(x, y), f"screen at {x},{y} is {pixel(x, y)} after the capture")

if __name__ == "__main__":
    sys.exit(run({
        "ctrl_click_copies_the_colour_text": ctrl_click_copies_the_colour_text,
        "ctrl_shift_drag_copies_the_pixels_inside_the_band": ctrl_shift_drag_copies_the_pixels_inside_the_band,
    }))
