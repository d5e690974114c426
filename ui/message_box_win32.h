#pragma once
// What the user is told: a message box with one OK button, no owner window, task-modal.
#include <string_view>

void tellUser(std::string_view text, std::string_view title);
