"""The recorder as a host uses it: the format picked from the lists, 录音, 暂停, 继续, 停止 and 保存
through the real save dialog to a Chinese path, the elapsed seconds in the caption, the live chart,
a save that fails and one that then succeeds, closing with an unsaved recording, and the default
format. The sound card captures a constant signal, the one thing Wine's capture passes exactly."""
import re
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from harness import MAIN_TITLE, ProgramTest, Window, inspect, poll, running, wait_gone, wait_window, xdotool
from test_hotkeys import wine_path

RECORDER_TITLE = "澜星录音软件"
CAPTION = re.compile(r"^已经录制时间\(秒\):(-?[0-9.e+-]+)$")
SAVE_TITLE = "另存为"
FILE_NAME_BOX, OK_BUTTON = 1148, 1
MESSAGE_TITLE = "提示："
YES, NO, CANCEL = 6, 7, 2
SIGNAL = 0x1234
CHART_FRAME = (7, 45, 325, 190)  # 外形框1, client position and size


def constant_signal(folder, seconds=120):
    """A capture source holding SIGNAL in every 16-bit sample."""
    path = folder / "microphone.raw"
    path.write_bytes(struct.pack("<h", SIGNAL) * (44100 * 2 * seconds))
    return path


def written_whole(path):
    """Whether the file holds its header and all the data the header announces (a save in progress
    has written only part of it)."""
    if not path.exists() or path.stat().st_size < 44:
        return False
    data = path.read_bytes()
    return len(data) == 44 + struct.unpack_from("<I", data, 40)[0]


def wav_of(path):
    """(channels, rate, bits, data) of a saved file, checking the 44-byte header's layout."""
    data = path.read_bytes()
    riff, riff_size, wave, fmt, fmt_size, tag, channels, rate, byte_rate, align, bits, tag_data, size = \
        struct.unpack("<4sI4s4sIHHIIHH4sI", data[:44])
    assert (riff, wave, fmt, tag_data, fmt_size, tag) == (b"RIFF", b"WAVE", b"fmt ", b"data", 16, 1), data[:44]
    assert riff_size == size + 36 and len(data) == 44 + size, (riff_size, size, len(data))
    assert byte_rate == rate * align and align == channels * bits // 8, (byte_rate, align)
    return channels, rate, bits, data[44:]


