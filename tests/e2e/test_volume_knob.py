"""The audio window's volume knob dragged as a person drags it: button down on the knob, the pointer
moved with the button held, button up. Every motion event moves the knob by at most one pixel, so
the drag moves the pointer one pixel at a time and waits for the knob to follow each step."""
import array
import unittest

from harness import ProgramTest, poll, running, xdotool
from test_soundboard import click_page_button, effect_data, open_audio_window

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


def samples(data):
    return array.array("h", data[:len(data) // 2 * 2])


def played_effect(program, stream, length):
    """The first `length` bytes of output stream `stream`, once that much has been written."""
    poll(lambda: len(program.played_streams()) > stream and len(program.played_streams()[stream]) >= length,
         timeout=60, what=f"stream {stream} written")
    return program.played_streams()[stream][:length]


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


    def test_what_the_program_plays_follows_the_knob(self):
        """Under Wine the knob reaches the mixer, which scales this program's own output."""
        applause = effect_data(7)
        with running() as program:
            audio = open_audio_window()
            drag_knob(audio, LEFTMOST)
            click_page_button(audio, "主持必备", "持续掌声")
            silent = samples(played_effect(program, 0, len(applause)))
            self.assertEqual(max(map(abs, silent)), 0, "the knob at its left end: silence")

            drag_knob(audio, START)
            audio.click_control("持续掌声")
            played = samples(played_effect(program, 1, len(applause)))  # each click opens a stream
            factor = round((START - LEFTMOST) * 963.75) / 65535
            original = samples(applause)
            worst = max(abs(p - o * factor) for p, o in zip(played, original))
            self.assertLessEqual(worst, 2, f"every sample scaled by {factor:.4f}")
            self.assertGreater(max(map(abs, played)), 1000, "and not silence")


if __name__ == "__main__":
    unittest.main()
