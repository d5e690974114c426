#pragma once
// Resource ids of the program's own resources (ui/resources.rc).
#define LANXING_WINDOW_BLOCK_RESOURCE 100
#define LANXING_HAND_CURSOR_RESOURCE 101
#define LANXING_PROGRAM_ICON_RESOURCE 1
