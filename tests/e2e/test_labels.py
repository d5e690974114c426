"""Labels drawn whole, as a new user sees them: each label's ink reaches as far right as its last
character does in SimSun's widths (12 pixels a Chinese or box character, 6 an ASCII one), on its
first line. A wider stand-in font for 宋体, or a break between Chinese characters, leaves only the
first characters in the label's box. The ink is what changes when the label is hidden."""
import unittest

from harness import MAIN_TITLE, ProgramTest, inspect, running, wait_window

AUDIO_TITLE = "澜星音频助手"

# (window, label text, where its last character starts)
LABELS = [
    (AUDIO_TITLE, "音量：", 24),
    (AUDIO_TITLE, "声卡输出：", 48),
    (MAIN_TITLE, "┌-(关于软件)--------┐", 126),
]


def label_control(window, text):
    found = [c for c in window.children(nested=True) if c["visible"] and c["text"] == text]
    assert len(found) == 1, f"{len(found)} visible controls show {text!r}"
    return found[0]


def ink_columns(window, control):
    """The label's columns (from its left edge) holding a pixel that hiding the label changes."""
    left, top, right, bottom = control["rect"]
    width, height = right - left, bottom - top
    r = window.rect()
    x, y = left - r[4], top - r[5]
    shown = window.client_rgb(x, y, width, height)
    inspect("show", window.title, control["id"], 0)
    try:
        hidden = window.client_rgb(x, y, width, height)
    finally:
        inspect("show", window.title, control["id"], 1)
    columns = set()
    for i in range(0, len(shown), 3):
        if shown[i:i + 3] != hidden[i:i + 3]:
            columns.add((i // 3) % width)
    return columns


class Labels(ProgramTest):
    def test_every_label_shows_its_whole_text(self):
        with running():
            main = wait_window(MAIN_TITLE)
            main.click(67, 25)  # 音频助手1
            wait_window(AUDIO_TITLE)
            for title, text, last_starts in LABELS:
                with self.subTest(text=text):
                    window = wait_window(title)
                    columns = ink_columns(window, label_control(window, text))
                    window.screenshot(self.artifact(f"label-{last_starts}"))
                    self.assertTrue(columns, "the label draws nothing")
                    self.assertGreater(max(columns), last_starts, f"ink ends at column {max(columns)}")


if __name__ == "__main__":
    unittest.main()
