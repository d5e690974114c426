#pragma once
// The name 检测 shows: the output device every sound of this program goes to (the wave mapper
// plays through the system's preferred device), as the device's capabilities name it.
#include <string>

// GBK; empty when the system has no output device or does not answer.
std::string detectedOutputName();
