"""A Wine virtual desktop with the test card and the real tintspot.exe, driven and watched as a
person would. Every wait is bounded; Wine restarts around each scenario, so each starts clean."""

import collections
import os
import subprocess
import sys
import tempfile
import time

KEY = r"Software\Korvex\Tintspot"
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LIB = os.path.join(ROOT, "scripts", "lib.sh")
# The windows' title: the name and the version's first two parts, as VERSION holds it.
TITLE = "Tintspot " + ".".join(open(os.path.join(ROOT, "VERSION")).read().strip().split(".")[:2])
# The loader for the build under test: scripts/test chooses wine or wine64.
WINE = os.environ.get("TINTSPOT_WINE", "wine")
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
Window = collections.namedtuple("Window", "visible x y w h cx cy")


def card_colour(x, y):
    """The test card's colour at screen (x, y), as tests/testcard.h paints it."""
    bx, by = x // 16, y // 16
    return (bx * 37 + 11) & 255, (by * 53 + 23) & 255, ((bx + by) * 29 + 5) & 255


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait_until(predicate, timeout=20.0, what="condition"):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        check(time.monotonic() < deadline, f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.2)
    return value


class Session:
    desktop = True  # the programs run in a Wine virtual desktop

    def __init__(self):
        self.exe, self.probe_exe = os.environ["TINTSPOT_EXE"], os.environ["PROBE_EXE"]
        self.procs, self.workdir = [], tempfile.mkdtemp(prefix="tintspot-e2e-")

    def __enter__(self):
        self.restart_wine()
        return self

    def __exit__(self, *exc):
        self.restart_wine()  # an empty desktop for whatever runs next

    def restart_wine(self):
        """Ends every Wine process of the prefix and starts an empty desktop, detached from our
        output: one that a Wine program started would hold that program's pipe open."""
        start = "start_wineserver && start_desktop" if self.desktop else "start_wineserver"
        subprocess.run(["bash", "-c", f'source "{LIB}" && stop_wine && {start}'], check=True, timeout=120,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        for proc in self.procs:
            proc.wait(timeout=10)
        self.procs = []
        if self.desktop:  # its shell window exists once the desktop serves windows
            wait_until(lambda: self.window("Shell_TrayWnd"), what="the desktop's shell")

    def spawn(self, *args):
        self.procs.append(subprocess.Popen([WINE, *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        return self.procs[-1]

    def start_testcard(self):
        """The probe's card; its colours are read off the screen before anything covers it."""
        self.spawn(self.probe_exe, "card")
        card = wait_until(lambda: (w := self.window("TintspotTestCard")) and w.visible and w, what="the test card")
        # Painted row by row from the top: its last row shows once the whole card is up.
        x, y = card.x, card.y + card.h - 1
        painted = lambda: (shot := self.screen(card.x, card.y, card.w, card.h))(x, y) == card_colour(x, y) and shot
        self.card = wait_until(painted, what="the test card painted")

    def start_tintspot(self):
        proc = self.spawn(self.exe)
        wait_until(lambda: self.window("Classname1"), what="the panel window to exist")
        return proc

    def probe(self, *args):
        # Output through a file, not a pipe, for the same reason as above.
        with tempfile.TemporaryFile(mode="w+") as out:
            done = subprocess.run([WINE, self.probe_exe, *args], stdout=out, stderr=subprocess.DEVNULL,
                                  stdin=subprocess.DEVNULL, timeout=30)
            out.seek(0)
            return done.returncode, out.read().replace("\r", "")

    def window(self, *cls_title):
        rc, out = self.probe("window", *cls_title)
        return Window(*map(int, out.split())) if rc == 0 else None

    def store_settings(self, **values):
        """Replaces the user's stored settings with these values, and removes the machine's."""
        path = os.path.join(self.workdir, "settings.reg")
        with open(path, "w") as f:
            f.write(f"REGEDIT4\n\n[-HKEY_LOCAL_MACHINE\\{KEY}]\n[-HKEY_CURRENT_USER\\{KEY}]\n"
                    f"[HKEY_CURRENT_USER\\{KEY}]\n" +
                    "".join(f'"{n}"="{v}"\n' for n, v in values.items()))
        subprocess.run([WINE, "regedit", "/S", path], check=True, timeout=30, **QUIET)

    def tray_shown(self):
        return bool((w := self.window("Shell_TrayWnd")) and w.visible)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, timeout=10)

    def move(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y))

    def with_keys(self, keys, *action):
        self.xdotool(*[a for k in keys for a in ("keydown", k)], *action,
                     *[a for k in reversed(keys) for a in ("keyup", k)])
        # On a busy machine Wine may see the keys go up well after the clicks that follow:
        # a click then would count as made with the keys held.
        wait_until(lambda: self.probe("modifiers")[0] == 0, what="the modifier keys up")

    def capture_band(self, x0, y0, x1, y1, while_held=lambda: None):
        """Ctrl+Shift+click, then a drag from (x0, y0) to (x1, y1) in four steps."""
        self.with_keys(["ctrl", "shift"], "click", "1")
        self.move(x0, y0)
        self.xdotool("mousedown", "1")
        for step in range(1, 5):
            self.move(x0 + (x1 - x0) * step // 4, y0 + (y1 - y0) * step // 4)
        while_held()
        self.xdotool("mouseup", "1")

    def tray_click(self, *click):
        tray = self.window("Shell_TrayWnd")
        self.move(tray.x + tray.w - 12, tray.y + tray.h // 2)  # the first icon, at the right end
        self.xdotool("click", *click)

    def screen(self, x0, y0, w, h):
        """The screen's pixels in a rectangle, as a lookup (x, y) -> (r, g, b)."""
        path = os.path.join(self.workdir, "shot.png")
        subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
        raw = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x0}+{y0}", "-depth", "8", "rgb:-"],
                             capture_output=True, check=True).stdout
        return lambda x, y: tuple(raw[((y - y0) * w + x - x0) * 3:][:3])

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
