"""The notepad as a host uses it: notes put in, the window closed, the program started again, the
notes back; 置顶 from its menu; a program killed while the notes are open; a folder that cannot be
written."""
import contextlib
import os
import subprocess
import time
import unittest

from harness import MAIN_TITLE, ProgramTest, inspect, poll, running, wait_gone, wait_window, xdotool

NOTEPAD_TITLE = "澜星　记事本"
NOTEPAD_OPENER = (7 + 60, 90 + 15)  # 记事本1, client position in the main window
HINT_TITLE = "提示："
TOPMOST = 0x8
THREE_LINES = "今晚的主持人：小星\r\n第二位嘉宾：阿澜\r\n结束语：谢谢大家"
MARKER = "（#换行符）"


def stored_form(text):
    """配置.ini's bytes for the notes alone: one line, the line breaks as markers, an empty line after."""
    return ("[记事本]\r\n内容=" + text.replace("\r\n", MARKER) + "\r\n\r\n").encode("gbk")


@contextlib.contextmanager
def unwritable(folder):
    """No file can be added to the folder while inside: by its mode, or for root, who passes every
    mode, by the immutable attribute."""
    if os.geteuid() == 0:
        subprocess.run(["chattr", "+i", str(folder)], check=True)
        undo = ["chattr", "-i", str(folder)]
    else:
        folder.chmod(0o555)
        undo = ["chmod", "755", str(folder)]
    try:
        yield
    finally:
        subprocess.run(undo, check=True)


def shown_within(title, seconds):
    """Whether a window with that title shows up before the deadline."""
    out = inspect("wait", title, int(seconds * 1000), check=False, timeout=seconds + 30)
    return not out.startswith("error")


class Notepad(ProgramTest):
    def open_notepad(self):
        wait_window(MAIN_TITLE).click(*NOTEPAD_OPENER)
        return wait_window(NOTEPAD_TITLE)

    def edit_box(self, notepad):
        (edit,) = [c for c in notepad.children() if c["class"].lower() == "edit"]
        return edit

    def put_text(self, notepad, text):
        # xdotool cannot type Chinese: the text goes in as WM_SETTEXT does it.
        inspect("settext", NOTEPAD_TITLE, self.edit_box(notepad)["id"], text)

    def type_into(self, notepad, keys):
        left, top, right, bottom = self.edit_box(notepad)["rect"]
        xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2)
        xdotool("click", 1)
        xdotool("key", "ctrl+End")
        xdotool("type", "--delay", 30, keys)

    def shown_text(self, notepad):
        return notepad.text(self.edit_box(notepad)["id"])

    def test_notes_survive_closing_and_a_new_start_in_the_stored_form(self):
        with running() as program:
            notepad = self.open_notepad()
            self.assertEqual(self.shown_text(notepad), "", "no 配置.ini: an empty notepad")
            self.put_text(notepad, THREE_LINES)
            notepad.close()
            wait_gone(NOTEPAD_TITLE)
            poll(lambda: program.settings_file.exists() and program.settings_file.read_bytes() == stored_form(THREE_LINES),
                 what="the notes saved when the window went")
        for run in range(2):
            with running(program.folder):
                notepad = self.open_notepad()
                self.assertEqual(self.shown_text(notepad), THREE_LINES, f"run {run}")
                notepad.screenshot(self.artifact(f"reopened{run}"))
                notepad.close()
                wait_gone(NOTEPAD_TITLE)
        self.assertEqual(program.settings_file.read_bytes(), stored_form(THREE_LINES),
                         "two more openings and closings leave the file as one did")

    def choose_on_top(self, notepad):
        # Wine keeps a menu inside its own process, so its entries cannot be read from outside: the
        # bar's one item is clicked where it lies, just above the client area, and its entry chosen.
        r = notepad.rect()
        xdotool("mousemove", "--sync", r[4] + 15, r[5] - 8)
        xdotool("click", 1)
        xdotool("key", "Down", "Return")  # the pop-up's one entry

    def test_on_top_from_the_menu_turns_on_and_starts_off_each_time(self):
        # Wine never takes the topmost state from an owned window again (HWND_NOTOPMOST succeeds and
        # changes nothing; Windows clears it), and the check mark cannot be read from outside, so
        # turning it off again is proved by the Win32 test of the notepad window.
        with running():
            notepad = self.open_notepad()
            self.assertFalse(notepad.exstyle() & TOPMOST)
            self.choose_on_top(notepad)
            poll(lambda: notepad.exstyle() & TOPMOST, what="on top")
            notepad.close()
            wait_gone(NOTEPAD_TITLE)
            notepad = self.open_notepad()
            self.assertFalse(notepad.exstyle() & TOPMOST, "off again at the next opening")

    def test_a_killed_program_keeps_what_was_typed_a_moment_before(self):
        with running() as program:
            notepad = self.open_notepad()
            self.put_text(notepad, THREE_LINES)
            notepad.close()
            wait_gone(NOTEPAD_TITLE)
            notepad = self.open_notepad()
            typed = time.monotonic()
            self.type_into(notepad, " then more")
            changed = THREE_LINES + " then more"
            poll(lambda: program.settings_file.read_bytes() == stored_form(changed), timeout=5,
                 what="the change saved while the notepad stays open")
            self.assertGreaterEqual(time.monotonic() - typed, 1.0, "saved after the pause, not at each key")
            program.stop()  # killed: no close, no end of the program
        with running(program.folder):
            self.assertEqual(self.shown_text(self.open_notepad()), changed)

    def test_a_folder_that_cannot_be_written_is_told_once(self):
        with running() as program:
            notepad = self.open_notepad()
            with unwritable(program.folder):
                self.type_into(notepad, "lost?")
                box = wait_window(HINT_TITLE, timeout=10)
                statics = [c for c in box.children() if c["class"].lower() == "static" and c["text"]]
                text = box.text(statics[0]["id"])
                self.assertIn("配置.ini", text)
                self.assertIn(program.folder.name, text)
                self.assertIn("未能保存", text)
                box.screenshot(self.artifact("save-failed"))
                inspect("press", HINT_TITLE, 1)  # OK
                wait_gone(HINT_TITLE)
                self.type_into(notepad, " again")
                self.assertFalse(shown_within(HINT_TITLE, 3), "not told again at the next pause")
                notepad.close()
                wait_gone(NOTEPAD_TITLE)
                self.assertFalse(shown_within(HINT_TITLE, 2), "nor when the window goes")
            self.assertFalse(program.settings_file.exists())


if __name__ == "__main__":
    unittest.main()
