"""Start at logon: the third slider writes or deletes the Run value at once."""

import unittest

from harness import (REG_SZ, ProgramTestCase, expected_settings, parse_settings_file, poll,
                     windows_path)


class StartAtLogonTest(ProgramTestCase):

    def test_slider_writes_and_deletes_run_value(self):
        # A space in the path is what the quotes are for; a Chinese user's folder is only
        # expressible in the ANSI code page of a Chinese locale.
        installs = [("C", "Vireshade install dir"), ("zh_CN.UTF-8", "护眼 工具")]
        for lang, directory in installs:
            with self.subTest(lang=lang, directory=directory):
                self.check_run_value_follows_slider(lang, directory)

    def check_run_value_follows_slider(self, lang, directory):
        program = self.start(directory=directory, lang=lang)
        run_value = {"type": REG_SZ, "data": '"' + windows_path(program.exe) + '"'}
        self.focus_settings(program)
        self.session.press("Tab", "Tab")
        self.assertEqual(program.wait_until(lambda s: s.focused_slider == 3).focused_slider, 3)

        steps = [("End", 2, run_value), ("Home", 1, None), ("Right", 2, run_value),
                 ("Left", 1, None), ("End", 2, run_value)]
        for key, thumb, expected in steps:
            self.session.press(key)
            snapshot = program.wait_until(lambda s: s.positions[2] == thumb)
            value = poll(self.session.run_value, lambda v: v == expected, timeout=10)
            self.assertEqual((key, snapshot.positions[2], value), (key, thumb, expected))

        self.close_and_check_exit(program, "Escape")
        self.assertEqual(parse_settings_file(program.config() or b""),
                         expected_settings(0, 0, 2))
        self.session.delete_run_value()


if __name__ == "__main__":
    unittest.main()
