"""The lock tool as the host uses it: setting the password twice with its messages, the lock screen
over the whole display that comes back when moved or covered, Alt+F4 refused, wrong and right
passwords, the password read from 配置.ini at every try, and a folder where it cannot be saved."""
import os
import subprocess
import unittest
from pathlib import Path

from harness import (MAIN_TITLE, TRAY_TITLE, Program, ProgramTest, Window, display, inspect, mean_difference, poll, running,
                     screen_rgb, wait_gone, wait_window, xdotool)

LOCK_TITLE = "澜星挂机工具"
BOX_TITLE = "提示："
LOCK_OPENER = (7 + 60, 130 + 15)  # 挂机工具1 on the main window
STATUS_LINE = (322, 3, 454, 20)   # 透明标签3 in the lock screen's client area
TOPMOST = 0x8
IDOK = 1
MESSAGE_TEXT_ID = 65535


def screen_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], env={**os.environ, "DISPLAY": display()},
                         capture_output=True, text=True, check=True, timeout=30).stdout
    return tuple(int(v) for v in out.split())


class LockTool(ProgramTest):
    def open_lock(self):
        main = wait_window(MAIN_TITLE)
        main.click(*LOCK_OPENER)
        return wait_window(LOCK_TITLE)

    def control(self, window, kind, text=None, index=0):
        """A visible control of a class, optionally by its text, the topmost one first."""
        found = sorted((c for c in window.children() if c["class"].lower() == kind and c["visible"]
                        and (text is None or c["text"] == text)), key=lambda c: (c["rect"][1], c["rect"][0]))
        return found[index]

    def type_into(self, window, index, text):
        """Empties an entry, clicks into it and types `text` (ASCII) as a person would."""
        entry = self.control(window, "edit", index=index)
        inspect("settext", window.title, entry["id"], "")
        left, top, right, bottom = entry["rect"]
        xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
        xdotool("click", 1)
        if text:
            xdotool("type", "--delay", 30, text)
        poll(lambda: self.control(window, "edit", index=index)["text"] == text, what=f"{text!r} typed")

    def press_confirm(self, window):
        window.click_control("确认")

    def answer_message(self):
        """The message box's text, after pressing its OK button."""
        wait_window(BOX_TITLE)
        text = next(c["text"] for c in Window(BOX_TITLE).children() if c["id"] == MESSAGE_TEXT_ID)
        inspect("press", BOX_TITLE, IDOK)
        wait_gone(BOX_TITLE)
        return text

    def alt_f4(self, window):
        r = window.rect()
        xdotool("mousemove", "--sync", r[4] + 30, r[5] + 80)
        xdotool("click", 1)
        xdotool("key", "alt+F4")

    def covers_screen(self, window):
        width, height = screen_size()
        return window.rect() == (0, 0, width, height, 0, 0, width, height)

    def status_line(self):
        x, y, w, h = STATUS_LINE
        return screen_rgb(x, y, w, h)

    def lock_with(self, window, password):
        self.type_into(window, 0, password)
        self.type_into(window, 1, password)
        self.press_confirm(window)
        poll(lambda: self.covers_screen(window), what="the lock screen over the display")

    def test_setting_the_password_locking_and_unlocking(self):
        with running() as program:
            window = self.open_lock()
            self.alt_f4(window)
            self.press_confirm(window)  # handled after Alt+F4: the window is still there to answer
            self.assertEqual(self.answer_message(), "请设置密码")

            self.type_into(window, 0, "abc")
            self.type_into(window, 1, "abc ")
            self.press_confirm(window)
            self.assertEqual(self.answer_message(), "对不起，两次密码输入不一致，请重新设置！")
            self.assertEqual(self.control(window, "edit", index=1)["text"], "abc ", "entries keep what was typed")
            self.assertFalse(program.settings_file.exists(), "nothing stored")

            self.lock_with(window, "s3cret")
            self.assertIn("[挂机工具]\r\n密码=s3cret".encode("gbk"), program.settings_file.read_bytes())
            self.assertGreater(window.exstyle() & TOPMOST, 0)
            window.screenshot(self.artifact("locked"))
            self.assertEqual([c["text"] for c in window.children() if c["visible"] and c["class"].lower() == "button"],
                             ["确认"], "only 按钮3 is left")

            inspect("move", LOCK_TITLE, 100, 100)
            poll(lambda: self.covers_screen(window), timeout=2, what="back at (0, 0) after a move")
            inspect("raise", TRAY_TITLE)
            self.assertGreater(int(inspect("exstyle", TRAY_TITLE).strip(), 16) & TOPMOST, 0, "the tray was raised")
            poll(lambda: self.first_visible_window() == LOCK_TITLE, timeout=2, what="back above the raised window")

            locked_status = self.status_line()
            self.alt_f4(window)
            self.type_into(window, 0, "wrong")
            self.press_confirm(window)
            poll(lambda: mean_difference(self.status_line(), locked_status) > 1, what="the wrong-password line")
            self.assertTrue(self.covers_screen(window), "still locked")

            # The file, not memory, holds the password.
            program.settings_file.write_bytes("[挂机工具]\r\n密码=n3w\r\n".encode("gbk"))
            self.type_into(window, 0, "s3cret")
            self.press_confirm(window)
            self.type_into(window, 0, "n3w")
            self.assertTrue(self.covers_screen(window), "the old password no longer unlocks")
            self.press_confirm(window)
            wait_gone(LOCK_TITLE)
            wait_window(MAIN_TITLE)

    def first_visible_window(self):
        for line in inspect("list").splitlines():
            handle, cls, visible, rect, *text = line.split(" ", 4)
            if visible == "1":
                return text[0] if text else ""
        return None

    def test_cancel_closes_without_storing(self):
        with running() as program:
            window = self.open_lock()
            self.type_into(window, 0, "pw")
            self.type_into(window, 1, "pw")
            window.click_control("取消")
            wait_gone(LOCK_TITLE)
            self.assertFalse(program.settings_file.exists())

    def test_a_folder_where_the_password_cannot_be_saved_locks_nothing(self):
        program = Program()
        # Root writes to read-only folders anyway: a folder where the settings file's replacement
        # is written makes the write fail for every user.
        (program.folder / "配置.ini.tmp").mkdir()
        os.chmod(program.folder, 0o555)
        try:
            program.start()
            window = self.open_lock()
            self.type_into(window, 0, "pw")
            self.type_into(window, 1, "pw")
            self.press_confirm(window)
            self.assertEqual(self.answer_message(),
                             "密码未能保存到配置文件，屏幕没有锁定，请检查程序所在的文件夹是否可以写入。")
            self.assertEqual(window.rect()[2:4], (270, 102), "the window keeps its border and size")
            window.click_control("取消")
            wait_gone(LOCK_TITLE)
        finally:
            program.stop()
            os.chmod(program.folder, 0o755)


if __name__ == "__main__":
    unittest.main()
