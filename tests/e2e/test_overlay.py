"""The tint itself: the colour it gives the screen, the clicks it lets through, and how
closing it ends the program."""

import unittest

from harness import (SCREEN_HEIGHT, SCREEN_WIDTH, WS_EX_TOPMOST, ProgramTestCase, poll,
                     settings_file)

# Points all over the screen, each outside the centred settings window.
SAMPLE_POINTS = [(10, 10), (SCREEN_WIDTH - 10, 10), (10, SCREEN_HEIGHT - 10),
                 (SCREEN_WIDTH - 10, SCREEN_HEIGHT - 10), (SCREEN_WIDTH // 2, 150),
                 (300, 900)]


class TintColourTest(ProgramTestCase):

    def assert_screen_shows(self, colour, tolerance):
        def close_enough(screen):
            return all(max(abs(a - b) for a, b in zip(screen.pixel(x, y), colour)) <= tolerance
                       for x, y in SAMPLE_POINTS)

        # The compositor may take a moment to show the overlay's latest surface.
        screen = poll(self.session.screen, close_enough, timeout=10)
        seen = {point: screen.pixel(*point) for point in SAMPLE_POINTS}
        for point, pixel in seen.items():
            self.assertTrue(max(abs(a - b) for a, b in zip(pixel, colour)) <= tolerance,
                            f"at {point}: {pixel}, expected {colour} ±{tolerance}")

    def test_tint_blends_with_what_is_beneath(self):
        # (beneath, opacity, tint, colour seen, tolerance), measured on this compositor.
        cases = [
            ("white", 128, 3, (144, 213, 155), 2),  # green at alpha 128
            ("black", 128, 3, (17, 86, 28), 2),
            # Opacity 0 still paints at alpha 1: black leaves white one step darker.
            ("white", 0, 1, (254, 254, 254), 0),
        ]
        for beneath, opacity, tint, colour, tolerance in cases:
            with self.subTest(beneath=beneath, opacity=opacity, tint=tint):
                self.backdrop(beneath)
                self.start(config=settings_file(opacity=opacity, tint=tint))
                self.assert_screen_shows(colour, tolerance=tolerance)

    def test_each_tint_at_full_opacity(self):
        tints = [(0, (0xFF, 0xFF, 0xB8)), (1, (0x00, 0x00, 0x00)), (2, (0xFF, 0xFF, 0x05)),
                 (3, (0x22, 0xAC, 0x38)), (4, (0xFC, 0x44, 0x0F))]
        self.backdrop("white")
        for tint, colour in tints:
            with self.subTest(tint=tint):
                self.start(config=settings_file(opacity=255, tint=tint))
                self.assert_screen_shows(colour, tolerance=0)


class StackingTest(ProgramTestCase):

    def test_overlay_is_topmost_while_settings_window_is_active(self):
        program = self.start()
        snapshot = program.wait_until(lambda s: s.overlay["exstyle"] & WS_EX_TOPMOST)
        self.assertTrue(snapshot.settings["foreground"])
        self.assertTrue(snapshot.overlay["exstyle"] & WS_EX_TOPMOST,
                        f"overlay extended style {snapshot.overlay['exstyle']:#x}")
        self.assertLess(snapshot.overlay["z"], snapshot.settings["z"])


class ClickThroughTest(ProgramTestCase):

    def test_click_on_tint_reaches_window_beneath(self):
        backdrop = self.backdrop("white")
        self.start(config=settings_file(opacity=255, tint=4))
        x, y = 300, 900
        red = (0xFC, 0x44, 0x0F)

        def tinted():
            return poll(self.session.screen, lambda s: s.pixel(x, y) == red,
                        timeout=10).pixel(x, y)

        self.assertEqual(tinted(), red, "the point is not under the tint")
        self.session.click(x, y)
        self.assertEqual(backdrop.next_line(timeout=10), f"click {x} {y}")
        # The click activates the window beneath; it must not come up through the tint.
        self.assertEqual(tinted(), red, "the clicked window rose above the tint")


class OverlayCloseTest(ProgramTestCase):
    """Closing the tint, rather than the settings window, leaves without saving."""

    def test_closing_overlay_ends_without_saving(self):
        stored = settings_file(opacity=200, tint=3, start_at_logon=1)
        cases = [("Escape", stored), ("alt+F4", stored), ("Escape", None)]
        for key, config in cases:
            with self.subTest(key=key, config="prepared" if config else "none"):
                program = self.start(config=config)
                thumbs = program.snapshot().positions
                # A change that closing the settings window would save: start at logon.
                self.focus_settings(program)
                self.session.press("Tab", "Tab", "Right")
                changed = thumbs[:2] + (2,)
                snapshot = program.wait_until(lambda s: s.positions == changed)
                self.assertEqual(snapshot.positions, changed)

                self.session.focus(snapshot.overlay["xid"])
                snapshot = program.wait_until(lambda s: s.overlay["foreground"])
                self.assertTrue(snapshot.overlay["foreground"], "the overlay did not activate")
                self.close_and_check_exit(program, key)
                if config is None:
                    self.assertIsNone(program.config(), "config.ini was created")
                else:
                    self.assert_config_untouched(program, config)


if __name__ == "__main__":
    unittest.main()
