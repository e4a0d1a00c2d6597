"""The real program as a person meets it: the first run, the next and a second copy refused,
the keyboard kept by the program typed into, 192 DPI, the arrow keys while frozen with Enter's
copy on the X clipboard (read with xclip), a palette saved through the real Save As dialog."""

import os
import subprocess
import sys

from harness import QUIET, TITLE, WINE, check, run, wait_until


def clipboard():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"], capture_output=True,
                          timeout=10)
    return done.stdout if done.returncode == 0 else None


def arrow_keys_step_the_frozen_panel_and_enter_copies(s):
    s.show_panel(showhexa=1, keys=1)
    s.move(318, 301)
    s.move(318, 300)
    s.panel_at(328, 310, "following")
    s.with_keys(["shift"], "click", "1")
    s.xdotool("key", "a")
    wait_until(lambda: s.window("TintspotTestCard", "key 65"), timeout=5, what="A, not a key of ours, at the card")
    pointer = lambda: subprocess.run(["xdotool", "getmouselocation"], capture_output=True, text=True).stdout.split()[:2]
    for x in (319, 320):  # across the block edge at 320, a pixel a press
        s.xdotool("key", "Right")
        wait_until(lambda: pointer() == [f"x:{x}", "y:300"] and s.screen(386, 356, 1, 1)(386, 356) == s.card(x, 300),
                   timeout=5, what=f"the pointer at {x} and its colour in the frozen panel, not {pointer()}")
    s.panel_at(328, 310, "frozen where it was")
    s.xdotool("key", "Return")
    want = ("#%02X%02X%02X" % s.card(320, 300)).encode()
    wait_until(lambda: clipboard() == want, timeout=5, what=f"{want} on the clipboard, not {clipboard()!r}")


def recent_colours_saved_as_a_palette_through_the_dialog(s):
    s.show_panel(recent="FF8000,336699")
    s.probe("command", "32877")  # "Сохранить как палитру…"
    wait_until(lambda: (w := s.window("#32770")) and w.visible, what="the Save As dialog")
    path = os.path.join(s.workdir, "colours.css")  # typed with its extension while the first type is selected
    s.xdotool("key", "ctrl+a")
    s.xdotool("type", "Z:" + path.replace("/", "\\"))
    s.xdotool("key", "Return")
    want = ":root {\n  --tintspot-1: #FF8000;\n  --tintspot-2: #336699;\n}\n"
    wait_until(lambda: os.path.exists(path) and open(path).read() == want, timeout=10, what=f"{want!r} in {path}")
    wait_until(lambda: s.probe("foreground")[1].strip() == "TintspotTestCard", timeout=5, what="the keyboard back")


def first_run_tray_pin_exit_next_run_and_a_second_copy(s):
    s.store_settings()
    s.start_testcard()
    proc = s.start_tintspot()
    wait_until(s.tray_shown, what="the tray icon")
    panel, overlay = s.window("Classname1"), s.window("Classname2")
    check(not panel.visible and overlay and not overlay.visible, f"first run shows {panel}, {overlay}")
    # The card stands for the application the user types into: it keeps the keyboard.
    in_front = lambda: s.probe("foreground")[1].strip()
    s.tray_click("--repeat", "2", "--delay", "80", "1")
    wait_until(lambda: (w := s.window("Classname1")) and w.visible, timeout=10, what="the panel to show")
    s.move(400, 300)
    s.panel_at(410, 310, "the panel beside the pointer")
    check(in_front() == "TintspotTestCard", f"the tray double click gave the keyboard to {in_front()}")
    s.with_keys(["alt"], "click", "1")
    s.move(500, 500)

    s.probe("command", "32781")  # the exit command
    check(proc.wait(timeout=20) == 0, "exit code")
    wait_until(lambda: not s.tray_shown(), timeout=10, what="the tray icon to go")
    s.move(700, 100)  # the exit stored the shown, pinned panel and its place
    proc = s.start_tintspot()
    panel = wait_until(lambda: (w := s.window("Classname1")) and w.visible and w, what="the panel at the next start")
    check((panel.x, panel.y) == (410, 310), f"the pinned panel reopened at {panel}")
    check(in_front() == "TintspotTestCard", f"showing the panel at start gave the keyboard to {in_front()}")

    second = s.spawn(s.exe)
    wait_until(lambda: s.window("#32770", TITLE), what="the message box")
    texts = s.probe("dialog", TITLE)[1]  # and OK pressed
    check("Application is running." in texts.splitlines(), f"message box says {texts!r}")
    check(second.wait(timeout=20) == 1, "the second copy's exit code")
    check(proc.poll() is None and s.tray_shown() and s.window("Classname1").visible, "the first copy was disturbed")


