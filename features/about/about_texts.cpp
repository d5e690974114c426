#include "features/about/about_texts.h"

#include "features/about/contact_details.h"

namespace about {

std::string priceListText() {
  return "软件收费标准如下：\r\n"
         "　　　①每个自定义音效（可设置快捷键）：　２０元\r\n"
         "　　　②录音软件：　　　　　　　　　　　　１５元\r\n"
         "　　　③可自由存取记事本：　　　　　　　　１５元\r\n"
         "　　　④挂机工具：　　　　　　　　　　　　１５元\r\n"
         "\r\n"
         "　　※⑤定制个人音效满１０个可免费获赠所有功能\r\n"
         "\r\n"
         "　　　注：本软件为定制一次终身免费";
}

std::string contactText() {
  std::string text = "作者联系方式如下：\r\n";
  text.append("　　　①作者QQ号码：").append(kAuthorQqNumber).append("\r\n");
  text.append("　　　②软件交流群号：").append(kDiscussionGroupNumber).append("\r\n");
  text.append("　　　③作者邮箱地址：").append(kAuthorEmailAddress).append("\r\n");
  text.append("\r\n");
  text.append("　　以上方式联系作者即可定制个人版本");
  return text;
}

}  // namespace about
