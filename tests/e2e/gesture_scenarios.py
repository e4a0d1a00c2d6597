"""Ctrl+click over another application copies the colour as text that the other programs of the
X desktop find on the clipboard (read with xclip): across processes and the system's clipboard."""

import subprocess
import sys

from harness import run, wait_until


def clipboard():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"], capture_output=True,
                          timeout=10)
    return done.stdout if done.returncode == 0 else None


def ctrl_click_copies_the_colour_text(s):
    s.show_panel(showhexa=1)
    s.move(517, 244)
    s.move(517, 243)
    s.panel_at(527, 253, "following")
    s.with_keys(["ctrl"], "click", "1")
    want = ("#%02X%02X%02X" % s.card(517, 243)).encode()
    wait_until(lambda: clipboard() == want, timeout=5, what=f"{want} on the clipboard, not {clipboard()!r}")


if __name__ == "__main__":
    sys.exit(run({"ctrl_click_copies_the_colour_text": ctrl_click_copies_the_colour_text}))
