"""Drives the real program under Wine as a person would: windows found by title, clicks and keys
through xdotool, screenshots, the settings file, and every byte the program played."""
import contextlib
import os
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from polling import poll  # noqa: F401 (the tests take it from here)

EXE = Path(os.environ["LANXING_EXE"])
WINE_DIR = Path(os.environ["LANXING_WINE_DIR"])
ARTIFACTS = Path(os.environ.get("LANXING_ARTIFACTS", tempfile.gettempdir()))
MAIN_TITLE = "澜星助手工具箱v1.6"


def display():
    return (WINE_DIR / "display").read_text().strip()


def wine(*args, env=None, timeout=60, check=True):
    """Runs a Windows program in the tests' Wine session and returns its stdout as text. The output
    goes through a file, not a pipe: a Wine service started on the way may inherit it and live on."""
    with tempfile.TemporaryFile() as captured:
        code = subprocess.run([str(WINE_DIR / "wine-run.sh"), *map(str, args)], env=env, stdout=captured,
                              stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=timeout).returncode
        captured.seek(0)
        out = captured.read().decode("utf-8", "replace")
    if check and code != 0:
        raise AssertionError(f"{args} failed ({code}): {out}")
    return out


def inspect(*args, check=True, timeout=60):
    return wine(WINE_DIR / "winprobe.exe", *args, check=check, timeout=timeout)


class Window:
    def __init__(self, title):
        self.title = title

    def rect(self):
        """(x, y, width, height, client_x, client_y, client_width, client_height) on screen."""
        return tuple(int(v) for v in inspect("rect", self.title).split())

    def children(self, nested=False):
        """The window's controls (with `nested`, also those inside other controls)."""
        rows = []
        for line in inspect("descendants" if nested else "children", self.title).splitlines():
            ident, cls, visible, rect, *text = line.split(" ", 4)
            rows.append({"id": int(ident), "class": cls, "visible": visible == "1",
                         "rect": tuple(int(v) for v in rect.split(",")), "text": text[0] if text else ""})
        return rows

    def text(self, control_id):
        """A control's whole text, line breaks and all."""
        return inspect("text", self.title, control_id)[:-1]

    def exstyle(self):
        return int(inspect("exstyle", self.title).strip(), 16)

    def checked(self, control_id):
        return inspect("checked", self.title, control_id).strip() == "1"

    def client_rgb(self, x, y, width, height):
        r = self.rect()
        return screen_rgb(r[4] + x, r[5] + y, width, height)

    def click(self, x, y, button=1):
        """Clicks at client coordinates (x, y)."""
        r = self.rect()
        xdotool("mousemove", "--sync", r[4] + x, r[5] + y)
        xdotool("click", button)

    def click_control(self, text, button=1):
        """Clicks the middle of the visible control showing `text`."""
        found = [c for c in self.children(nested=True) if c["visible"] and c["text"] == text]
        assert len(found) == 1, f"{len(found)} visible controls show {text!r}"
        left, top, right, bottom = found[0]["rect"]
        xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
        xdotool("click", button)

    def hover(self, x, y):
        r = self.rect()
        xdotool("mousemove", "--sync", r[4] + x, r[5] + y)

    def close(self):
        inspect("close", self.title)

    def screenshot(self, name):
        r = self.rect()
        path = ARTIFACTS / f"{name}.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-display", display(), "-window", "root", "-crop",
                        f"{r[2]}x{r[3]}+{r[0]}+{r[1]}", "+repage", str(path)], check=True, timeout=30)
        return path


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], env={**os.environ, "DISPLAY": display()}, check=True, timeout=30)


def wait_window(title, timeout=20.0):
    inspect("wait", title, int(timeout * 1000), timeout=timeout + 30)
    return Window(title)


def wait_gone(title, timeout=20.0):
    inspect("gone", title, int(timeout * 1000), timeout=timeout + 30)


