// The settings engine against the system's own profile functions, on the same files saved as GBK
// and as UTF-16LE with its mark: every value the system reads, the engine reads too, and edits made
// by either read back the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "features/ini_text.h"
#include "features/settings_text.h"
#include "tests/win32/settings/temp_folder_win32.h"

namespace {

// Files exercising the profile syntax: case, blanks, comments, junk, line ends, duplicates, quotes.
const char* const kFiles[] = {
    "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n[记事本]\r\n内容=第一行（#换行符）第二行\r\n\r\n",
    "[Sec]\nKey=v\nkey2 = spaced value \n",
    "  [a]  \r\n  k \t=  v w \t\r\n;comment=x\r\njunk line\r\n[b]\r\nk=other",
    "[a]\r\nk=1\r\nk=2\r\n[a]\r\nj=3\r\nk=4\r\n",
    "[q]\r\nd=\"quoted\"\r\ns='single'\r\nu=\"open\r\ne=\"\"\r\nlone=\"\r\n",
    "k=before any section\r\n[a]\r\nnovalue\r\nempty=\r\neq=x=y\r\n",
    "[乚]\r\nk=trail bracket\r\n[丄]\r\nk=upper\r\n[乤]\r\nk=lower\r\n",
    "[a] tail\r\nk=after header text\r\n[ b ]\r\nk=blanks in brackets\r\n",
    "",
};

const char* const kSections[] = {"自定义音效1", "记事本", "sec", "SEC", "a",  "A",   "b",
                                 " b ",         "q",      "乚",  "丄",  "乤", "none"};
const char* const kKeys[] = {"路径", "内容", "key", "KEY2", "k",       "K",     "j",  "d",
                             "s",    "u",    "e",   "lone", "novalue", "empty", "eq", "x"};

std::string systemRead(const std::string& path, const std::string& section, const std::string& key) {
  std::vector<char> buffer(10240);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), static_cast<DWORD>(buffer.size()),
                           path.c_str());
  return buffer.data();
}

std::string fileBytes(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(h, nullptr), '\0');
  DWORD got = 0;
  ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(h);
  bytes.resize(got);
  return bytes;
}

void putFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
}

// How a text editor may save the file: as it is, or as "Unicode" (UTF-16LE with its mark).
enum class Saved { gbk, utf16le };
const Saved kSavings[] = {Saved::gbk, Saved::utf16le};

std::string savedAs(Saved saving, const std::string& gbkFile) {
  if (saving == Saved::gbk) return gbkFile;
  const std::wstring wide = wideFromGbk(gbkFile);
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

const char* nameOf(Saved saving) { return saving == Saved::gbk ? "GBK" : "UTF-16LE"; }

// The system caches profile files by name, so every file a test makes gets a name of its own.
std::string freshPath(const TempFolder& folder) {
  static int serial = 0;
  return folder.gbk() + "\\case" + std::to_string(++serial) + ".ini";
}

void expectSameReads(const std::string& systemFile, const std::string& engineBytes, const std::string& what) {
  const SettingsText text(engineBytes);
  for (const char* section : kSections)
    for (const char* key : kKeys)
      EXPECT_EQ(ini::findValue(text.gbk(), section, key).value_or(""), systemRead(systemFile, section, key))
          << what << " [" << section << "] " << key;
}

TEST(ProfileConformance, TheSystemProfileIsGbk) {
  ASSERT_EQ(GetACP(), 936u) << "the tests' Wine session runs in zh_CN";
}

TEST(ProfileConformance, ReadsMatchTheSystem) {
  TempFolder folder;
  for (const Saved saving : kSavings)
    for (const char* file : kFiles) {
      const std::string path = freshPath(folder);
      const std::string saved = savedAs(saving, file);
      putFile(path, saved);
      expectSameReads(path, saved, nameOf(saving) + std::string(": ") + file);
    }
}

struct Edit {
  const char* section;
  const char* key;    // nullptr: delete the section
  const char* value;  // nullptr: delete the key
};

TEST(ProfileConformance, EditsReadBackLikeTheSystemsEdits) {
  const Edit edits[] = {
      {"a", "k", "new"},
      {"A", "K", "upper"},
      {"a", "fresh", "appended"},
      {"new section", "k", "v"},
      {"记事本", "内容", "正文\r\n"},
      {"sec", "key", "中文值"},
      {"a", "k", nullptr},
      {"b", nullptr, nullptr},
      {"q", "d", "\"requoted\""},
      {"乤", "k", "only lower"},
      {"a", "j", nullptr},
  };
  TempFolder folder;
  for (const Saved saving : kSavings)
    for (const char* file : kFiles) {
      const SettingsText text(savedAs(saving, file));
      for (const Edit& edit : edits) {
        const std::string path = freshPath(folder);
        putFile(path, text.bytes());
        WritePrivateProfileStringA(edit.section, edit.key, edit.value, path.c_str());
        const ini::Edit engineEdit = !edit.key     ? ini::removingSection(text.gbk(), edit.section)
                                     : !edit.value ? ini::removingKey(text.gbk(), edit.section, edit.key)
                                                   : ini::settingValue(text.gbk(), edit.section, edit.key, edit.value);
        const std::string engine = text.bytesAfter(engineEdit);
        const std::string what = nameOf(saving) + std::string(": ") + file + " after [" + edit.section + "] " +
                                 (edit.key ? edit.key : "(section)");
        EXPECT_EQ(SettingsText(engine).encoding(), text.encoding()) << what;
        // What the system wrote and what the engine wrote must read the same through the system.
        const std::string enginePath = freshPath(folder);
        putFile(enginePath, engine);
        for (const char* section : kSections)
          for (const char* key : kKeys)
            EXPECT_EQ(systemRead(enginePath, section, key), systemRead(path, section, key))
                << what << " [" << section << "] " << key << "\nsystem wrote:\n"
                << fileBytes(path) << "\nengine wrote:\n"
                << engine;
      }
    }
}

TEST(ProfileConformance, LongValuesAreCutLikeTheSystemsBuffer) {
  TempFolder folder;
  const std::string path = freshPath(folder);
  const std::string file = "[记事本]\r\n内容=" + std::string(12000, 'x') + "\r\n";
  putFile(path, file);
  EXPECT_EQ(systemRead(path, "记事本", "内容").size(), 10239u);
}

}  // namespace
