#pragma once
// Win32 boundary: the system's texts are GBK bytes; the W functions take UTF-16. Converting with
// code page 936 explicitly makes Chinese show whatever the system's ANSI code page is.
#include <string>
#include <string_view>

std::wstring wideFromGbk(std::string_view gbk);
std::string gbkFromWide(std::wstring_view wide);
