"""F1..F3 play the custom effects' mp3 files from anywhere, F4 silences everything; an unset
effect's key shows its hint."""
import array
import os
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from harness import MAIN_TITLE, ProgramTest, inspect, poll, running, wait_gone, wait_window, xdotool, display

HINT_TITLE = "提示"


def press_in_wine(title, key):
    """Focuses a Wine window and presses `key`: hotkeys reach the program only while a Wine window has
    the focus here."""
    found = subprocess.run(["xdotool", "search", "--name", f"^{title}$"], capture_output=True, text=True,
                           env={**os.environ, "DISPLAY": display()}).stdout.split()
    assert found, f"no X window named {title}"
    xdotool("windowfocus", "--sync", found[0])
    xdotool("key", key)


def make_jingle(folder, name, seconds):
    """An mp3 of a two-tone chord, and the 16-bit samples a correct decoder gives for it."""
    wav, mp3, pcm = folder / "jingle.wav", folder / name, folder / "jingle.pcm"
    subprocess.run(["sox", "-q", "-n", "-r", "44100", "-c", "2", "-b", "16", str(wav), "synth", str(seconds),
                    "sine", "440", "sine", "660", "vol", "0.5"], check=True)
    subprocess.run(["lame", "--quiet", "-b", "128", str(wav), str(mp3)], check=True)
    with open(pcm, "wb") as out:
        subprocess.run(["mpg123", "-q", "-s", str(mp3)], stdout=out, check=True)
    return mp3, array.array("h", pcm.read_bytes())


def wine_path(path):
    return "Z:" + str(path).replace("/", "\\")


def write_settings(program, paths):
    text = "".join(f"[自定义音效{n}]\r\n路径={wine_path(p)}\r\n" for n, p in paths.items())
    program.settings_file.write_bytes(text.encode("gbk"))


def samples_of(stream):
    return array.array("h", stream[:len(stream) & ~1])


def without_gaps(samples, longest=32):
    """The samples with every run of more than `longest` zeros taken out: silence around the sound,
    and the short gaps Wine fills in when it falls behind its pace."""
    out, zeros = array.array("h"), 0
    for s in samples:
        zeros = zeros + 1 if s == 0 else 0
        out.append(s)
        if zeros > longest:
            out.pop()
    # Runs shorter than the limit at either end are silence too.
    while out and out[-1] == 0:
        out.pop()
    first = next((i for i, s in enumerate(out) if s), len(out))
    return out[first:]


def stable_size(program, quiet=0.5):
    """Waits until the first output stream has stopped growing for `quiet` seconds; its size."""
    seen = {"size": -1, "since": 0.0}

    def settled():
        size, now = len(program.played_streams()[0]), time.monotonic()
        if size != seen["size"]:
            seen.update(size=size, since=now)
        return now - seen["since"] >= quiet

    poll(settled, timeout=30, what="the output to stop")
    return seen["size"]


class Hotkeys(ProgramTest):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix="lanxing-hotkeys-"))
        self.addCleanup(shutil.rmtree, self.folder, True)

    def test_f2_plays_its_file_exactly_and_the_path_may_be_chinese(self):
        mp3, expected = make_jingle(self.folder, "开场 音乐.mp3", 2)
        want = without_gaps(expected)
        with running(self.folder) as program:
            write_settings(program, {2: mp3})
            wait_window(MAIN_TITLE)
            press_in_wine(MAIN_TITLE, "F2")
            poll(lambda: program.played_streams() and len(without_gaps(samples_of(program.played_streams()[0])))
                 >= len(want), timeout=30, what="the whole jingle on the sound card")
            got = without_gaps(samples_of(program.played_streams()[0]))
            self.assertEqual(len(got), len(want), "the file's exact length")
            self.assertLessEqual(max(abs(a - b) for a, b in zip(got, want)), 2, "the decoded samples, within rounding")

    def test_f1_unset_shows_its_hint_and_plays_nothing(self):
        with running(self.folder) as program:
            wait_window(MAIN_TITLE)
            press_in_wine(MAIN_TITLE, "F1")
            box = wait_window(HINT_TITLE)
            texts = [c["text"] for c in box.children()]
            self.assertIn("请在澜星音频助手中右键自定义音效1选择音频路径", texts)
            inspect("press", HINT_TITLE, 1)
            wait_gone(HINT_TITLE)
            self.assertEqual(program.played_streams(), [])

    def test_f4_silences_a_playing_custom_effect(self):
        mp3, expected = make_jingle(self.folder, "long.mp3", 20)
        with running(self.folder) as program:
            write_settings(program, {3: mp3})
            wait_window(MAIN_TITLE)
            press_in_wine(MAIN_TITLE, "F3")
            poll(lambda: program.played_streams() and len(program.played_streams()[0]) > 44100 * 4,
                 timeout=30, what="the file playing")
            press_in_wine(MAIN_TITLE, "F4")
            stable_size(program)
            played = without_gaps(samples_of(program.played_streams()[0]))
            self.assertLess(len(played), len(without_gaps(expected)) // 2, "cut off long before its end")


if __name__ == "__main__":
    unittest.main()
