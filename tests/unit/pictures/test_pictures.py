"""The committed pictures pass the checker, and the checker refuses damaged copies of them."""
import struct
import sys
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[3]
sys.path.insert(0, str(ROOT / "scripts" / "pictures"))
import check  # noqa: E402

PICTURES = ROOT / "assets" / "pictures"


def read(name):
    return bytearray((PICTURES / name).read_bytes())


class CommittedPictures(unittest.TestCase):
    def test_all_pass(self):
        self.assertEqual(check.folder_problems(PICTURES), [])


class DamagedJpeg(unittest.TestCase):
    def setUp(self):
        self.data = read("音频助手1.normal.jpg")

    def problems(self):
        return check.jpeg_problems(bytes(self.data), 130, 30, 2810)

    def test_original_passes(self):
        self.assertEqual(self.problems(), [])

    def test_progressive_refused(self):
        at = self.data.index(b"\xff\xc0")
        self.data[at + 1] = 0xC2
        self.assertIn("not baseline", " ".join(self.problems()))

    def test_other_pixel_size_refused(self):
        at = self.data.index(b"\xff\xc0")
        self.data[at + 8] += 1  # width, low byte
        self.assertIn("131 × 30", " ".join(self.problems()))

    def test_other_byte_size_refused(self):
        self.data[-2:-2] = b"\0"
        self.assertIn("2811 bytes", " ".join(self.problems()))

    def test_hover_no_lighter_than_normal_refused(self):
        normal = bytes(self.data)
        self.assertEqual(check.hover_problems(normal, bytes(read("音频助手1.hover.jpg"))), [])
        self.assertNotEqual(check.hover_problems(normal, normal), [])


class DamagedIcons(unittest.TestCase):
    def test_truncated_icon_refused(self):
        data = bytes(read("main-icon.ico")[:-1])
        problems = check.icon_problems(data, 1, check.MAIN_ICON_SIZES)
        self.assertIn("image cut short", " ".join(problems))

    def test_missing_size_refused(self):
        data = bytes(read("main-icon.ico"))
        self.assertNotEqual(check.icon_problems(data, 1, check.MAIN_ICON_SIZES[:-1]), [])

    def test_mask_out_of_step_refused(self):
        data = read("recorder-icon.ico")
        data[-1] ^= 0x01  # last mask bit: the top right corner pixel
        self.assertIn("AND mask", " ".join(check.icon_problems(bytes(data), 1, (32,))))

    def test_cursor_hot_spot_outside_refused(self):
        data = read("lock-cursor.cur")
        struct.pack_into("<HH", data, 10, 40, 1)
        self.assertIn("outside the image", " ".join(check.icon_problems(bytes(data), 2, (32,))))

    def test_cursor_hot_spot_on_transparent_pixel_refused(self):
        data = read("lock-cursor.cur")
        struct.pack_into("<HH", data, 10, 31, 0)
        self.assertIn("transparent pixel", " ".join(
            check.icon_problems(bytes(data), 2, (32,), hot_spot_inside=True)))

    def test_cursor_is_not_an_icon(self):
        data = bytes(read("lock-cursor.cur"))
        self.assertNotEqual(check.icon_problems(data, 1, (32,)), [])


class DamagedKnob(unittest.TestCase):
    def setUp(self):
        self.data = read("volume-knob.bmp")

    def test_original_passes(self):
        self.assertEqual(check.knob_problems(bytes(self.data)), [])

    def test_top_down_refused(self):
        struct.pack_into("<i", self.data, 22, -8)
        self.assertIn("bottom-up", " ".join(check.knob_problems(bytes(self.data))))

    def test_corner_not_magenta_refused(self):
        self.data[54:57] = b"\0\0\0"  # bottom left pixel
        self.assertIn("corners", " ".join(check.knob_problems(bytes(self.data))))

    def test_pink_fringe_refused(self):
        self.data[54 + 92 * 4 + 3 * 15:54 + 92 * 4 + 3 * 15 + 3] = bytes((230, 20, 240))
        self.assertIn("close to magenta", " ".join(check.knob_problems(bytes(self.data))))


if __name__ == "__main__":
    unittest.main()