class Recorder:
    """The recorder window, held by its handle: its caption changes while it records."""

    def __init__(self):
        wait_window(MAIN_TITLE).click(67, 65)  # 录音软件1
        handle = inspect("wait", RECORDER_TITLE, 20000).split()[0]
        self.window = Window(handle)
        self.controls = {c["text"]: c for c in self.window.children(nested=True) if c["visible"]}

    def caption(self):
        for line in inspect("list").splitlines():
            if line.startswith(self.window.title + " "):
                return line.split(" ", 4)[4] if line.count(" ") >= 4 else ""
        return None

    def seconds(self):
        match = CAPTION.match(self.caption() or "")
        return float(match.group(1)) if match else None

    def click(self, text):
        left, top, right, bottom = self.controls[text]["rect"]
        xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
        xdotool("click", 1)

    def choose(self, current, item, items):
        """Drops the list showing `current` and clicks `item`, the way a person picks it."""
        self.click(current)
        dropped = poll(lambda: dropped_list(), what="the dropped list")
        left, top, right, bottom = dropped
        row = (bottom - top - 2) / len(items)
        xdotool("mousemove", "--sync", (left + right) // 2, int(top + 1 + row * (items.index(item) + 0.5)))
        xdotool("click", 1)
        poll(lambda: dropped_list() is None, what="the list closed")
        poll(lambda: item in [c["text"] for c in self.window.children(nested=True)], what=f"{item} chosen")

    def chart(self):
        x, y, w, h = CHART_FRAME
        return self.window.client_rgb(x + 2, y + 2, w - 4, h - 4)

    def save_as(self, path):
        self.click("保存")
        wait_window(SAVE_TITLE)
        inspect("settext", SAVE_TITLE, FILE_NAME_BOX, wine_path(path))
        inspect("press", SAVE_TITLE, OK_BUTTON)
        wait_gone(SAVE_TITLE)

    def record_a_while(self, beyond=0.0):
        """录音, then waits until the caption counts past `beyond` seconds."""
        self.click("录音")
        return poll(lambda: (self.seconds() or 0) > beyond, timeout=30, what="the caption counting")


def dropped_list():
    for line in inspect("list").splitlines():
        handle, cls, visible, rect, *_ = line.split(" ", 4) + [""]
        if cls == "ComboLBox" and visible == "1":
            return tuple(int(v) for v in rect.split(","))
    return None


def steady_seconds(recorder, span=0.5, tries=5):
    """The caption's seconds once they have stood still for `span` seconds."""
    for _ in range(tries):
        first, start = recorder.seconds(), time.monotonic()
        poll(lambda: recorder.seconds() != first or time.monotonic() - start > span, what="a steady caption")
        if recorder.seconds() == first:
            return first
    raise AssertionError("the caption never stood still")


def message_text():
    """Everything the message box shows (its text runs over several lines)."""
    wait_window(MESSAGE_TITLE)
    return inspect("children", MESSAGE_TITLE)


class RecorderWindow(ProgramTest):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix="lanxing-recorder-"))
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.saves = self.folder / "晚间 节目"
        self.saves.mkdir()
        self.microphone = constant_signal(self.folder)

    def test_a_stereo_show_is_recorded_paused_resumed_and_saved_under_a_chinese_name(self):
        with running(self.folder, self.microphone):
            recorder = Recorder()
            recorder.choose("单声道", "立体声双声道", ["单声道", "立体声双声道"])
            recorder.choose("8000HZ", "44100HZ", ["8000HZ", "11025HZ", "22050HZ", "44100HZ"])
            recorder.choose("16字节", "16字节", ["8字节", "16字节"])
            still = recorder.chart()
            recorder.record_a_while()
            poll(lambda: recorder.chart() != still, timeout=20, what="the chart drawing the signal")
            recorder.window.screenshot(self.artifact("recording"))
            recorder.click("暂停")
            paused = steady_seconds(recorder)
            recorder.click("继续")
            poll(lambda: (recorder.seconds() or 0) > paused, timeout=30, what="the caption counting on")
            recorder.click("停止")
            stopped = steady_seconds(recorder)
            self.assertGreater(stopped, 0)

            recorder.save_as(self.saves / "晚会录音")  # no extension typed
            saved = self.saves / "晚会录音.wav"
            poll(lambda: written_whole(saved) and saved.stat().st_size > 44, what="the saved file")
            channels, rate, bits, data = wav_of(saved)
            self.assertEqual((channels, rate, bits), (2, 44100, 16))
            self.assertEqual(len(data) % 4, 0, "whole frames")
            self.assertGreater(len(data), 4 * 4096)
            self.assertEqual(set(struct.unpack(f"<{len(data) // 2}h", data)), {SIGNAL})
            self.assertEqual(recorder.seconds(), stopped, "the caption keeps its last value once saved")

    def test_a_failed_save_says_why_and_the_recording_can_be_saved_elsewhere(self):
        locked = self.saves / "只读"
        locked.mkdir()
        subprocess.run(["chattr", "+i", str(locked)], check=True)
        self.addCleanup(subprocess.run, ["chattr", "-i", str(locked)], check=True)
        with running(self.folder, self.microphone):
            recorder = Recorder()
            recorder.record_a_while()
            recorder.click("停止")
            recorder.save_as(locked / "节目.wav")
            text = message_text()
            self.assertIn("录音文件没有保存成功。", text)
            self.assertIn("文件夹可能是只读的", text)
            wait_window(MESSAGE_TITLE).screenshot(self.artifact("save-failed"))
            inspect("press", MESSAGE_TITLE, 1)
            wait_gone(MESSAGE_TITLE)
            self.assertFalse((locked / "节目.wav").exists())
            recorder.save_as(self.saves / "节目.wav")
            poll(lambda: written_whole(self.saves / "节目.wav"), what="the second save")
            channels, rate, bits, data = wav_of(self.saves / "节目.wav")
            self.assertEqual((channels, rate, bits), (1, 8000, 16), "the default format")
            self.assertGreater(len(data), 0)
            self.assertEqual(set(struct.unpack(f"<{len(data) // 2}h", data)), {SIGNAL})

    def test_closing_with_an_unsaved_recording_asks_first(self):
        with running(self.folder, self.microphone):
            recorder = Recorder()
            recorder.record_a_while()
            recorder.click("停止")
            recorder.window.close()
            self.assertIn("要先保存吗？", message_text())
            inspect("press", MESSAGE_TITLE, CANCEL)
            wait_gone(MESSAGE_TITLE)
            self.assertIsNotNone(recorder.caption(), "取消 keeps the window open")
            recorder.window.close()
            wait_window(MESSAGE_TITLE)
            inspect("press", MESSAGE_TITLE, YES)
            wait_window(SAVE_TITLE)
            inspect("settext", SAVE_TITLE, FILE_NAME_BOX, wine_path(self.saves / "关窗前.wav"))
            inspect("press", SAVE_TITLE, OK_BUTTON)
            poll(lambda: recorder.caption() is None, what="the window closed after the save")
            poll(lambda: written_whole(self.saves / "关窗前.wav"), what="the save before closing")
            self.assertEqual(wav_of(self.saves / "关窗前.wav")[:3], (1, 8000, 16))

            recorder = Recorder()
            recorder.record_a_while()
            recorder.window.close()
            wait_window(MESSAGE_TITLE)
            inspect("press", MESSAGE_TITLE, NO)
            poll(lambda: recorder.caption() is None, what="否 closes without saving")
            recorder = Recorder()
            recorder.window.close()
            poll(lambda: recorder.caption() is None, what="nothing recorded: no question")


if __name__ == "__main__":
    unittest.main()
