"""The main window's about links and its start-page button as a user clicks them: the two boxes'
texts exactly, the pages the browser was asked to open (a stand-in browser logs them), and the
start page in the registry."""
import unittest

from harness import MAIN_TITLE, ProgramTest, inspect, poll, registry_value, running, wait_gone, wait_window, wine

ABOUT_TITLE = "关于："
# Client centres of the links' frames: 外形框1 (6, 205) plus each frame's place in it, and 网址导航1.
LINKS = {"检测更新1": (6 + 5 + 28, 205 + 20 + 11), "联系作者1": (6 + 70 + 28, 205 + 20 + 11),
         "收费标准1": (6 + 5 + 28, 205 + 49 + 11), "作者空间1": (6 + 70 + 28, 205 + 49 + 11)}
START_PAGE_BUTTON = (7 + 65, 171 + 15)
START_PAGE_KEY = r"HKCU\Software\Microsoft\Internet Explorer\Main"
HOME_PAGE, AUTHOR_PAGE, START_PAGE = "https://www.example.com/", "https://www.example.org/author/", "https://www.example.net/"
SPACE = "\u3000"
PRICE_LIST = "\r\n".join([
    "软件收费标准如下：",
    SPACE * 3 + "①每个自定义音效（可设置快捷键）：　２０元",
    SPACE * 3 + "②录音软件：　　　　　　　　　　　　１５元",
    SPACE * 3 + "③可自由存取记事本：　　　　　　　　１５元",
    SPACE * 3 + "④挂机工具：　　　　　　　　　　　　１５元",
    "",
    SPACE * 2 + "※⑤定制个人音效满１０个可免费获赠所有功能",
    "",
    SPACE * 3 + "注：本软件为定制一次终身免费",
])
CONTACT = "\r\n".join([
    "作者联系方式如下：",
    SPACE * 3 + "①作者QQ号码：00000",
    SPACE * 3 + "②软件交流群号：000000",
    SPACE * 3 + "③作者邮箱地址：author@example.com",
    "",
    SPACE * 2 + "以上方式联系作者即可定制个人版本",
])


class AboutLinks(ProgramTest):
    def box_text(self):
        box = wait_window(ABOUT_TITLE)
        statics = [c for c in box.children() if c["class"].lower() == "static" and c["text"]]
        self.assertEqual(len(statics), 1, statics)
        return box, box.text(statics[0]["id"])

    def test_price_list_and_contact_boxes_show_their_texts_exactly(self):
        with running():
            main = wait_window(MAIN_TITLE)
            for link, expected in (("收费标准1", PRICE_LIST), ("联系作者1", CONTACT)):
                main.click(*LINKS[link])
                box, text = self.box_text()
                self.assertEqual(text, expected, link)
                box.screenshot(self.artifact(link))
                inspect("press", ABOUT_TITLE, 1)  # OK
                wait_gone(ABOUT_TITLE)
            self.assertEqual(PRICE_LIST.split("\r\n")[5], "")
            self.assertEqual(len(PRICE_LIST.split("\r\n")), 9)

    def test_the_two_web_links_open_their_pages(self):
        with running() as program:
            main = wait_window(MAIN_TITLE)
            main.click(*LINKS["检测更新1"])
            poll(lambda: program.pages_opened() == [HOME_PAGE], timeout=20, what="home page opened")
            main.click(*LINKS["作者空间1"])
            poll(lambda: program.pages_opened() == [HOME_PAGE, AUTHOR_PAGE], timeout=20, what="author page opened")

    def test_the_start_page_button_writes_and_opens_the_start_page_at_each_click(self):
        with running() as program:
            main = wait_window(MAIN_TITLE)
            for click in (1, 2):
                wine("reg", "delete", START_PAGE_KEY, "/v", "Start Page", "/f", check=False)
                self.assertIsNone(registry_value(START_PAGE_KEY, "Start Page"))
                main.click(*START_PAGE_BUTTON)
                poll(lambda: program.pages_opened() == [START_PAGE] * click, timeout=20, what=f"start page opened {click}")
                self.assertEqual(registry_value(START_PAGE_KEY, "Start Page"), START_PAGE, f"click {click}")


if __name__ == "__main__":
    unittest.main()
