"""The audio window's volume knob dragged as a person drags it: button down on the knob, the pointer
moved with the button held, button up. Every motion event moves the knob by at most one pixel, so
the drag moves the pointer one pixel at a time and waits for the knob to follow each step."""
import unittest

from harness import ProgramTest, poll, running, xdotool
from test_soundboard import open_audio_window

KNOB_WIDTH, KNOB_HEIGHT = 30, 8
LEFTMOST, START = 40, 64  # the knob's left edge in window coordinates


def knob_left(audio):
    """The knob's left edge in client coordinates of the audio window."""
    knobs = [c for c in audio.children(nested=True) if c["class"] == "LanxingPicBtn"
             and c["rect"][2] - c["rect"][0] == KNOB_WIDTH and c["rect"][3] - c["rect"][1] == KNOB_HEIGHT]
    assert len(knobs) == 1, knobs
    return knobs[0]["rect"][0] - audio.rect()[4]


def drag_knob(audio, to_left):
    """Drags the knob by its middle until its left edge is `to_left`, one pixel per motion event."""
    r = audio.rect()
    left = knob_left(audio)
    x, y = r[4] + left + KNOB_WIDTH // 2, r[5] + 275 + KNOB_HEIGHT // 2
    xdotool("mousemove", "--sync", x, y)
    xdotool("mousedown", 1)
    step = -1 if to_left < left else 1
    try:
        while left != to_left:
            x += step
            xdotool("mousemove", "--sync", x, y)
            expected = left + step
            poll(lambda: knob_left(audio) == expected, what=f"the knob at {expected}")
            left = expected
    finally:
        xdotool("mouseup", 1)


class VolumeKnob(ProgramTest):
    def test_a_real_drag_moves_the_knob_to_either_end_and_back(self):
        with running():
            audio = open_audio_window()
            self.assertEqual(knob_left(audio), START)
            drag_knob(audio, LEFTMOST)
            self.assertEqual(knob_left(audio), LEFTMOST)
            drag_knob(audio, START)
            self.assertEqual(knob_left(audio), START)
            audio.screenshot(self.artifact("knob_back_at_start"))

    def test_a_jump_of_the_pointer_moves_the_knob_one_pixel(self):
        with running():
            audio = open_audio_window()
            r = audio.rect()
            x, y = r[4] + START + KNOB_WIDTH // 2, r[5] + 275 + KNOB_HEIGHT // 2
            xdotool("mousemove", "--sync", x, y)
            xdotool("mousedown", 1)
            try:
                xdotool("mousemove", "--sync", x - 20, y)
                poll(lambda: knob_left(audio) == START - 1, what="the knob one pixel left")
            finally:
                xdotool("mouseup", 1)
            self.assertEqual(knob_left(audio), START - 1, "one motion event, one pixel")


if __name__ == "__main__":
    unittest.main()
