/* Starts the Wine session's services and its desktop process with nothing attached (see
   wine-run.sh): asking for the desktop window makes Wine start the desktop now, not later inside
   a test whose output pipe it would then inherit. */
#include <windows.h>

int main(void) { return GetDesktopWindow() ? 0 : 1; }
