"""Labels drawn whole, as a new user sees them: each label's ink reaches as far right as its last
character does in SimSun's widths (12 pixels a Chinese or box character, 6 an ASCII one), on its
first line. A wider stand-in font for 宋体, or a break between Chinese characters, leaves only the
first characters in the label's box. The ink is what changes when the label is hidden. Under a
locale that is not Chinese they are not drawn as boxes: the fonts link to a Chinese
one for the characters they lack, so the first two characters of "音量：" and "声卡输出：" leave
different ink, where two rows of boxes would leave the same."""
import unittest

from harness import MAIN_TITLE, ProgramTest, inspect, running, wait_window

AUDIO_TITLE = "澜星音频助手"

# (window, label text, where its last character starts)
LABELS = [
    (AUDIO_TITLE, "音量：", 24),
    (AUDIO_TITLE, "声卡输出：", 48),
    (MAIN_TITLE, "┌-(关于软件)--------┐", 126),
    (MAIN_TITLE, "└-------------------┘", 126),  # over the always-on-top check box and picture
]


def label_control(window, text):
    found = [c for c in window.children(nested=True) if c["visible"] and c["text"] == text]
    assert len(found) == 1, f"{len(found)} visible controls show {text!r}"
    return found[0]


def ink(window, control):
    """The label's pixels (x, y) that hiding it changes, from its top left corner."""
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
    return {((i // 3) % width, (i // 3) // width) for i in range(0, len(shown), 3) if shown[i:i + 3] != hidden[i:i + 3]}


def drawn_labels(locale=None):
    """Each label's ink, the program running under `locale`."""
    drawn = {}
    with running(locale=locale):
        wait_window(MAIN_TITLE).click(67, 25)  # 音频助手1
        wait_window(AUDIO_TITLE)
        for title, text, _ in LABELS:
            window = wait_window(title)
            drawn[text] = ink(window, label_control(window, text))
        wait_window(AUDIO_TITLE).screenshot(f"Labels.audio-window-{locale or 'zh_CN'}")
    return drawn


class Labels(ProgramTest):
    def assert_whole(self, drawn):
        for _, text, last_starts in LABELS:
            with self.subTest(text=text):
                self.assertTrue(drawn[text], "the label draws nothing")
                right = max(x for x, _ in drawn[text])
                self.assertGreater(right, last_starts, f"ink ends at column {right}")

    def test_every_label_shows_its_whole_text_in_any_locale(self):
        self.assert_whole(drawn_labels())
        english = drawn_labels("C.UTF-8")  # its fonts have other widths: only the boxes are checked
        first_two = [{(x, y) for x, y in english[text] if x < 24} for text in ("音量：", "声卡输出：")]
        self.assertNotEqual(first_two[0], first_two[1], "Chinese characters drawn as boxes")


if __name__ == "__main__":
    unittest.main()
