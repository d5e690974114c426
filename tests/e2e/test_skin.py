"""The control skin as a user sees it: standard controls in the system's look until the audio window
opens, then scheme 2 in every window, open already or opened later; the hover ring following the
pointer; the disabled always-on-top check boxes; the main window's picture buttons untouched."""
import unittest

from harness import (MAIN_TITLE, ProgramTest, inspect, mean_difference, picture_rgb, poll, running, screen_rgb, wait_gone, wait_window,
                     xdotool)

AUDIO, RECORDER, NOTEPAD = "澜星音频助手", "澜星录音软件", "澜星　记事本"
OPENERS = {AUDIO: (7 + 60, 10 + 15), RECORDER: (7 + 60, 50 + 15), NOTEPAD: (7 + 60, 90 + 15)}
# Scheme 2's colours as the screen gives them (r, g, b); the system names them 0x00BBGGRR.
BUTTON_BORDER = (0x37, 0x62, 0x06)          # 0x066237
EDIT_FRAME = (0xA4, 0xB9, 0x7F)             # 0x7FB9A4
NORMAL_RING_BOTTOM = (0xE2, 0xDF, 0xD6)     # 0xD6DFE2
HOVER_RING_BOTTOM = (0xE5, 0x97, 0x00)      # 0x0097E5, orange
WHITE = (0xFF, 0xFF, 0xFF)
# The openers not clicked last (the last one may still show its hover picture when its window opens
# under the pointer's way out).
PICTURE_BUTTONS = {"音频助手1": (7, 10, 130, 30), "记事本1": (7, 90, 130, 30), "挂机工具1": (7, 130, 130, 30)}
SAME_PICTURE = 6.0  # JPEG decoders differ a little


def rgb(x, y):
    return tuple(screen_rgb(x, y, 1, 1)[:3])


def close_to(a, b, tolerance=12):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


class Skin(ProgramTest):
    def open(self, main, title, at=None):
        main.click(*OPENERS[title])
        window = wait_window(title)
        if at:
            inspect("move", title, *at)
            poll(lambda: window.rect()[:2] == at, what=f"{title} moved")
        return window

    def button(self, window, text):
        return next(c for c in window.children() if c["class"].lower() == "button" and c["text"] == text)

    def button_pixel(self, button, x, y):
        left, top, right, bottom = button["rect"]
        return rgb(left + x if x >= 0 else right + x, top + y if y >= 0 else bottom + y)

    def test_system_look_until_the_audio_window_opens_then_scheme_two_everywhere(self):
        xdotool("mousemove", "--sync", 1000, 10)  # away from every control
        with running():
            main = wait_window(MAIN_TITLE)
            notepad = self.open(main, NOTEPAD, at=(400, 380))
            recorder = self.open(main, RECORDER, at=(0, 60))
            record = self.button(recorder, "停止")
            poll(lambda: self.button_pixel(record, 4, -3) != (0, 0, 0), what="the recorder's buttons drawn")
            recorder.screenshot(self.artifact("recorder-before"))
            self.assertFalse(close_to(self.button_pixel(record, 5, 1), BUTTON_BORDER, 40), "the system's own look")
            # The page's sunken edge shows in the notepad's first column; the skin's inner ring is white.
            self.assertNotEqual(tuple(notepad.client_rgb(0, 100, 1, 1)), WHITE, "the system's sunken edge")

            self.open(main, AUDIO, at=(350, 40))
            poll(lambda: close_to(self.button_pixel(record, 5, 1), BUTTON_BORDER), what="scheme 2 border")
            ring = self.button_pixel(record, 4, -3)
            self.assertTrue(close_to(ring, NORMAL_RING_BOTTOM, 16), f"the normal ring: {ring}")
            recorder.screenshot(self.artifact("recorder-after"))
            combo = next(c for c in recorder.children() if c["class"].lower() == "combobox")
            poll(lambda: rgb(combo["rect"][0] + 30, combo["rect"][1]) == EDIT_FRAME, what="the combo box's frame")
            poll(lambda: tuple(notepad.client_rgb(0, 100, 1, 1)) == WHITE, what="the notepad page's skinned frame")
            notepad.screenshot(self.artifact("notepad"))

            # A window opened after the skin came on is drawn with it from the start.
            recorder.close()
            wait_gone(RECORDER)
            recorder = self.open(main, RECORDER, at=(0, 60))
            record = self.button(recorder, "停止")
            poll(lambda: close_to(self.button_pixel(record, 5, 1), BUTTON_BORDER), what="scheme 2 when reopened")

            xdotool("mousemove", "--sync", 1000, 10)
            for name, region in PICTURE_BUTTONS.items():
                poll(lambda: mean_difference(main.client_rgb(*region), picture_rgb(f"{name}.normal.jpg")) < SAME_PICTURE,
                     what=f"{name} keeps its picture")

    def test_the_hover_ring_follows_the_pointer_without_a_click(self):
        xdotool("mousemove", "--sync", 1000, 10)
        with running():
            main = wait_window(MAIN_TITLE)
            self.open(main, AUDIO, at=(600, 400))
            recorder = self.open(main, RECORDER, at=(0, 60))
            record = self.button(recorder, "停止")
            poll(lambda: close_to(self.button_pixel(record, 4, -3), NORMAL_RING_BOTTOM, 16), what="the normal ring")
            left, top, right, bottom = record["rect"]
            xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
            poll(lambda: close_to(self.button_pixel(record, 4, -3), HOVER_RING_BOTTOM, 24), what="the orange ring")
            recorder.screenshot(self.artifact("hover"))
            xdotool("mousemove", "--sync", 1000, 10)
            poll(lambda: close_to(self.button_pixel(record, 4, -3), NORMAL_RING_BOTTOM, 16), what="the ring put out")


if __name__ == "__main__":
    unittest.main()
