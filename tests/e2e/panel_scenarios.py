"""The panel as a person sees it: it follows the pointer, snaps and flips at the screen
edges, pins with Alt+click, drags, and shows the pixels under the pointer exactly."""

import os
import subprocess
import sys

from harness import DESKTOP_W, check, run, testcard_colour, wait_until

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAP = 10


def load_font():
    """Glyph shapes from the font's text source: {char: six rows of '#'/'.'}."""
    glyphs, name, rows = {}, None, []
    with open(os.path.join(ROOT, "resources", "pictures", "glyphs.txt")) as f:
        for line in f:
            line = line.strip()
            if line.startswith("glyph "):
                name, rows = line.split()[1], []
            elif name and line and line[0] in "#.":
                rows.append(line)
                if len(rows) == 6:
                    glyphs[" " if name == "space" else name] = rows
                    name = None
    return glyphs


FONT = load_font()


def show_panel(s, **settings):
    s.probe("regclear")
    s.probe("regset", "show", "1")
    for name, value in settings.items():
        s.probe("regset", name, str(value))
    s.start_testcard()
    s.start_tintspot()
    return wait_until(lambda: (w := s.window("Classname1")) and w.visible and w, what="the panel to show")


def panel_at(s, x, y, what):
    def placed():
        w = s.window("Classname1")
        return w if w and (w.x, w.y) == (x, y) else None
    try:
        return wait_until(placed, timeout=5, what=what)
    except AssertionError:
        raise AssertionError(f"{what}: panel is at {s.window('Classname1')}, expected ({x}, {y})")


def alt_click(s, button):
    s.xdotool("keydown", "alt")
    s.xdotool("click", str(button))
    s.xdotool("keyup", "alt")


def follows_snaps_and_flips(s):
    panel = show_panel(s)
    check((panel.w, panel.h) == (125, 65), f"default panel size {panel}")
    # (pointer, where the panel's corner must go) on 1024 x 768 with a 125 x 65 panel.
    cases = [
        ((300, 300), (310, 310), "follows at the gap"),
        ((880, 100), (890, 110), "no snap 8 pixels from the edge"),
        ((883, 100), (899, 110), "snaps flush right"),
        ((895, 100), (899, 110), "still snaps"),
        ((896, 100), (761, 110), "flips left of the pointer"),
        ((100, 686), (110, 696), "no snap, no flip at the bottom"),
        ((100, 687), (110, 703), "snaps flush to the bottom"),
        ((100, 700), (110, 625), "flips above the pointer"),
    ]
    for (px, py), (x, y), what in cases:
        s.move(px, py)
        panel_at(s, x, y, what)


def alt_click_pins_and_releases(s):
    show_panel(s)
    s.move(300, 300)
    panel_at(s, 310, 310, "following")
    alt_click(s, 1)
    s.move(500, 420)
    s.move(510, 430)
    panel_at(s, 310, 310, "pinned by Alt + left click")
    alt_click(s, 3)
    s.move(520, 420)
    panel_at(s, 530, 430, "released by Alt + right click")


def drag_keeps_the_grabbed_point(s):
    show_panel(s)
    s.move(300, 300)
    panel_at(s, 310, 310, "following")
    alt_click(s, 1)
    s.move(340, 330)  # on the pinned panel, 30 x 20 pixels into it
    s.xdotool("mousedown", "1")
    for step in range(1, 11):
        s.move(340 + step * 10, 330 + step * 5)
    panel_at(s, 410, 360, "dragged with the grabbed point under the pointer")
    s.xdotool("mouseup", "1")
    s.move(600, 500)
    s.move(610, 520)
    panel_at(s, 410, 360, "dropped and still pinned")


# --- what the panel shows -----------------------------------------------------------------

def screenshot_pixels(s):
    """The whole desktop as {(x, y): (r, g, b)} lookups through a raw RGB dump."""
    path = s.screenshot()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    check(len(raw) == DESKTOP_W * 768 * 3, "screenshot size")
    return lambda x, y: tuple(raw[(y * DESKTOP_W + x) * 3:(y * DESKTOP_W + x) * 3 + 3])


def expect_text(pixel, x, y, text, ground, where):
    for i, ch in enumerate(text):
        rows = FONT.get(ch.upper() if ch.isalpha() else ch, FONT[" "])
        for r, row in enumerate(rows):
            for c, mark in enumerate(row):
                want = (0, 0, 0) if mark == "#" else ground
                got = pixel(x + 5 * i + c, y + r)
                check(got == want, f"{where}: '{text}' glyph {i} pixel ({c},{r}) is {got}, expected {want}")


