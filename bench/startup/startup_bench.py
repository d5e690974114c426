"""Start-up time of the program against a bare one-window Win32 program, measured as a user starts
them: `wine program.exe` from a shell, in one Wine session with its server running, the two started
in turn. Each time runs from the launch to the moment the main window is visible; the stopwatch is
a Windows program polling for the window, on the clock the launch time is taken from (Wine's
performance counter is the system's raw monotonic clock)."""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
from polling import poll  # noqa: E402


class Session:
    """A private prefix, display and wineserver, so nothing else shares the measurement."""

    def __init__(self, wine_dir, folder):
        self.wine_dir = wine_dir
        self.folder = folder
        prefix = folder / "prefix"
        subprocess.run([str(wine_dir / "setup-prefix.sh"), str(prefix)], check=True)
        display_file = folder / "display"
        display_file.unlink(missing_ok=True)
        self.xvfb = subprocess.Popen(["sh", "-c", 'exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$0"',
                                      str(display_file)], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        display = ":" + poll(lambda: display_file.exists() and display_file.read_text().strip(), 10, "Xvfb")
        self.env = {**os.environ, "WINEPREFIX": str(prefix), "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=",
                    "LANG": "zh_CN.UTF-8", "LC_ALL": "zh_CN.UTF-8", "DISPLAY": display,
                    "ALSA_CONFIG_PATH": str(wine_dir / "asound.conf"), "WINE_TEST_PREFIX": str(prefix),
                    "WINE_TEST_DISPLAY": display}
        self.run_helper(wine_dir / "wine-noop.exe")  # starts the server and Wine's services first

    def run_helper(self, *args):
        """Runs a helper through wine-run.sh, output through a file (Wine's services may inherit it)."""
        with tempfile.TemporaryFile() as out:
            subprocess.run([str(self.wine_dir / "wine-run.sh"), *map(str, args)], env=self.env, stdout=out,
                           stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=120)
            out.seek(0)
            return out.read().decode("utf-8", "replace")

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL)
        self.xvfb.kill()
        self.xvfb.wait()


def time_start(session, watch_exe, exe, title):
    """Seconds from `wine exe` to its window `title` being visible; then closes it."""
    out_path = session.folder / "watch.out"
    out_path.unlink(missing_ok=True)
    with open(out_path, "w") as out:
        watch = subprocess.Popen([str(session.wine_dir / "wine-run.sh"), str(watch_exe), title, "30000"],
                                 env=session.env, stdout=out, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
    poll(lambda: "ready" in out_path.read_text(), 30, "the stopwatch", interval=0.001)
    launched = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
    program = subprocess.Popen(["wine", exe.name], cwd=exe.parent, env=session.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if watch.wait(timeout=60) != 0:
        raise SystemExit(f"{exe.name}: no visible window {title!r}")
    visible = float(out_path.read_text().split("visible")[1])
    session.run_helper(session.wine_dir / "winprobe.exe", "close", title)
    program.wait(timeout=30)
    return visible - launched


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--wine-dir", type=Path, required=True, help="the Windows tree's wine folder")
    parser.add_argument("--program", type=Path, required=True)
    parser.add_argument("--bare", type=Path, required=True)
    parser.add_argument("--watch", type=Path, required=True)
    parser.add_argument("--work", type=Path, required=True, help="a folder for the prefix and the programs")
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()

    args.work.mkdir(parents=True, exist_ok=True)
    programs = []
    for exe, title in ((args.program, "澜星助手工具箱v1.6"), (args.bare, "Bare window")):
        folder = args.work / exe.stem
        folder.mkdir(exist_ok=True)
        shutil.copy2(exe, folder / exe.name)  # each runs from a folder of its own, by its on-disk name
        programs.append((folder / exe.name, title))

    session = Session(args.wine_dir, args.work)
    times = {title: [] for _, title in programs}
    try:
        for run in range(args.runs):
            for exe, title in programs:
                times[title].append(time_start(session, args.watch, exe, title))
            print(f"run {run + 1}: " + "  ".join(f"{t[-1]:.3f} s" for t in times.values()), flush=True)
    finally:
        session.close()

    medians = [statistics.median(t) for t in times.values()]
    for (exe, _), median, t in zip(programs, medians, times.values()):
        print(f"{exe.name}: median {median:.3f} s (min {min(t):.3f}, max {max(t):.3f}) over {len(t)} runs")
    print(f"ratio {medians[0] / medians[1]:.2f} (of the medians)")
    # On a busy machine every run is slowed by whatever else runs; the fastest run of each is the
    # least disturbed one.
    fastest = [min(t) for t in times.values()]
    print(f"ratio {fastest[0] / fastest[1]:.2f} (of the fastest runs)")


if __name__ == "__main__":
    main()
