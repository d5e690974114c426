"""The sound-card strip of the audio window as a host uses it: the prompt until something is
confirmed, 检测 naming the device the program plays through (Wine's is "Out: default"), 确认 telling
the user and keeping the box's text in 配置.ini for the next opening."""
import tempfile
import unittest
from pathlib import Path

from harness import ProgramTest, inspect, poll, running, wait_gone, wait_window, xdotool
from test_soundboard import AUDIO_TITLE, open_audio_window

PROMPT = "检测并确认，进入不卡麦模式"
WINE_DEVICE = "Out: default"
OK_BUTTON, MESSAGE_TEXT = 1, 65535


def sound_card_box(audio):
    """声卡输出框1: the window's one edit box 130 pixels wide."""
    boxes = [c for c in audio.children(nested=True)
             if c["class"].lower() == "edit" and c["rect"][2] - c["rect"][0] == 130]
    assert len(boxes) == 1, boxes
    return boxes[0]


def box_text(audio):
    return sound_card_box(audio)["text"]


def close_message(title):
    """The text of the message box `title`, which it then closes with OK."""
    wait_window(title)
    text = inspect("text", title, MESSAGE_TEXT).removesuffix("\n")
    inspect("press", title, OK_BUTTON)
    wait_gone(title)
    return text


def confirmation(device):
    """The message 确认 shows for a box holding `device`."""
    return (f"    您已选择：{device}  作为默认声卡，自动进入不卡麦模式\r\n\r\n"
            f"若{device}  不是您正在使用的声卡，请进入声音和音频设备中设置")


def stored(program):
    return program.settings_file.read_bytes().decode("gbk") if program.settings_file.exists() else None


def reopen(audio):
    audio.click_control("退出")
    wait_gone(AUDIO_TITLE)
    return open_audio_window()


class SoundCardCheck(ProgramTest):
    def test_first_run_shows_the_prompt_and_confirming_it_is_refused_and_stored(self):
        with running() as program:
            audio = open_audio_window()
            self.assertEqual(box_text(audio), PROMPT)
            audio.click_control("确认")
            self.assertEqual(close_message("提示："), "您还未检测声卡输出设备")
            poll(lambda: stored(program), what="配置.ini written")
            self.assertEqual(stored(program), f"[声卡输出]\r\n默认声卡输出={PROMPT}\r\n")
            audio = reopen(audio)
            self.assertEqual(box_text(audio), PROMPT, "a confirmed prompt is shown as stored")


    def test_detected_device_is_confirmed_by_name_and_shown_again(self):
        with running() as program:
            audio = open_audio_window()
            audio.click_control("检测")
            poll(lambda: box_text(audio) == WINE_DEVICE, what="the device's name in the box")
            audio.click_control("确认")
            self.assertEqual(close_message("声卡信息："), confirmation(WINE_DEVICE))
            poll(lambda: stored(program), what="配置.ini written")
            self.assertEqual(stored(program), f"[声卡输出]\r\n默认声卡输出={WINE_DEVICE}\r\n")
            audio = reopen(audio)
            self.assertEqual(box_text(audio), WINE_DEVICE)
            audio.screenshot(self.artifact("confirmed_device"))

    def test_a_stored_chinese_name_is_shown_kept_from_typing_and_confirmed_in_gbk(self):
        name = "外置声卡 USB"
        stored_bytes = f"[声卡输出]\r\n默认声卡输出={name}\r\n".encode("gbk")
        folder = Path(tempfile.mkdtemp(prefix="lanxing-"))
        (folder / "配置.ini").write_bytes(stored_bytes)
        with running(folder) as program:
            audio = open_audio_window()
            self.assertEqual(box_text(audio), name)
            left, top, right, bottom = sound_card_box(audio)["rect"]
            xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
            xdotool("click", 1)
            xdotool("type", "--delay", 30, "typed")  # the box is read-only
            program.settings_file.unlink()  # so the confirmation's write shows
            audio.click_control("确认")
            self.assertEqual(close_message("声卡信息："), confirmation(name))
            poll(lambda: stored(program), what="配置.ini written again")
            self.assertEqual(program.settings_file.read_bytes(), stored_bytes)
            self.assertEqual(box_text(reopen(audio)), name)


if __name__ == "__main__":
    unittest.main()
