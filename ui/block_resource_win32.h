#pragma once
// The window-template block as the program carries it: read-only data among its resources.
#include <string_view>

// Empty when the resource is missing.
std::string_view windowBlockResource();
