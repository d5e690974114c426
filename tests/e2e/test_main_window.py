"""The main window as a user meets it: its pictures, hovering, the window-level buttons, the tray
icon and menu, and the refusal of a second copy."""
import unittest

from harness import (MAIN_TITLE, ProgramTest, inspect, mean_difference, picture_rgb, poll, running, tray_icon_centre,
                     wait_gone, wait_window, xdotool)

# Client positions of the picture buttons: their frame's position plus the 1-pixel rim.
BIG_BUTTONS = {"音频助手1": (7, 10), "录音软件1": (7, 50), "记事本1": (7, 90), "挂机工具1": (7, 130),
               "网址导航1": (7, 171)}
SMALL_BUTTONS = {"置顶1": (25, 291), "隐藏1": (65, 291), "退出1": (105, 291)}
CHECK_BOX_ID = 180  # 置顶选择框1: control ids count from 100 in steps of 10, last record first
TOPMOST = 0x8
# JPEG decoders differ a little; a picture and the wrong one differ far more.
SAME_PICTURE = 6.0
# The label 关于软件2 (3, 273, 140 × 20) lies above the small buttons' top two rows.
COVERED_ROWS = 2


def size_of(name):
    return (130, 30) if name in BIG_BUTTONS else (30, 15)


def position_of(name):
    return BIG_BUTTONS.get(name) or SMALL_BUTTONS[name]


def click_button(window, name):
    x, y = position_of(name)
    window.click(x + 10, y + 7)


class MainWindow(ProgramTest):
    def shows(self, main, name, look):
        x, y = position_of(name)
        width, height = size_of(name)
        skip = COVERED_ROWS if name in SMALL_BUTTONS else 0
        seen = main.client_rgb(x, y + skip, width, height - skip)
        return mean_difference(seen, picture_rgb(f"{name}.{look}.jpg")[skip * width * 3:]) < SAME_PICTURE

    def test_every_picture_button_shows_its_normal_picture(self):
        xdotool("mousemove", "--sync", 500, 500)  # away from every button
        with running():
            main = wait_window(MAIN_TITLE)
            main.screenshot(self.artifact("main"))
            for name in {**BIG_BUTTONS, **SMALL_BUTTONS}:
                normal, hover = picture_rgb(f"{name}.normal.jpg"), picture_rgb(f"{name}.hover.jpg")
                self.assertGreater(mean_difference(normal, hover), 2 * SAME_PICTURE, f"{name}: looks must differ")
                poll(lambda: self.shows(main, name, "normal"), what=f"{name} normal picture")

    def test_hovering_shows_the_hover_picture_and_leaving_restores_the_normal_one(self):
        with running():
            main = wait_window(MAIN_TITLE)
            for name in ("音频助手1", "隐藏1"):
                x, y = position_of(name)
                main.hover(x + 10, y + 5)
                poll(lambda: self.shows(main, name, "hover"), what=f"{name} hover picture")
                main.hover(75, 195)  # between two frames
                poll(lambda: self.shows(main, name, "normal"), what=f"{name} normal picture again")

    def test_on_top_twice_returns_the_window_and_its_check_box_to_their_first_state(self):
        with running():
            main = wait_window(MAIN_TITLE)
            self.assertFalse(main.exstyle() & TOPMOST)
            self.assertFalse(main.checked(CHECK_BOX_ID))
            click_button(main, "置顶1")
            poll(lambda: main.exstyle() & TOPMOST and main.checked(CHECK_BOX_ID), what="on top and ticked")
            click_button(main, "置顶1")
            poll(lambda: not main.exstyle() & TOPMOST and not main.checked(CHECK_BOX_ID), what="back to normal")

    def test_hide_then_a_double_click_on_the_tray_icon_shows_the_window_again(self):
        with running():
            main = wait_window(MAIN_TITLE)
            rect = main.rect()
            click_button(main, "隐藏1")
            wait_gone(MAIN_TITLE)
            tx, ty = poll(tray_icon_centre, what="the tray icon")
            xdotool("mousemove", "--sync", tx, ty)
            xdotool("click", 1)
            with self.assertRaises(AssertionError, msg="a single click does not show the window"):
                wait_window(MAIN_TITLE, timeout=1.0)
            xdotool("click", "--repeat", 2, "--delay", 80, 1)
            self.assertEqual(wait_window(MAIN_TITLE).rect()[:4], rect[:4])

    def test_the_tray_menu_shows_and_quits(self):
        with running() as program:
            wait_window(MAIN_TITLE)
            tx, ty = poll(tray_icon_centre, what="the tray icon")
            xdotool("mousemove", "--sync", tx, ty)
            xdotool("click", 3)
            menu = poll(lambda: [l for l in inspect("list").splitlines() if " #32768 1 " in l], what="the tray menu")
            left, top, right, bottom = map(int, menu[0].split()[3].split(","))
            # At the screen's left edge the system moves the menu inside the screen; only its top
            # keeps to the pointer (the horizontal alignment is a Win32 test).
            self.assertEqual(top, ty - 5)
            # Second entry, 退出程序: the menu's lower half.
            xdotool("mousemove", "--sync", (left + right) // 2, top + (bottom - top) * 3 // 4)
            xdotool("click", 1)
            self.assertEqual(program.wait_exit(), 0)

    def test_quit_button_ends_the_program_with_code_0(self):
        with running() as program:
            main = wait_window(MAIN_TITLE)
            click_button(main, "退出1")
            self.assertEqual(program.wait_exit(), 0)

    def test_a_second_copy_says_so_and_exits_0_while_the_first_stays(self):
        with running() as first:
            main = wait_window(MAIN_TITLE)
            click_button(main, "隐藏1")
            wait_gone(MAIN_TITLE)
            with running(first.folder) as second:
                box = wait_window("重复提醒：")
                texts = [c["text"] for c in box.children()]
                self.assertIn("您已启动了澜星助手工具箱，不需要重复运行~！", texts)
                visible_main = [l for l in inspect("list").splitlines() if l.endswith(" " + MAIN_TITLE) and " 1 " in l]
                self.assertEqual(visible_main, [], "neither copy shows a main window")
                inspect("press", "重复提醒：", 1)  # OK
                self.assertEqual(second.wait_exit(), 0)
            self.assertIsNone(first.process.poll(), "the first copy runs on")
            titles = [l for l in inspect("list").splitlines() if l.endswith(" " + MAIN_TITLE)]
            self.assertEqual(len(titles), 1, "the first copy's window, still hidden")
            self.assertIn(" 0 ", titles[0])


if __name__ == "__main__":
    unittest.main()
