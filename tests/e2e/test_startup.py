import unittest

from harness import MAIN_TITLE, ProgramTest, running, wait_gone, wait_window


class StartUp(ProgramTest):
    def test_main_window_appears_and_closing_it_ends_the_program_with_code_0(self):
        with running() as program:
            main = wait_window(MAIN_TITLE)
            x, y, width, height = main.rect()[:4]
            self.assertEqual((x, y, width, height), (1024 - 200, 50, 150, 340))
            main.screenshot(self.artifact("main"))
            main.close()
            wait_gone(MAIN_TITLE)
            self.assertEqual(program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
