"""Start-up and shutdown as a person sees them: the tray icon, the single-instance guard,
the first run without stored settings, and exit storing the settings."""

import subprocess
import sys

from harness import check, run, wait_until


def second_copy_is_refused(s):
    s.probe("regclear")
    s.start_testcard()
    first = s.start_tintspot()
    wait_until(s.tray_shown, what="the tray icon")

    second = s.spawn(s.exe)
    wait_until(lambda: s.window("#32770", "Tintspot 3.0"), what="the message box")
    rc, texts = s.probe("statictext", "Tintspot 3.0")
    check("Application is running." in texts.splitlines(), f"message box says {texts!r}")
    s.probe("press", "Tintspot 3.0", "1")  # IDOK
    try:
        code = second.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise AssertionError("the second copy did not end after its message box")
    check(code == 1, f"the second copy ended with {code}, not 1")

    check(first.poll() is None, "the first copy stopped")
    check(s.tray_shown(), "the first copy's tray icon went away")
    panel = s.window("Classname1")
    check(panel is not None, "the first copy's panel window went away")


def first_run_shows_only_the_tray_icon(s):
    s.probe("regclear")
    s.start_testcard()
    proc = s.start_tintspot()
    wait_until(s.tray_shown, what="the tray icon")
    panel = s.window("Classname1")
    check(not panel.visible, f"a panel is shown on the first run: {panel}")
    overlay = s.window("Classname2")
    check(overlay is not None and not overlay.visible, f"overlay: {overlay}")

    s.probe("command", "32781")  # the exit command
    code = proc.wait(timeout=20)
    check(code == 0, f"exit code {code}")
    check(s.window("Classname1") is None, "the panel window outlived the exit")
    wait_until(lambda: not s.tray_shown(), timeout=10, what="the tray icon to go")
    # Exit stores the settings: defaults, with the panel hidden.
    for name, value in [("show", "0"), ("sir", "9"), ("showcoord", "1"), ("velikost", "0"), ("fast", "0")]:
        rc, out = s.probe("regget", name)
        check(rc == 0 and out.split() == ["REG_SZ", str(len(value) + 1), value], f"{name}: {out!r}")


def tray_double_click_shows_the_panel(s):
    s.probe("regclear")
    s.start_testcard()
    s.start_tintspot()
    wait_until(s.tray_shown, what="the tray icon")
    tray = s.window("Shell_TrayWnd")
    # The first icon sits at the right end of the taskbar.
    s.move(tray.x + tray.w - 12, tray.y + tray.h // 2)
    s.xdotool("click", "--repeat", "2", "--delay", "80", "1")
    wait_until(lambda: (w := s.window("Classname1")) and w.visible, timeout=10, what="the panel to show")
    s.move(400, 300)
    wait_until(lambda: (w := s.window("Classname1")) and (w.x, w.y) == (410, 310), timeout=5,
               what="the panel beside the pointer")


def exit_stores_the_shown_and_pinned_panel(s):
    s.probe("regclear")
    s.probe("regset", "show", "1")
    s.start_testcard()
    proc = s.start_tintspot()
    wait_until(lambda: (w := s.window("Classname1")) and w.visible, what="the panel to show at start")
    s.move(300, 300)
    wait_until(lambda: (w := s.window("Classname1")) and (w.x, w.y) == (310, 310), timeout=5, what="following")
    s.xdotool("keydown", "alt")
    s.xdotool("click", "1")
    s.xdotool("keyup", "alt")
    s.move(500, 500)
    s.probe("command", "32781")
    check(proc.wait(timeout=20) == 0, "exit code")
    stored = {name: s.probe("regget", name)[1].split()[-1] for name in ("show", "nomove", "xokna", "yokna")}
    check(stored == {"show": "1", "nomove": "1", "xokna": "310", "yokna": "310"}, f"stored {stored}")

    s.move(700, 100)
    s.start_tintspot()
    panel = wait_until(lambda: (w := s.window("Classname1")) and w.visible and w, what="the panel at the next start")
    check((panel.x, panel.y) == (310, 310), f"the pinned panel reopened at {panel}")


if __name__ == "__main__":
    sys.exit(run({
        "second_copy_is_refused": second_copy_is_refused,
        "first_run_shows_only_the_tray_icon": first_run_shows_only_the_tray_icon,
        "tray_double_click_shows_the_panel": tray_double_click_shows_the_panel,
        "exit_stores_the_shown_and_pinned_panel": exit_stores_the_shown_and_pinned_panel,
    }))
