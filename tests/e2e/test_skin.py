"""The control skin as a user sees it: standard controls in the system's look until the audio window
opens, then scheme 2 in every window, open already or opened later; the hover ring following the
pointer; the disabled always-on-top check boxes; the main window's picture buttons untouched."""
import unittest

from harness import (MAIN_TITLE, ProgramTest, Window, inspect, mean_difference, picture_rgb, poll, running, screen_rgb,
                     wait_gone, wait_window, xdotool)

AUDIO, RECORDER, NOTEPAD = "澜星音频助手", "澜星录音软件", "澜星　记事本"
OPENERS = {AUDIO: (7 + 60, 10 + 15), RECORDER: (7 + 60, 50 + 15), NOTEPAD: (7 + 60, 90 + 15)}
# Scheme 2's colours as the screen gives them (r, g, b); the system names them 0x00BBGGRR.
BUTTON_BORDER = (0x37, 0x62, 0x06)          # 0x066237
EDIT_FRAME = (0xA4, 0xB9, 0x7F)             # 0x7FB9A4
NORMAL_RING_BOTTOM = (0xE2, 0xDF, 0xD6)     # 0xD6DFE2
HOVER_RING_BOTTOM = (0xE5, 0x97, 0x00)      # 0x0097E5, orange
WHITE = (0xFF, 0xFF, 0xFF)
# Every picture button of the main window, by its client rectangle.
PICTURE_BUTTONS = {"音频助手1": (7, 10, 130, 30), "录音软件1": (7, 50, 130, 30), "记事本1": (7, 90, 130, 30),
                   "挂机工具1": (7, 130, 130, 30), "网址导航1": (7, 171, 130, 30), "置顶1": (25, 291, 30, 15),
                   "隐藏1": (65, 291, 30, 15), "退出1": (105, 291, 30, 15)}
SAME_PICTURE = 6.0  # JPEG decoders differ a little
# The disabled always-on-top check boxes, (window, client x, y of the control): the 13 x 13 box lies
# one row down from the control's top left. The main window's bottom line (关于软件2, down to y 292)
# lies over the top row of its box, which the test leaves out.
ON_TOP_BOXES = {"置顶选择框1": (MAIN_TITLE, 9, 291), "选择框1": (AUDIO, 184, 272)}
ROWS_UNDER_A_LABEL = {"置顶选择框1": 1, "选择框1": 0}
BOX_SIDE = 13


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

    def keeps_its_pictures(self, main):
        # The pointer rests on the window's own background: a button that held the pointer sees it
        # leave (Wine is not told of moves outside its windows).
        main.hover(2, 100)
        for name, region in PICTURE_BUTTONS.items():
            poll(lambda: mean_difference(main.client_rgb(*region), picture_rgb(f"{name}.normal.jpg")) < SAME_PICTURE,
                 what=f"{name} shows its own picture")

    def box_pixels(self, title, x, y):
        """The check box's 13 x 13 box as rows of (r, g, b)."""
        raw = Window(title).client_rgb(x, y + 1, BOX_SIDE, BOX_SIDE)
        return [[tuple(raw[3 * (row * BOX_SIDE + column):][:3]) for column in range(BOX_SIDE)]
                for row in range(BOX_SIDE)]

    def test_the_disabled_check_boxes_grey_with_a_white_box_and_the_picture_buttons_untouched(self):
        with running():
            main = wait_window(MAIN_TITLE)
            self.keeps_its_pictures(main)
            before = self.box_pixels(*ON_TOP_BOXES["置顶选择框1"])
            self.assertNotEqual(before[2][2], WHITE, "the system draws a disabled box's inside grey")

            self.open(main, AUDIO, at=(350, 40))
            self.keeps_its_pictures(main)
            for name, where in ON_TOP_BOXES.items():
                poll(lambda: self.box_pixels(*where)[2][2] == WHITE, what=f"{name} skinned")
                box = self.box_pixels(*where)
                top = ROWS_UNDER_A_LABEL[name]
                edge = set(box[-1]) | {row[0] for row in box[top:]} | {row[-1] for row in box[top:]}
                if top == 0:
                    edge |= set(box[0])
                self.assertEqual(len(edge), 1, f"{name}: one colour round the box: {edge}")
                (r, g, b), = edge
                self.assertTrue(r == g == b and 0x40 < r < 0xF0, f"{name}: a grey edge, not {edge}")
                inside = {box[row][column] for row in (1, 2, 10, 11) for column in (1, 2, 10, 11)}
                self.assertEqual(inside, {WHITE}, f"{name}: a white box")
            main.screenshot(self.artifact("main-skinned"))

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

            self.keeps_its_pictures(main)

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
