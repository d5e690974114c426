"""The lock screen's cost: the share of one core the program, the Wine server and the X server use
over 10 seconds while the lock window stands open unlocked, then the same while it is locked and its
timer ticks every millisecond. Run by scripts/bench-lock.sh inside the tests' Wine session."""
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
from harness import MAIN_TITLE, WINE_DIR, inspect, poll, running, wait_window, xdotool  # noqa: E402

SECONDS = 10.0
LOCK_TITLE = "澜星挂机工具"
TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """User and system time a process has used so far (0 once it is gone)."""
    try:
        fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    except (FileNotFoundError, ProcessLookupError):
        return 0.0
    return (int(fields[11]) + int(fields[12])) / TICK


def processes_where(test):
    found = []
    for entry in Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                if test(entry):
                    found.append(int(entry.name))
            except (FileNotFoundError, ProcessLookupError, PermissionError):
                pass
    return found


def program_processes(folder):
    """Every process started for this run of the program: its private folder is on its command line."""
    return processes_where(lambda p: folder.name.encode() in (p / "cmdline").read_bytes())


def session_servers():
    """The Wine server of the tests' prefix and the tests' X server."""
    prefix = f"WINEPREFIX={WINE_DIR / 'prefix'}".encode()
    servers = processes_where(lambda p: (p / "comm").read_text().strip() == "wineserver"
                              and prefix in (p / "environ").read_bytes().split(b"\0"))
    xvfb = WINE_DIR / "xvfb.pid"
    return servers + ([int(xvfb.read_text())] if xvfb.exists() else [])


def measure(label, program_pids, server_pids):
    before = {pid: cpu_seconds(pid) for pid in program_pids + server_pids}
    start = time.monotonic()
    time.sleep(SECONDS)  # the measured interval itself
    elapsed = time.monotonic() - start
    used = {pid: cpu_seconds(pid) - before[pid] for pid in before}
    program = sum(used[p] for p in program_pids) / elapsed
    servers = sum(used[p] for p in server_pids) / elapsed
    print(f"{label:9s} program {100 * program:5.1f} %   wineserver + Xvfb {100 * servers:5.1f} %   "
          f"of one core over {elapsed:.1f} s")


def main():
    xdotool("mousemove", "--sync", 1000, 10)
    with running() as program:
        main_window = wait_window(MAIN_TITLE)
        main_window.click(7 + 60, 130 + 15)
        lock = wait_window(LOCK_TITLE)
        pids, servers = program_processes(program.folder), session_servers()
        measure("unlocked", pids, servers)
        edits = sorted((c for c in lock.children() if c["class"].lower() == "edit"), key=lambda c: c["rect"][1])
        for edit in edits:
            inspect("settext", LOCK_TITLE, edit["id"], "bench")
        lock.click_control("确认")
        poll(lambda: lock.rect()[:2] == (0, 0) and lock.rect()[4:6] == (0, 0), what="the lock screen")
        measure("locked", pids, servers)


if __name__ == "__main__":
    main()
