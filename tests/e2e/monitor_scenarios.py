"""Two monitors side by side: 1024 x 768 at (0, 0) and 800 x 600 at (1024, 0). Wine's virtual
desktop is one monitor, so Wine runs without one, in a prefix of its own, on a Xephyr server with
two Xinerama heads shown on the tests' display; the test card spans both heads so that Wine sees
the pointer everywhere."""

import os
import subprocess
import sys

from harness import LIB, QUIET, Session, check, run, wait_until


class TwoHeads(Session):
    desktop = False

    def __enter__(self):
        n = next(n for n in range(150, 190) if not os.path.exists(f"/tmp/.X11-unix/X{n}")
                 and not os.path.exists(f"/tmp/.X{n}-lock"))
        self.server = subprocess.Popen(["Xephyr", f":{n}", "+xinerama", "-screen", "1024x768", "-screen", "800x600",
                                        "-nolisten", "tcp"], **QUIET)
        wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}"), timeout=20, what=f"X display :{n}")
        os.environ["DISPLAY"] = f":{n}"
        # A prefix of its own beside the desktop's, for the same loader.
        os.environ["WINEPREFIX"] += "-heads"
        if not os.path.exists(os.path.join(os.environ["WINEPREFIX"], ".tintspot-ready")):
            # No default desktop, and the heads read through Xinerama rather than RandR.
            subprocess.run(["bash", "-c", f'source "{LIB}" && '
                            'WINEDLLOVERRIDES="mscoree=d;mshtml=d" run_wine wineboot -i && '
                            "run_wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v UseXRandR /t REG_SZ /d N /f && "
                            'wineserver -w && touch "$WINEPREFIX/.tintspot-ready"'],
                           check=True, timeout=300, **QUIET)
        return super().__enter__()

    def __exit__(self, *exc):
        subprocess.run(["bash", "-c", f'source "{LIB}" && stop_wine'], timeout=60)
        for proc in self.procs:
            proc.kill()
        self.server.terminate()
        self.server.wait(timeout=10)
        return False


def panel_follows_pins_and_captures_on_the_second_monitor(s):
    s.show_panel()
    s.move(1300, 300)
    s.panel_at(1310, 310, "following onto the second monitor")
    s.move(1696, 300)
    s.panel_at(1561, 310, "flipped at the second monitor's right edge")
    s.move(1500, 560)
    s.panel_at(1510, 485, "flipped above the pointer at the second monitor's lower edge")

    s.move(1400, 100)
    s.capture_band(1400, 200, 1440, 240)
    copy = wait_until(lambda: (r := s.probe("clipbitmap"))[0] == 0 and r[1].strip(), what="a bitmap on the clipboard")
    card = " ".join("%02x%02x%02x" % s.card(1401 + i % 39, 201 + i // 39) for i in range(39 * 39))
    check(copy == "39 39 " + card, f"the clipboard's bitmap {copy[:30]}... is not the card's inside the band")

    s.move(1300, 300)
    s.panel_at(1310, 310, "following again")
    s.with_keys(["alt"], "click", "1")
    for shown in (0, 1):  # hidden and shown again
        s.probe("command", "32778")
        wait_until(lambda: s.window("Classname1").visible == shown, what=f"the panel's visibility {shown}")
    s.move(1500, 400)
    s.move(1510, 410)
    s.panel_at(1310, 310, "still pinned on the second monitor")


if __name__ == "__main__":
    sys.exit(run({"panel_follows_pins_and_captures_on_the_second_monitor":
                  panel_follows_pins_and_captures_on_the_second_monitor}, TwoHeads))
