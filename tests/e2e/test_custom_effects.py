"""The custom effects as a host binds and fires them: a right click picks the mp3 through the open
dialog, the path lands in 配置.ini (GBK) and both windows' holders, and the effect plays from its
button and its hotkey; any effect button cuts it off; a second click restarts it."""
import shutil
import tempfile
import unittest
from pathlib import Path

from harness import ProgramTest, inspect, poll, running, wait_gone, wait_window
from test_hotkeys import make_jingle, press_in_wine, samples_of, stable_size, wine_path, without_gaps
from test_soundboard import AUDIO_TITLE, growing, open_audio_window

DIALOG_TITLE = "打开"
FILE_NAME_BOX, OK_BUTTON = 1148, 1


class CustomEffects(ProgramTest):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix="lanxing-custom-"))
        self.addCleanup(shutil.rmtree, self.folder, True)

    def pick(self, audio, button, path):
        audio.click_control(button, button=3)
        wait_window(DIALOG_TITLE)
        inspect("settext", DIALOG_TITLE, FILE_NAME_BOX, wine_path(path))
        inspect("press", DIALOG_TITLE, OK_BUTTON)
        wait_gone(DIALOG_TITLE)

    def test_picked_file_is_stored_in_gbk_and_plays_from_f2(self):
        mp3, expected = make_jingle(self.folder, "开场 音乐.mp3", 2)
        want = without_gaps(expected)
        with running(self.folder) as program:
            audio = open_audio_window()
            self.pick(audio, "自定义音效2", mp3)
            poll(lambda: program.settings_file.exists(), what="配置.ini written")
            self.assertEqual(program.settings_file.read_bytes(),
                             f"[自定义音效2]\r\n路径={wine_path(mp3)}\r\n".encode("gbk"))
            press_in_wine(AUDIO_TITLE, "F2")
            poll(lambda: program.played_streams() and len(without_gaps(samples_of(program.played_streams()[0])))
                 >= len(want), timeout=30, what="the picked file on the sound card")
            got = without_gaps(samples_of(program.played_streams()[0]))
            self.assertEqual(len(got), len(want))
            self.assertLessEqual(max(abs(a - b) for a, b in zip(got, want)), 2)

    def test_a_second_click_restarts_and_an_effect_button_cuts_it_off(self):
        mp3, _ = make_jingle(self.folder, "long.mp3", 20)
        with running(self.folder) as program:
            program.settings_file.write_bytes(f"[自定义音效1]\r\n路径={wine_path(mp3)}\r\n".encode("gbk"))
            audio = open_audio_window()
            audio.click_control("自定义音效1")
            poll(lambda: program.played_streams() and growing(program, 0), timeout=30, what="the file playing")
            audio.click_control("自定义音效1")
            poll(lambda: len(program.played_streams()) == 2, timeout=30, what="the file started again")
            stable_size_of_first = stable_size(program)
            self.assertGreater(stable_size_of_first, 0)
            self.assertTrue(growing(program, 1), "the restarted file plays on")
            audio.click_control("鼓点1")
            poll(lambda: len(program.played_streams()) == 3, timeout=30, what="the drum loop")
            poll(lambda: not growing(program, 1), timeout=30, what="the custom effect cut off")

    def test_an_unset_button_shows_its_hint(self):
        with running(self.folder):
            audio = open_audio_window()
            audio.click_control("自定义音效3")
            box = wait_window("提示：")
            self.assertIn("请右击选择mp3文件路径！", [c["text"] for c in box.children()])
            inspect("press", "提示：", 1)
            wait_gone("提示：")


if __name__ == "__main__":
    unittest.main()
