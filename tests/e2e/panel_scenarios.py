"""The panel as a person sees it over another application: it shows the pixels under the
pointer, Alt+click pins it, Shift+click freezes it, and a drag moves it."""

import subprocess
import sys

from harness import DESKTOP_H, DESKTOP_W, check, run, testcard_colour, wait_until


def show_panel(s, **settings):
    s.probe("regclear")
    s.probe("regset", "show", "1")
    for name, value in settings.items():
        s.probe("regset", name, str(value))
    s.start_testcard()
    s.start_tintspot()
    return wait_until(lambda: (w := s.window("Classname1")) and w.visible and w, what="the panel to show")


def panel_at(s, x, y, what):
    return wait_until(lambda: (w := s.window("Classname1")) and (w.x, w.y) == (x, y) and w, timeout=5,
                      what=f"{what}: the panel at ({x}, {y}), last seen at {s.window('Classname1')}")


def click_with(s, key, button):
    s.xdotool("keydown", key)
    s.xdotool("click", str(button))
    s.xdotool("keyup", key)


def screenshot_pixels(s):
    """The whole desktop as a lookup (x, y) -> (r, g, b)."""
    raw = subprocess.run(["convert", s.screenshot(), "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    check(len(raw) == DESKTOP_W * DESKTOP_H * 3, "screenshot size")
    return lambda x, y: tuple(raw[(y * DESKTOP_W + x) * 3:(y * DESKTOP_W + x) * 3 + 3])


def panel_shows_the_pixels_under_the_pointer(s):
    show_panel(s, showhexa=1, showhsv=1)
    for px, py in [(300, 300), (517, 243)]:
        s.move(px, py)
        panel = panel_at(s, px + 10, py + 10, "following")
        check((panel.w, panel.h) == (147, 65), f"hex + HSV panel size {panel}")
        pixel = wait_until(lambda: (p := screenshot_pixels(s)) and p(panel.x + 5, panel.y + 5) ==
                           testcard_colour(px - 4, py - 4) and p, timeout=5, what="the magnifier to repaint")
        for row in range(9):
            for col in range(9):
                want = testcard_colour(px - 4 + col, py - 4 + row)
                got = pixel(panel.x + 5 + col * 5 + 1, panel.y + 5 + row * 5 + 1)
                check(got == want, f"pointer ({px}, {py}): cell {col},{row} is {got}, expected {want}")
        check(pixel(panel.x + 58, panel.y + 46) == testcard_colour(px, py), "the swatch")


def modifier_clicks_pin_release_and_freeze(s):
    show_panel(s)
    s.move(300, 300)
    panel = panel_at(s, 310, 310, "following")
    edges = lambda p: (p(panel.x + 124, panel.y + 30), p(panel.x + 60, panel.y + 64))
    wait_until(lambda: edges(screenshot_pixels(s)) == ((0, 0, 0),) * 2, timeout=5, what="a black border")

    click_with(s, "alt", 1)
    s.move(500, 420)
    panel_at(s, 310, 310, "pinned by Alt + left click")
    wait_until(lambda: edges(screenshot_pixels(s)) == ((0, 0, 0x96),) * 2, timeout=5, what="the pinned border")
    click_with(s, "alt", 3)
    s.move(320, 300)
    panel = panel_at(s, 330, 310, "released by Alt + right click")

    click_with(s, "shift", 1)
    wait_until(lambda: edges(screenshot_pixels(s)) == ((0x96, 0, 0),) * 2, timeout=5, what="the frozen border")
    # Frozen, the panel still follows but keeps showing the old colour.
    s.move(600, 200)
    panel = panel_at(s, 610, 210, "following while frozen")
    check(testcard_colour(600, 200) != testcard_colour(320, 300), "the test positions differ in colour")
    swatch = screenshot_pixels(s)(panel.x + 58, panel.y + 46)
    check(swatch == testcard_colour(320, 300), f"the frozen swatch changed to {swatch}")


def drag_keeps_the_grabbed_point(s):
    show_panel(s)
    s.move(300, 300)
    panel_at(s, 310, 310, "following")
    click_with(s, "alt", 1)
    s.move(340, 330)  # on the pinned panel, 30 x 20 pixels into it
    s.xdotool("mousedown", "1")
    for step in range(1, 11):
        s.move(340 + step * 10, 330 + step * 5)
    panel_at(s, 410, 360, "dragged with the grabbed point under the pointer")
    s.xdotool("mouseup", "1")
    s.move(600, 500)
    s.move(610, 520)
    panel_at(s, 410, 360, "dropped and still pinned")


if __name__ == "__main__":
    sys.exit(run({
        "panel_shows_the_pixels_under_the_pointer": panel_shows_the_pixels_under_the_pointer,
        "modifier_clicks_pin_release_and_freeze": modifier_clicks_pin_release_and_freeze,
        "drag_keeps_the_grabbed_point": drag_keeps_the_grabbed_point,
    }))