def expect_panel(s, pointer, hexa):
    s.move(*pointer)
    px, py = pointer
    panel = panel_at(s, px + GAP, py + GAP, "following")
    # Let the repaint after the last move land before the picture is taken.
    wait_until(lambda: screenshot_pixels(s)(panel.x + 5 + 4 * 5, panel.y + 5) ==
               testcard_colour(px, py - 4), timeout=5, what="the magnifier to repaint")
    pixel = screenshot_pixels(s)
    ox, oy = panel.x, panel.y
    what = f"pointer {pointer}"
    for row in range(9):
        for col in range(9):
            want = testcard_colour(px - 4 + col, py - 4 + row)
            got = pixel(ox + 5 + col * 5, oy + 5 + row * 5)
            check(got == want, f"{what}: cell {col},{row} is {got}, expected {want}")
    centre = testcard_colour(px, py)
    check(pixel(ox + 27, oy + 27) == centre, f"{what}: the pixel under the pointer")
    inverted_above = tuple(255 - v for v in testcard_colour(px, py - 2))
    check(pixel(ox + 27, oy + 19) == inverted_above, f"{what}: centre mark")
    check(pixel(ox + 58, oy + 46) == centre, f"{what}: swatch")
    r, g, b = centre
    ground = (192, 192, 192)
    if hexa:
        lines = [f"R={r:02X}", f"G={g:02X}", f"B={b:02X}"]
    else:
        lines = [f"R={r:3d}", f"G={g:3d}", f"B={b:3d}"]
        expect_text(pixel, ox + 67, oy + 44, f"{r:02X}{g:02X}{b:02X}", ground, what)
        expect_text(pixel, ox + 5, oy + 55, f"({px},{py}) ".ljust(23), ground, what)
    for i, line in enumerate(lines):
        expect_text(pixel, ox + 54, oy + 5 + 9 * i, line, ground, what)
    return pixel, panel


def panel_shows_the_pixels_decimal(s):
    show_panel(s)
    for pointer in [(300, 300), (517, 243)]:
        expect_panel(s, pointer, hexa=False)


def panel_shows_the_pixels_hex_hsv(s):
    show_panel(s, showhexa=1, showhsv=1, showcoord=0)
    for pointer in [(300, 300), (517, 243)]:
        pixel, panel = expect_panel(s, pointer, hexa=True)
        check((panel.w, panel.h) == (147, 55), f"hex + HSV panel size {panel}")
        check(pixel(panel.x + 82, panel.y + 1) == (208, 208, 208), "the HSV frame outline")


def border_shows_pinned_and_frozen(s):
    show_panel(s)
    s.move(300, 300)
    panel = panel_at(s, 310, 310, "following")
    right, bottom = (panel.x + 124, panel.y + 30), (panel.x + 60, panel.y + 64)

    def border_is(colour):
        pixel = screenshot_pixels(s)
        return pixel(*right) == colour and pixel(*bottom) == colour

    wait_until(lambda: border_is((0, 0, 0)), timeout=5, what="a black border")
    alt_click(s, 1)
    wait_until(lambda: border_is((0, 0, 0x96)), timeout=5, what="the pinned border 0x00960000")
    alt_click(s, 1)  # follow again
    s.move(320, 300)
    panel = panel_at(s, 330, 310, "following again")
    s.xdotool("keydown", "shift")
    s.xdotool("click", "1")
    s.xdotool("keyup", "shift")
    right, bottom = (panel.x + 124, panel.y + 30), (panel.x + 60, panel.y + 64)
    wait_until(lambda: border_is((0x96, 0, 0)), timeout=5, what="the frozen border 0x00000096")
    frozen = screenshot_pixels(s)
    frozen_centre = frozen(panel.x + 27, panel.y + 27)
    # Frozen, the panel still follows but its readouts keep the old colour.
    s.move(600, 200)
    panel = panel_at(s, 610, 210, "following while frozen")
    pixel = screenshot_pixels(s)
    check(testcard_colour(600, 200) != testcard_colour(320, 300), "the test positions differ in colour")
    check(pixel(panel.x + 58, panel.y + 46) == testcard_colour(320, 300),
          f"the frozen swatch changed to {pixel(panel.x + 58, panel.y + 46)}")
    check(frozen_centre == testcard_colour(320, 300), "the frozen view shows the old pixel")


if __name__ == "__main__":
    sys.exit(run({
        "follows_snaps_and_flips": follows_snaps_and_flips,
        "alt_click_pins_and_releases": alt_click_pins_and_releases,
        "drag_keeps_the_grabbed_point": drag_keeps_the_grabbed_point,
        "panel_shows_the_pixels_decimal": panel_shows_the_pixels_decimal,
        "panel_shows_the_pixels_hex_hsv": panel_shows_the_pixels_hex_hsv,
        "border_shows_pinned_and_frozen": border_shows_pinned_and_frozen,
    }))
