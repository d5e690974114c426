#pragma once
// Resource ids of the program's own resources (assets/windows/program_resources.rc.in).
#define LANXING_WINDOW_BLOCK_RESOURCE 100
#define LANXING_HAND_CURSOR_RESOURCE 101
// The credits of the built-in effects' sources, the bytes of sound/effects/CREDITS.txt (UTF-8).
#define LANXING_CREDITS_RESOURCE 102
#define LANXING_PROGRAM_ICON_RESOURCE 1
