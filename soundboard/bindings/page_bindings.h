#pragma once
// What each of the audio window's 80 page buttons does when clicked: play a built-in effect (after
// stopping all sound, maybe in a loop), only stop all sound, or nothing at all. Buttons are known by
// their place (assets/windows/audio_window_ids.h); their names and captions are the description's.
#include "assets/windows/audio_window_ids.h"

struct PageButtonBinding {
  enum class Action { playEffect, stopOnly, none };
  Action action = Action::none;
  int effect = 0;  // FX number 1..64 for playEffect
  bool loop = false;
};

// Button n (1..20) of page (0..3).
const PageButtonBinding& pageButtonBinding(int page, int n);
