#include "ui/picbtn_behaviour.h"

namespace picbtn {

Step push(State from, Input input, const Situation& s) {
  switch (input) {
    case Input::leftDown:
      if (!s.enabled || !s.overButton) return {from};
      return {pressed, s.captured ? Capture::keep : Capture::take};
    case Input::move:
      if (!s.enabled) return {from, Capture::release};
      if (s.overButton) return {s.leftHeld ? pressed : hover, s.captured ? Capture::keep : Capture::take};
      return {normal, s.leftHeld ? Capture::keep : Capture::release};
    case Input::leftUp:
      // Only a press this button still holds the capture for ends in a click.
      if (!s.overButton || !s.enabled || !s.captured) return {from, Capture::release};
      return {normal, Capture::release, true};
    case Input::captureLost: return {normal};
  }
  return {from};
}

Step toggle(State from, bool selected, Input input, const Situation& s) {
  switch (input) {
    case Input::leftDown: return {from};
    case Input::move: return {from, Capture::release};
    case Input::leftUp:
      if (!s.overButton || !s.enabled) return {from, Capture::release};
      return {selected ? normal : pressed, Capture::release, true, true};
    case Input::captureLost: return {from};  // a toggle button never holds the capture
  }
  return {from};
}

}  // namespace picbtn