def registry_value(key, name):
    """A registry value of the tests' Wine prefix as `reg query` prints it, or None when missing."""
    with tempfile.TemporaryFile() as captured:
        code = subprocess.run([str(WINE_DIR / "wine-run.sh"), "reg", "query", key, "/v", name], stdout=captured,
                              stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=60).returncode
        captured.seek(0)
        text = captured.read().decode("gbk", "replace").replace("\r", "")
    if code != 0:
        return None
    for line in text.splitlines():
        # "    NAME    TYPE    DATA": the name may hold spaces itself ("Start Page").
        row = line.strip()
        if row.startswith(name) and row[len(name):len(name) + 1].isspace():
            kind_and_data = row[len(name):].split(None, 1)
            return kind_and_data[1] if len(kind_and_data) == 2 else ""
    return None


PICTURES = Path(__file__).resolve().parents[2] / "assets" / "pictures"
TRAY_TITLE = "Wine System Tray"


def screen_rgb(x, y, width, height):
    """The screen's pixels in a rectangle, as bytes r, g, b row by row."""
    return subprocess.run(["import", "-display", display(), "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                           "+repage", "-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=30).stdout


def picture_rgb(name):
    """A committed window picture's pixels, as screen_rgb gives them."""
    return subprocess.run(["convert", str(PICTURES / name), "-depth", "8", "rgb:-"], capture_output=True,
                          check=True, timeout=30).stdout


def mean_difference(a, b):
    """Mean absolute difference per colour channel of two equally sized pixel runs."""
    assert len(a) == len(b), (len(a), len(b))
    return sum(abs(x - y) for x, y in zip(a, b)) / len(a)


def tray_icon_centre():
    """Screen position of the first icon in Wine's standalone tray window."""
    for line in inspect("children", TRAY_TITLE).splitlines():
        ident, cls, visible, rect, *rest = line.split(" ", 4)
        if cls == "__winex11_tray_icon" and visible == "1":
            left, top, right, bottom = map(int, rect.split(","))
            return (left + right) // 2, (top + bottom) // 2
    return None


def pixel(png, x, y):
    """The (r, g, b) of one pixel of a picture."""
    out = subprocess.run(["convert", str(png), "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return tuple(out[:3])


class Program:
    """One run of the program from a folder of its own, so its settings file is private."""

    def __init__(self, folder=None, wavin=None, locale=None):
        self.folder = Path(folder or tempfile.mkdtemp(prefix="lanxing-"))
        self.wavin = wavin  # the file the sound card captures from, if any
        self.locale = locale  # the Unix locale Wine takes the system's from; Chinese when None
        self.exe = self.folder / EXE.name
        if not self.exe.exists():
            shutil.copy2(EXE, self.exe)
        self.wavout = self.folder / "played.raw"
        self.browser_log = self.folder / "browser.log"
        self.process = None

    @property
    def settings_file(self):
        return self.folder / "配置.ini"

    def start(self):
        env = {**os.environ, "WINE_TEST_WAVOUT": str(self.wavout), "WINE_TEST_BROWSER_LOG": str(self.browser_log)}
        if self.wavin:
            env["WINE_TEST_WAVIN"] = str(self.wavin)
        if self.locale:
            env["LANXING_TEST_LANG"] = self.locale
        # The single-instance guard compares the on-disk name, so start the exe by exactly that name.
        self.process = subprocess.Popen([str(WINE_DIR / "wine-run.sh"), str(self.exe)], env=env, cwd=self.folder,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self

    def wait_exit(self, timeout=20.0):
        return self.process.wait(timeout=timeout)

    def played_streams(self):
        """The bytes of every output stream the program opened, in the order it opened them."""
        files = sorted(self.folder.glob("played.raw*"))
        return [f.read_bytes() for f in files]

    def pages_opened(self):
        """The addresses the program had the browser open, in order."""
        return self.browser_log.read_text().splitlines() if self.browser_log.exists() else []

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)
            # Wine takes a killed program's windows down a moment later; a new start before then
            # would find them.
            wait_gone(MAIN_TITLE)


@contextlib.contextmanager
def running(folder=None, wavin=None, locale=None):
    program = Program(folder, wavin, locale).start()
    try:
        yield program
    finally:
        program.stop()


class ProgramTest(unittest.TestCase):
    def artifact(self, name):
        return f"{type(self).__name__}.{name}"
