#pragma once
// The executable names of all running processes, as the process snapshot reports them (GBK);
// empty when no snapshot can be taken.
#include <string>
#include <vector>

std::vector<std::string> runningExecutableNames();
