"""The first start on a machine without a settings file, under a Western and a Chinese
locale: what the program shows, what it leaves alone, and what Esc saves."""

import unittest

from harness import (SCREEN_HEIGHT, SCREEN_WIDTH, WS_CAPTION, WS_EX_LAYERED, WS_EX_TOOLWINDOW,
                     WS_EX_TRANSPARENT, WS_POPUP, ProgramTestCase, expected_settings,
                     parse_settings_file)

SETTINGS_SIZE = (463, 311)
# Children in creation order (which is also the tab order), client coordinates.
SETTINGS_CHILDREN = [
    ("VireshadePictureBox", (-1, -2, 457, 122)),
    ("msctls_trackbar32", (60, 123, 336, 24)),
    ("msctls_trackbar32", (60, 147, 336, 28)),
    ("static", (60, 176, 336, 32)),
    ("msctls_trackbar32", (60, 208, 336, 29)),
    ("static", (64, 240, 328, 24)),
]
PERCENT_LABEL = ("VireshadeTransparentLabel", (195, 55, 54, 16))
SLIDER_RANGES = [(0, 255), (0, 4), (1, 2)]
# The tint names stand under the tint slider's five ticks, the answers under the two of
# the start-at-logon slider; the spacing is what puts them there.
TINT_NAMES = ("推荐色\u3000\u3000\u3000  黑"
              "\u3000\u3000\u3000\u3000 \u3000黄"
              "\u3000\u3000\u3000\u3000 \u3000绿"
              "\u3000\u3000\u3000 \u3000\u3000红")
LOGON_ANSWERS = " 否" + " " * 21 + "开机自启" + " " * 20 + "是"

# The tint image is 5000x5000, centred on the 1920x1080 screen.
OVERLAY_RECT = ((SCREEN_WIDTH - 5000) // 2, (SCREEN_HEIGHT - 5000) // 2, 5000, 5000)


def rect(window):
    r = window["rect"]
    return (r["x"], r["y"], r["w"], r["h"])


class FirstStart:
    """Mixed into one test case per locale."""

    def test_windows_at_start(self):
        program = self.start()
        snapshot = program.snapshot()
        settings = snapshot.settings

        with self.subTest("settings window centred"):
            width, height = SETTINGS_SIZE
            self.assertEqual(rect(settings), ((SCREEN_WIDTH - width) // 2,
                                              (SCREEN_HEIGHT - height) // 2, width, height))
        with self.subTest("controls"):
            children = [(child["class"].lower(), rect(child)) for child in settings["children"]]
            self.assertEqual(children, [(cls.lower(), place) for cls, place in SETTINGS_CHILDREN])
            picture = settings["children"][0]
            self.assertEqual([(child["class"], rect(child)) for child in picture["children"]],
                             [PERCENT_LABEL])
        with self.subTest("label texts"):
            self.assertEqual([child["text"] for child in settings["children"]
                              if child["class"].lower() == "static"], [TINT_NAMES, LOGON_ANSWERS])
        with self.subTest("percentage"):
            self.assertEqual(snapshot.percent, "0%")
        with self.subTest("sliders"):
            sliders = [c for c in settings["children"] if c["class"] == "msctls_trackbar32"]
            self.assertEqual([(s["min"], s["max"]) for s in sliders], SLIDER_RANGES)
            self.assertEqual(snapshot.positions, (0, 0, 1))
            self.assertEqual(snapshot.focused_slider, 1)

        overlay = snapshot.overlay
        with self.subTest("overlay geometry"):
            self.assertIsNotNone(overlay)
            self.assertEqual(rect(overlay), OVERLAY_RECT)
            self.assertTrue(overlay["visible"])
        with self.subTest("overlay is a bare popup without a taskbar button"):
            self.assertEqual(overlay["style"] & (WS_POPUP | WS_CAPTION), WS_POPUP)
            self.assertIsNotNone(overlay["owner"])
            self.assertTrue(overlay["owner"]["exstyle"] & WS_EX_TOOLWINDOW)
            self.assertFalse(overlay["owner"]["visible"])
        with self.subTest("overlay lets clicks through"):
            clickthrough = WS_EX_LAYERED | WS_EX_TRANSPARENT
            self.assertEqual(overlay["exstyle"] & clickthrough, clickthrough)

        with self.subTest("nothing written at start-up"):
            self.assertIsNone(program.config())
            self.assertIsNone(self.session.run_value())

    def test_escape_in_settings_window_saves_defaults(self):
        program = self.start()
        self.focus_settings(program)
        self.close_and_check_exit(program, "Escape")
        data = program.config()
        self.assertIsNotNone(data, "no config.ini beside the program")
        self.assertEqual(parse_settings_file(data), expected_settings(0, 0, 1))
        self.assertIsNone(self.session.run_value())


class FirstStartUnderCLocale(FirstStart, ProgramTestCase):
    lang = "C"


class FirstStartUnderChineseLocale(FirstStart, ProgramTestCase):
    lang = "zh_CN.UTF-8"


if __name__ == "__main__":
    unittest.main()