def the_program_typed_into_keeps_the_keyboard_across_the_modes(s):
    s.store_settings(show=1)
    s.start_testcard()
    s.start_tintspot()
    wait_until(lambda: (w := s.window("Classname1")) and w.visible, what="the panel to show")
    overlay = lambda: s.window("Classname2").visible
    in_front = lambda: s.probe("foreground")[1].strip()

    def keeps_the_keyboard(after):
        wait_until(lambda: not overlay(), what=f"the overlay to go after {after}")
        # Activation settles after the hiding, later on a busy machine: then the card has it.
        wait_until(lambda: in_front() == "TintspotTestCard", timeout=5, what=f"the card's keyboard after {after}")
    s.move(300, 300)
    s.capture_band(320, 320, 360, 360, lambda: wait_until(overlay, what="the capture's overlay"))
    keeps_the_keyboard("a capture")
    s.with_keys(["ctrl", "shift"], "click", "1")
    wait_until(overlay, what="the capture's overlay")
    s.xdotool("click", "3")
    keeps_the_keyboard("a cancelled capture")
    for leave in (["click", "--repeat", "2", "--delay", "80", "1"], ["click", "3"]):
        s.probe("command", "32794")  # "Микшер цветов"
        wait_until(overlay, what="the frozen screen")
        panel = s.window("Classname1")
        s.move(panel.x + 40, panel.y + 30)
        s.xdotool(*leave)
        keeps_the_keyboard(f"leaving the mixer by {leave[-1]}")
    s.probe("command", "32793")  # "Помощь"
    # Its title is set before it shows; a click before then would reach what lies beneath.
    about = wait_until(lambda: (w := s.window("Classname2", TITLE)) and w.visible and w, what="the about")
    s.move(about.cx + 100, about.cy + 60)
    s.xdotool("click", "1")
    keeps_the_keyboard("the about window")
    # The tray menu, which takes the foreground for its sake, gives it back when it closes.
    s.tray_click("3")
    wait_until(lambda: (m := s.window("#32768")) and m.visible, what="the tray menu")
    s.xdotool("key", "Escape")
    wait_until(lambda: in_front() != "Classname1", timeout=5, what="the keyboard back from the panel after the menu")


def panel_doubles_at_192_dpi(s):
    desktop = r"HKCU\Control Panel\Desktop"
    dpi = lambda value: subprocess.run([WINE, "reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                                        str(value), "/f"], check=True, timeout=30, **QUIET)
    dpi(192)  # read by each Wine process as it starts
    try:
        s.show_panel()
        s.move(300, 300)
        panel = s.panel_at(320, 320, "twice the gap from the pointer")
        check((panel.w, panel.h) == (250, 130), f"the panel at 192 DPI: {panel}")
    finally:
        dpi(96)


if __name__ == "__main__":
    sys.exit(run({f.__name__: f for f in [first_run_tray_pin_exit_next_run_and_a_second_copy,
                                          the_program_typed_into_keeps_the_keyboard_across_the_modes,
                                          panel_doubles_at_192_dpi,
                                          arrow_keys_step_the_frozen_panel_and_enter_copies,
                                          recent_colours_saved_as_a_palette_through_the_dialog]}))
