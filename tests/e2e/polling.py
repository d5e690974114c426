"""Waiting for a condition with a deadline, for the tests and the benchmarks that drive Wine."""
import time


def poll(condition, timeout=10.0, what="condition", interval=0.05):
    """Returns condition()'s first true value, failing when the deadline passes first."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)
