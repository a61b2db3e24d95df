"""config.ini beside the program: read at start into the sliders, left alone until the
settings window closes, and then written with what the sliders hold."""

import unittest

from harness import (WS_EX_LAYERED, ProgramTestCase, expected_settings, parse_settings_file,
                     settings_file)


class StoredSettingsTest(ProgramTestCase):

    def test_stored_settings_are_shown_and_saved_back(self):
        stored = settings_file(opacity=200, tint=3, start_at_logon=2)
        program = self.start(config=stored)
        snapshot = program.snapshot()
        self.assertEqual(snapshot.positions, (200, 3, 2))
        self.assertEqual(snapshot.percent, "78%")
        # Starting with start-at-logon on is no reason to touch the registry.
        self.assertIsNone(self.session.run_value())
        self.assert_config_untouched(program, stored)

        self.focus_settings(program)
        self.close_and_check_exit(program, "Escape")
        self.assertEqual(parse_settings_file(program.config()), expected_settings(200, 3, 2))
        self.assertIsNone(self.session.run_value())

    def test_values_out_of_range_are_kept(self):
        # (stored, thumbs shown, percentage shown, saved): the thumb stops at the nearer
        # end, the stored value survives a save untouched.
        cases = [
            (dict(opacity=300), (255, 0, 1), "118%", (300, 0, 1)),
            (dict(start_at_logon=9), (0, 0, 2), "0%", (0, 0, 9)),
        ]
        for stored, thumbs, percent, saved in cases:
            with self.subTest(**stored):
                program = self.start(config=settings_file(**stored))
                snapshot = program.snapshot()
                self.assertEqual((snapshot.positions, snapshot.percent), (thumbs, percent))
                self.focus_settings(program)
                self.close_and_check_exit(program, "Escape")
                self.assertEqual(parse_settings_file(program.config()), expected_settings(*saved))
                self.assertIsNone(self.session.run_value())

    def test_unknown_tint_paints_nothing(self):
        program = self.start(config=settings_file(tint=7))
        snapshot = program.snapshot()
        self.assertEqual(snapshot.positions, (0, 4, 1))

        def assert_unpainted(snapshot):
            rect = snapshot.overlay["rect"]
            self.assertEqual((rect["w"], rect["h"]), (0, 0))
            self.assertFalse(snapshot.overlay["exstyle"] & WS_EX_LAYERED)

        assert_unpainted(snapshot)
        self.focus_settings(program)
        self.session.press("End")
        snapshot = program.wait_until(lambda s: s.percent == "100%")
        self.assertEqual((snapshot.positions, snapshot.percent), ((255, 4, 1), "100%"))
        assert_unpainted(snapshot)

        self.close_and_check_exit(program, "Escape")
        self.assertEqual(parse_settings_file(program.config()), expected_settings(255, 7, 1))


class SettingsWindowCloseTest(ProgramTestCase):
    """Every way of closing the settings window saves, and ends the program with 0."""

    def test_each_way_of_closing_saves(self):
        roads = [
            ("Escape", lambda snapshot: self.session.press("Escape")),
            ("Alt+F4", lambda snapshot: self.session.press("alt+F4")),
            ("close box", lambda snapshot:
                self.session.probe("close", str(snapshot.settings["hwnd"]))),
        ]
        for name, close in roads:
            with self.subTest(name):
                program = self.start()
                self.focus_settings(program)
                close(program.snapshot())
                self.assertEqual(program.wait_exit(), 0)
                self.assertEqual(parse_settings_file(program.config() or b""),
                                 expected_settings(0, 0, 1))


if __name__ == "__main__":
    unittest.main()
