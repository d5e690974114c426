// 配置.ini as text editors save it: read as GBK, written back in the file's own encoding.
#include <gtest/gtest.h>

#include "features/settings.h"
#include "features/settings_text.h"
#include "tests/unit/settings/memory_storage.h"

namespace {

const std::string kDir = "C:\\澜星";
const std::string kPath = kDir + "\\配置.ini";

std::string utf16le(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}
std::string utf8(std::u8string_view text) { return {text.begin(), text.end()}; }

// One file in each encoding; each holds the same settings, a line with a character GBK lacks, and
// no final line end.
struct EncodedFile {
  const char* name;
  SettingsEncoding encoding;
  std::string before;  // the file as saved
  std::string after;   // the file after 路径 of 自定义音效2 is set and 密码 of 挂机工具 added
};

const EncodedFile kFiles[] = {
    {"UTF-16LE with its mark", SettingsEncoding::utf16leWithMark,
     utf16le(u"\uFEFF[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=旧"),
     utf16le(u"\uFEFF[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=新\r\n"
             u"[挂机工具]\r\n密码=密\r\n")},
    {"UTF-8 with its mark", SettingsEncoding::utf8WithMark,
     utf8(u8"\uFEFF[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=旧"),
     utf8(u8"\uFEFF[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=新\r\n"
          u8"[挂机工具]\r\n密码=密\r\n")},
    {"UTF-8 without a mark", SettingsEncoding::utf8,
     utf8(u8"[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=旧"),
     utf8(u8"[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\U0001F600\r\n[自定义音效2]\r\n路径=新\r\n"
          u8"[挂机工具]\r\n密码=密\r\n")},
    {"GBK", SettingsEncoding::gbk, "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\xFF\r\n[自定义音效2]\r\n路径=旧",
     "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n;\xFF\r\n[自定义音效2]\r\n路径=新\r\n[挂机工具]\r\n密码=密\r\n"},
};

TEST(SettingsEncodings, EachEncodingReadsAsGbkAndIsWrittenBackInItself) {
  for (const EncodedFile& f : kFiles) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(SettingsText(f.before).encoding(), f.encoding);
    MemoryStorage storage;
    storage.files[kPath] = f.before;
    SettingsFile settings(storage, kDir);
    EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "D:\\音乐\\开场.mp3");
    EXPECT_EQ(settings.ReadSetting("自定义音效2", "路径"), "旧");
    ASSERT_TRUE(settings.WriteSetting("自定义音效2", "路径", "新"));
    ASSERT_TRUE(settings.WriteSetting("挂机工具", "密码", "密"));
    EXPECT_EQ(storage.files[kPath], f.after) << "every other line keeps its bytes, the character GBK lacks too";
    EXPECT_EQ(settings.ReadSetting("自定义音效2", "路径"), "新");
    EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "密");
    ASSERT_TRUE(settings.WriteSetting("自定义音效1", std::nullopt, std::nullopt));
    EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "");
    EXPECT_EQ(SettingsText(storage.files[kPath]).encoding(), f.encoding)
        << "a mark survives removing the first section";
  }
}

TEST(SettingsEncodings, WhichFilesAreUtf8WithoutAMark) {
  const struct {
    const char* what;
    std::string bytes;
    SettingsEncoding encoding;
  } cases[] = {
      {"nothing", "", SettingsEncoding::gbk},
      {"ASCII only", "[a]\r\nk=v\r\n", SettingsEncoding::gbk},
      {"the program's own file", "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n", SettingsEncoding::gbk},
      {"UTF-8 Chinese", utf8(u8"[记事本]\r\n内容=你好\r\n"), SettingsEncoding::utf8},
      {"UTF-8 but one GBK byte", utf8(u8"[记事本]\r\n内容=你好\r\n") + "\xC0\xBD", SettingsEncoding::gbk},
      {"UTF-16 big-endian mark is no mark of ours", "\xFE\xFF\0[\0a\0]", SettingsEncoding::gbk},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsText(c.bytes).encoding(), c.encoding) << c.what;
}

TEST(SettingsEncodings, MarkOnlyFilesGetTheirFirstSectionAfterTheMark) {
  const struct {
    const char* what;
    std::string before, after;
  } cases[] = {
      {"UTF-16LE", "\xFF\xFE", utf16le(u"\uFEFF[a]\r\nk=值\r\n")},
      {"UTF-16LE with a stray last byte", std::string("\xFF\xFE[\0\x01", 5), utf16le(u"\uFEFF[\r\n[a]\r\nk=值\r\n")},
      {"UTF-8", "\xEF\xBB\xBF", utf8(u8"\uFEFF[a]\r\nk=值\r\n")},
  };
  for (const auto& c : cases) {
    MemoryStorage storage;
    storage.files[kPath] = c.before;
    SettingsFile settings(storage, kDir);
    ASSERT_TRUE(settings.WriteSetting("a", "k", "值")) << c.what;
    EXPECT_EQ(storage.files[kPath], c.after) << c.what;
    EXPECT_EQ(settings.ReadSetting("a", "k"), "值") << c.what;
  }
}

TEST(SettingsEncodings, AValueGbkCannotHoldReadsAsAQuestionMarkAndBlanksStillTrim) {
  MemoryStorage storage;
  storage.files[kPath] = utf16le(u"\uFEFF  [ 记事本 ]  \r\n 内容 = \u00E4 第一行\u3000\r\n");
  SettingsFile settings(storage, kDir);
  EXPECT_EQ(settings.ReadSetting("记事本", "内容"), "? 第一行　");
}

}  // namespace
