"""The main window's four openers as a user clicks them: each window stands centred with its
caption, one copy however often it is clicked; a screenshot of every window, checked for its size
and for pixels that only the right drawing gives (frames, the chart, the knob's cut-out)."""
import os
import subprocess
import unittest

from harness import MAIN_TITLE, PICTURES, ProgramTest, display, inspect, pixel, poll, running, wait_window, xdotool

# Client position of each opener (its frame's position plus the rim), and what it opens.
OPENERS = {"音频助手1": ((7, 10), "澜星音频助手", (300, 320)), "录音软件1": ((7, 50), "澜星录音软件", (344, 290)),
           "记事本1": ((7, 90), "澜星　记事本", (509, 365)), "挂机工具1": ((7, 130), "澜星挂机工具", (270, 102))}
TEAL_FRAME = (0x80, 0x80, 0x00)  # the big buttons' frames, 0x008080 as BBGGRR
GREEN, BLACK, WHITE, MAGENTA = (0, 255, 0), (0, 0, 0), (255, 255, 255), (255, 0, 255)


def screen_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], env={**os.environ, "DISPLAY": display()},
                         capture_output=True, text=True, check=True, timeout=30).stdout
    return tuple(int(v) for v in out.split())


def size_of(png):
    out = subprocess.run(["identify", "-format", "%w %h", str(png)], capture_output=True, text=True, check=True,
                         timeout=30).stdout
    return tuple(int(v) for v in out.split())


def client_pixel(window, x, y):
    return tuple(window.client_rgb(x, y, 1, 1)[:3])


def close_to(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


class Windows(ProgramTest):
    def open(self, main, opener):
        (x, y), title, _ = OPENERS[opener]
        main.click(x + 60, y + 15)
        return wait_window(title)

    def test_each_opener_shows_its_window_centred_with_its_caption(self):
        width, height = screen_size()
        with running():
            main = wait_window(MAIN_TITLE)
            for opener, (_, title, (w, h)) in OPENERS.items():
                window = self.open(main, opener)
                left, top, outer_w, outer_h = window.rect()[:4]
                self.assertEqual((outer_w, outer_h), (w, h), title)
                self.assertEqual((left, top), ((width - w) // 2, (height - h) // 2), title)
                titles = [l for l in inspect("list").splitlines() if l.endswith(" " + title)]
                self.assertEqual(len(titles), 1, f"one {title}")

    def test_a_second_click_brings_the_open_window_forward_instead_of_a_copy(self):
        with running():
            main = wait_window(MAIN_TITLE)
            self.open(main, "记事本1")
            self.open(main, "录音软件1")
            self.open(main, "记事本1")
            for title in ("澜星　记事本", "澜星录音软件"):
                self.assertEqual(len([l for l in inspect("list").splitlines() if l.endswith(" " + title)]), 1)

    def test_quitting_from_the_main_window_closes_every_window(self):
        with running() as program:
            main = wait_window(MAIN_TITLE)
            for opener in OPENERS:
                self.open(main, opener)
            main.click(105 + 15, 291 + 7)  # 退出1
            # The program ends only once no window of it is left: the owned four went with the main one.
            self.assertEqual(program.wait_exit(), 0)

    def test_screenshots_of_all_five_windows(self):
        xdotool("mousemove", "--sync", 1000, 700)  # off every window, so nothing shows a hover look
        with running():
            main = wait_window(MAIN_TITLE)
            # the 1-pixel rim of 音频助手2 that its picture button leaves showing
            poll(lambda: close_to(client_pixel(main, 6, 20), TEAL_FRAME), what="teal frame of 音频助手2")
            self.assertEqual(size_of(main.screenshot(self.artifact("main"))), (150, 340))
            for opener in OPENERS:
                # Centred windows overlap: each is shot while it is the newest, on top.
                self.check_pixels(opener, self.open(main, opener))

    def check_pixels(self, opener, window):
        _, _, size = OPENERS[opener]
        png = window.screenshot(self.artifact(opener))
        self.assertEqual(size_of(png), size, opener)
        if opener == "音频助手1":
            # 外形框1: 3-pixel green line round a black inside
            poll(lambda: close_to(client_pixel(window, 1, 25), GREEN), what="audio frame line")
            self.assertTrue(close_to(client_pixel(window, 4, 28), BLACK), "audio frame inside")
            # 音量拖动 is shaped: its magenta corners show the volume bar beneath, its middle the knob
            knob_corner, knob_middle = pixel(PICTURES / "volume-knob.bmp", 0, 0), pixel(PICTURES / "volume-knob.bmp", 15, 4)
            self.assertEqual(knob_corner, MAGENTA)
            seen_corner = client_pixel(window, 64, 275)
            self.assertFalse(close_to(seen_corner, MAGENTA, 60), seen_corner)
            self.assertTrue(close_to(seen_corner, pixel(PICTURES / "volume-bar.jpg", 24, 0), 40), seen_corner)
            self.assertTrue(close_to(client_pixel(window, 64 + 15, 275 + 4), knob_middle), "knob's own pixels")
        elif opener == "录音软件1":
            # the chart fills 外形框1 with its black background
            poll(lambda: close_to(client_pixel(window, 7 + 160, 45 + 95), BLACK), what="chart background")
        elif opener == "记事本1":
            poll(lambda: close_to(client_pixel(window, 100, 100), WHITE), what="the notepad's white page")
        elif opener == "挂机工具1":
            poll(lambda: close_to(client_pixel(window, 50, 65), WHITE), what="the lock window's white background")


if __name__ == "__main__":
    unittest.main()
