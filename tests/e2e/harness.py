"""End-to-end harness: a Wine virtual desktop with the test card, the real tintspot.exe,
and the means to drive and watch them as a person would (xdotool, xclip, import).

Every wait is bounded; teardown ends every Wine process of the prefix even when a test
fails or hangs, so the next scenario starts clean."""

import collections
import os
import subprocess
import sys
import tempfile
import time

KEY = r"HKEY_CURRENT_USER\Software\Korvex\Tintspot"
MACHINE_KEY = r"HKEY_LOCAL_MACHINE\Software\Korvex\Tintspot"
LIB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib.sh")


def testcard_colour(x, y):
    """(r, g, b) of the test card at (x, y); mirrors tests/e2e/testcard.cpp."""
    bx, by = x // 16, y // 16
    return ((bx * 37 + 11) & 255, (by * 53 + 23) & 255, ((bx + by) * 29 + 5) & 255)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait_until(predicate, timeout=20.0, interval=0.2, what="condition"):
    """Polls predicate until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)
    return value


Window = collections.namedtuple("Window", "visible x y w h cx cy")


class Session:
    desktop = True  # the programs run in a Wine virtual desktop

    def __init__(self):
        self.exe, self.probe_exe, self.testcard_exe = (os.environ[n] for n in ("TINTSPOT_EXE", "PROBE_EXE",
                                                                               "TESTCARD_EXE"))
        self.procs = []
        self.workdir = tempfile.mkdtemp(prefix="tintspot-e2e-")

    def __enter__(self):
        self.restart_wine()
        return self

    def __exit__(self, *exc):
        self.restart_wine()  # an empty desktop for whatever runs next
        return False

    def restart_wine(self):
        """Ends every Wine process of the prefix and starts an empty virtual desktop, detached
        from our output (scripts/lib.sh): a desktop that a Wine program started on its own
        would inherit that program's output pipe and hold it open long after it ended."""
        start = "start_wineserver && start_desktop" if self.desktop else "start_wineserver"
        subprocess.run(["bash", "-c", f'source "{LIB}" && stop_wine && {start}'],
                       check=True, timeout=120, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        for proc in self.procs:
            proc.wait(timeout=10)
        self.procs = []
        time.sleep(1.0)

    def spawn(self, *args):
        proc = subprocess.Popen(["wine", *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        return proc

    def start_testcard(self):
        """The test card, filling the desktop above the taskbar row."""
        self.spawn(self.testcard_exe)
        wait_until(lambda: (w := self.window("TintspotTestCard")) and w.visible, what="the test card")

    def start_tintspot(self):
        proc = self.spawn(self.exe)
        wait_until(lambda: self.window("Classname1"), what="the panel window to exist")
        return proc

    def probe(self, *args, timeout=30):
        # Output through a file, not a pipe: a desktop process that Wine might start on the
        # way would inherit a pipe and hold it open long after the probe ended.
        with tempfile.TemporaryFile(mode="w+") as out:
            done = subprocess.run(["wine", self.probe_exe, *args], stdout=out, stderr=subprocess.DEVNULL,
                                  stdin=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return done.returncode, out.read().replace("\r", "")

    def store_settings(self, **values):
        """Replaces the user's stored settings with these values, and removes the machine's."""
        path = os.path.join(self.workdir, "settings.reg")
        with open(path, "w") as f:
            f.write(f"REGEDIT4\n\n[-{MACHINE_KEY}]\n[-{KEY}]\n[{KEY}]\n" +
                    "".join(f'"{n}"="{v}"\n' for n, v in values.items()))
        subprocess.run(["wine", "regedit", "/S", path], check=True, timeout=30, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window(self, cls, title=None):
        rc, out = self.probe(*(("find", cls, title) if title else ("window", cls)))
        return Window(*map(int, out.split())) if rc == 0 else None

    def tray_menu(self, *keys):
        """Opens the tray icon's menu and chooses with the keyboard: keys, then Return."""
        tray = self.window("Shell_TrayWnd")
        self.move(tray.x + tray.w - 12, tray.y + tray.h // 2)  # the first icon, at the right end
        self.xdotool("click", "3")
        wait_until(lambda: (m := self.window("#32768")) and m.visible, what="the tray menu")
        self.xdotool("key", *keys, "Return")

    def tray_shown(self):
        w = self.window("Shell_TrayWnd")
        return bool(w and w.visible)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, timeout=10)

    def move(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y))

    def with_keys(self, keys, *action):
        for key in keys:
            self.xdotool("keydown", key)
        self.xdotool(*action)
        for key in reversed(keys):
            self.xdotool("keyup", key)

    def screen(self, x0, y0, w, h):
        """The screen's pixels in a rectangle, as a lookup (x, y) -> (r, g, b)."""
        path = os.path.join(self.workdir, "shot.png")
        subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
        raw = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x0}+{y0}", "-depth", "8", "rgb:-"],
                             capture_output=True, check=True).stdout
        return lambda x, y: tuple(raw[((y - y0) * w + x - x0) * 3:((y - y0) * w + x - x0) * 3 + 3])

    def show_panel(self, **settings):
        """Tintspot over the test card, started with the panel shown and these settings stored."""
        self.store_settings(show=1, **settings)
        self.start_testcard()
        self.start_tintspot()
        wait_until(lambda: (w := self.window("Classname1")) and w.visible, what="the panel to show")

    def panel_at(self, x, y, what):
        return wait_until(lambda: (w := self.window("Classname1")) and (w.x, w.y) == (x, y) and w, timeout=5,
                          what=f"{what}: the panel at ({x}, {y}), last seen at {self.window('Classname1')}")


def run(scenarios, session=Session):
    """Runs the scenario named on the command line; exit status 0 when it passed."""
    name = sys.argv[1]
    try:
        with session() as s:
            scenarios[name](s)
    except Exception as failure:  # a hang or crash of the harness fails the scenario too
        print(f"FAILED {name}: {type(failure).__name__}: {failure}")
        return 1
    print(f"passed {name}")
    return 0
