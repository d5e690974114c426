#pragma once
// The text of the fatal error box: "运行时出错!", then the code and the message when given.
#include <optional>
#include <string>
#include <string_view>

std::string fatalErrorText(std::optional<int> code, std::string_view message);
