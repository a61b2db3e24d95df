"""The settings window driven from the keyboard, as a user without a mouse would."""

import time
import unittest

from harness import ProgramTestCase, expected_settings, parse_settings_file, settings_file

# Long enough for the overlay's 50 ms topmost timer to have run many times over.
TIMER_WAIT = 1.5


class OpacityKeysTest(ProgramTestCase):

    def test_percentage_follows_every_key(self):
        # (key, thumb, text): the rounding edges of position / 2.55 on both sides of each
        # boundary, and every key that moves the thumb.
        steps = [
            (None, 128, "50%"),
            ("Left", 127, "50%"),
            ("End", 255, "100%"),
            ("Left", 254, "100%"),
            ("Left", 253, "99%"),
            ("Home", 0, "0%"),
            ("Right", 1, "0%"),
            ("Right", 2, "1%"),
            ("Right", 3, "1%"),
            ("Page_Down", 4, "2%"),
            ("Page_Up", 3, "1%"),
        ]
        program = self.start(config=settings_file(opacity=128))
        self.focus_settings(program)
        for key, thumb, text in steps:
            if key:
                self.session.press(key)
            snapshot = program.wait_until(
                lambda s: s.positions[0] == thumb and s.percent == text)
            self.assertEqual((key, snapshot.positions[0], snapshot.percent), (key, thumb, text))


class KeyboardStaysWithSettingsTest(ProgramTestCase):
    """The overlay is raised above everything every 50 ms, but never activated: the
    settings window keeps the keyboard however long the user takes between keys, and the
    Esc that ends the session there saves it."""

    def test_keys_after_pauses_reach_settings_window(self):
        program = self.start()
        self.focus_settings(program)
        # (key, focused slider, thumbs) after a pause each.
        steps = [
            ("Right", 1, (1, 0, 1)),
            ("Right", 1, (2, 0, 1)),
            ("Right", 1, (3, 0, 1)),
            ("Tab", 2, (3, 0, 1)),
            ("Right", 2, (3, 1, 1)),
        ]
        for key, focused, thumbs in steps:
            time.sleep(TIMER_WAIT)
            self.session.press(key)
            snapshot = program.wait_until(
                lambda s: s.focused_slider == focused and s.positions == thumbs)
            self.assertEqual((key, snapshot.focused_slider, snapshot.positions),
                             (key, focused, thumbs))
            self.assertTrue(snapshot.settings["foreground"], f"settings inactive after {key}")
            self.assertFalse(snapshot.overlay["foreground"], f"overlay active after {key}")
        self.assertEqual(snapshot.percent, "1%")

        time.sleep(TIMER_WAIT)
        self.close_and_check_exit(program, "Escape")
        self.assertEqual(parse_settings_file(program.config() or b""), expected_settings(3, 1, 1))


if __name__ == "__main__":
    unittest.main()
