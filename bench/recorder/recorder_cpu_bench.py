"""Prints the user-interface thread's CPU time under Wine as a share of one core: the recorder
window open and idle, then recording with the chart refreshing. Run from tests/e2e's environment
(LANXING_EXE, LANXING_WINE_DIR as CTest sets them), e.g.
  cd tests/e2e && LANXING_EXE=... LANXING_WINE_DIR=... python3 ../../bench/recorder/recorder_cpu_bench.py"""
import os
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
from harness import running  # noqa: E402
from test_recorder import Recorder, constant_signal  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def main_thread_seconds(pid):
    """CPU seconds (user + system) of the process's first thread, the one running the windows."""
    fields = Path(f"/proc/{pid}/task/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def share_of_a_core(pid, seconds):
    cpu, start = main_thread_seconds(pid), time.monotonic()
    time.sleep(seconds)  # a measuring window, not a wait for anything
    return (main_thread_seconds(pid) - cpu) / (time.monotonic() - start)


def main():
    folder = Path(tempfile.mkdtemp(prefix="lanxing-cpu-bench-"))
    with running(folder, constant_signal(folder, seconds=600)) as program:
        recorder = Recorder()
        pid = program.process.pid
        idle = share_of_a_core(pid, 10)
        recorder.click("录音")
        recording = share_of_a_core(pid, 10)
        recorder.click("停止")
    print(f"UI thread, recorder window idle:             {idle * 100:5.1f}% of a core")
    print(f"UI thread, recording with the chart redrawn: {recording * 100:5.1f}% of a core")


if __name__ == "__main__":
    main()
