#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/gbk_text_win32.h"
#include "ui/resources.h"

namespace {

// The build's path of the exe, a Unix path (GBK bytes) that Wine reaches through drive Z:.
std::wstring exePath() { return L"Z:" + wideFromGbk(LANXING_EXE); }

std::vector<char> bytesOf(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T at(const std::vector<char>& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

struct Section {
  std::string name;
  std::uint32_t size = 0, offset = 0;
};

// The section table of a PE image; long names ("/4") are looked up in the COFF string table.
std::vector<Section> sectionsOf(const std::vector<char>& image) {
  const auto pe = at<std::uint32_t>(image, 0x3C);
  const auto count = at<std::uint16_t>(image, pe + 6);
  const auto symbols = at<std::uint32_t>(image, pe + 12);
  const auto symbolCount = at<std::uint32_t>(image, pe + 16);
  const auto optionalSize = at<std::uint16_t>(image, pe + 20);
  const std::size_t strings = symbols + std::size_t{symbolCount} * 18;
  std::vector<Section> sections;
  for (std::size_t i = 0, row = pe + 24 + optionalSize; i < count; ++i, row += 40) {
    if (row + 40 > image.size()) break;
    std::string name(image.data() + row, strnlen(image.data() + row, 8));
    if (name.size() > 1 && name[0] == '/') {
      const std::size_t text = strings + std::stoul(name.substr(1));
      if (text < image.size())
        name = std::string(image.data() + text, strnlen(image.data() + text, image.size() - text));
    }
    sections.push_back({name, at<std::uint32_t>(image, row + 16), at<std::uint32_t>(image, row + 20)});
  }
  return sections;
}

const Section* find(const std::vector<Section>& sections, const std::string& name) {
  for (const Section& s : sections)
    if (s.name == name) return &s;
  return nullptr;
}

bool hasDebugSections(const std::vector<Section>& sections) {
  for (const Section& s : sections)
    if (s.name.rfind(".debug_", 0) == 0) return true;
  return false;
}

// A resource of the exe as the loader maps it, read without running the exe.
std::string resourceOfExe(LPCWSTR name, LPCWSTR type) {
  HMODULE image = LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!image) return {};
  std::string bytes;
  if (HRSRC found = FindResourceW(image, name, type))
    if (const void* data = LockResource(LoadResource(image, found)))
      bytes.assign(static_cast<const char*>(data), SizeofResource(image, found));
  FreeLibrary(image);
  return bytes;
}

std::wstring versionString(const std::vector<char>& record, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueW(record.data(), path.c_str(), &value, &length) || !value) return {};
  return static_cast<const wchar_t*>(value);
}

}  // namespace

TEST(ProgramImage, CarriesNoDebugInformationAndLinksTheFileBesideItThatDoes) {
  const std::vector<char> exe = bytesOf(exePath());
  ASSERT_GT(exe.size(), 4096u);
  const auto sections = sectionsOf(exe);
  ASSERT_TRUE(find(sections, ".text")) << "section table unreadable";
  EXPECT_FALSE(hasDebugSections(sections));

  // The debug link holds the debug file's name, zero-padded to four bytes, then its CRC-32.
  const Section* link = find(sections, ".gnu_debuglink");
  ASSERT_TRUE(link);
  const std::string linked(exe.data() + link->offset, strnlen(exe.data() + link->offset, link->size));
  // A file name, so UTF-8 as the build machine wrote it.
  EXPECT_EQ(linked, reinterpret_cast<const char*>(u8"澜星助手工具箱.debug"));

  const std::wstring exeName = exePath();
  const std::wstring debugPath = exeName.substr(0, exeName.rfind(L'.')) + L".debug";
  const std::vector<char> debug = bytesOf(debugPath);
  EXPECT_TRUE(hasDebugSections(sectionsOf(debug))) << "no debug information beside the exe";
}

TEST(ProgramImage, VersionRecordNamesTheProductAndItsVersion) {
  const std::wstring exe = exePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, record.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(6, 1));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(6, 1));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(versionString(record, L"ProductName"), L"澜星助手工具箱");
  EXPECT_EQ(versionString(record, L"ProductVersion"), L"1.6");
  EXPECT_EQ(versionString(record, L"FileVersion"), L"1.6.0.0");
  EXPECT_EQ(versionString(record, L"OriginalFilename"), L"澜星助手工具箱.exe");
  EXPECT_NE(versionString(record, L"FileDescription").find(L"澜星助手工具箱"), std::wstring::npos);
  EXPECT_NE(versionString(record, L"LegalCopyright").find(L"Copyright"), std::wstring::npos);
}

TEST(ProgramImage, ManifestAsksForNoElevationNamesWindows7To11AndDpiAwareness) {
  const std::string manifest = resourceOfExe(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
  for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                         "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(os), std::string::npos) << os;
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find(">system</dpiAwareness>"), std::string::npos);
}

TEST(ProgramImage, CarriesTheCreditsOfTheEffectsSourcesByteForByte) {
  const std::string credits =
      resourceOfExe(MAKEINTRESOURCEW(LANXING_CREDITS_RESOURCE), MAKEINTRESOURCEW(10));  // RT_RCDATA
  const std::vector<char> file = bytesOf(L"Z:" + wideFromGbk(LANXING_CREDITS));
  ASSERT_GT(file.size(), 1000u);
  EXPECT_EQ(credits, std::string(file.begin(), file.end()));
}
