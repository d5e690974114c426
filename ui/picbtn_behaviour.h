#pragma once
// How a picture button follows the mouse. The rules are a pure function of the button's visual
// state and what the mouse did, so they are tested without a window; kPushTable lists the push
// mode's transitions and is the test list.
#include <array>
#include <cstdint>

namespace picbtn {

enum State : std::int32_t { normal = 0, hover = 1, pressed = 2 };
// captureLost: another window took the mouse capture (WM_CAPTURECHANGED not caused by the button).
enum class Input { leftDown, move, leftUp, captureLost };
enum class Capture { keep, take, release };

struct Situation {
  bool enabled = true;
  bool overButton = false;  // the pointer is on the button (for a move: it is the window under it)
  bool leftHeld = false;    // during a move
  bool captured = false;
};

struct Step {
  State state;
  Capture capture = Capture::keep;
  bool click = false;
  bool flipSelected = false;
  bool operator==(const Step&) const = default;
};

Step push(State from, Input input, const Situation& s);
Step toggle(State from, bool selected, Input input, const Situation& s);

// Push mode, as a table: from, input, situation, then the expected step.
struct Transition {
  const char* name;
  State from;
  Input input;
  Situation situation;
  Step expected;
};

inline constexpr std::array kPushTable = {
    Transition{"moves over, button not held", normal, Input::move, {true, true, false, false}, {hover, Capture::take}},
    Transition{"enters with the button held", normal, Input::move, {true, true, true, false}, {pressed, Capture::take}},
    Transition{"pressed while hovering", hover, Input::leftDown, {true, true, false, true}, {pressed, Capture::keep}},
    Transition{
        "moves off, button not held", hover, Input::move, {true, false, false, true}, {normal, Capture::release}},
    Transition{"leaves with the button held", pressed, Input::move, {true, false, true, true}, {normal, Capture::keep}},
    Transition{
        "returns with the button held", pressed, Input::move, {true, true, true, true}, {pressed, Capture::keep}},
    Transition{"released inside", pressed, Input::leftUp, {true, true, false, true}, {normal, Capture::release, true}},
    Transition{"released outside", normal, Input::leftUp, {true, false, false, true}, {normal, Capture::release}},
    Transition{"disabled during a move", hover, Input::move, {false, true, false, true}, {hover, Capture::release}},
    Transition{"released on a disabled button",
               pressed,
               Input::leftUp,
               {false, true, false, true},
               {pressed, Capture::release}},
    Transition{"pressed while disabled", normal, Input::leftDown, {false, true, false, false}, {normal, Capture::keep}},
    Transition{"capture taken away mid-press",
               pressed,
               Input::captureLost,
               {true, true, true, false},
               {normal, Capture::keep}},
    Transition{"capture taken away while hovering",
               hover,
               Input::captureLost,
               {true, true, false, false},
               {normal, Capture::keep}},
    Transition{"released inside without the capture",
               normal,
               Input::leftUp,
               {true, true, false, false},
               {normal, Capture::release}},
};

// Property 8: values below 0 are stored as 0, above 1 as 1.
inline std::int32_t clampKind(std::int32_t kind) { return kind < 0 ? 0 : kind > 1 ? 1 : kind; }

}  // namespace picbtn
