"""What every end-to-end test stands on: an X display of its own with a compositor, the
Wine prefix "x11", a fresh copy of vireshade.exe per test, and the probe that reads the
program's windows from inside Wine.

The X session is shared by the whole run (starting Xvfb, the compositor and Wine's
services costs seconds) and is torn down at exit.
"""

import atexit
import json
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]

SCREEN_WIDTH, SCREEN_HEIGHT = 1920, 1080

# Win32 bits the tests look at.
WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000
WS_EX_TOPMOST = 0x00000008
WS_EX_TRANSPARENT = 0x00000020
WS_EX_TOOLWINDOW = 0x00000080
WS_EX_LAYERED = 0x00080000
REG_SZ = 1

SETTINGS_CAPTION_START = "Vireshade - 作者"
OVERLAY_CAPTION = "Vireshade - 屏幕"

# The settings file's names, as the program spells them in GBK.
OPACITY, TINT, START_AT_LOGON = "亮度", "颜色", "是否自启"

RUN_KEY = r"HKLM\software\microsoft\windows\CurrentVersion\Run"

# A prepared settings file is dated long ago, so that any write shows, even one of the
# same bytes.
PREPARED_MTIME_NS = 1_000_000_000 * 10**9

# Wine's errors only: they explain a Windows program that never got to run.
WINE_DEBUG = "-all,err+all"
# Now and then a Wine process cannot map its fixed shared page and ends before the program
# in it starts; that is the host's address-space lottery, and another start wins it.
WINE_START_FLAKE = b"failed to map the shared user data"
WINE_START_ATTEMPTS = 3

# Long enough for a repaint of the whole overlay under Wine (1-2 s) several times over.
SETTLE_TIMEOUT = 20.0


def poll(fetch, until, timeout=SETTLE_TIMEOUT, interval=0.25):
    """Fetches until the value satisfies `until` or time runs out, and returns the last
    value either way: the caller asserts on it, so a failure shows what was seen."""
    deadline = time.monotonic() + timeout
    while True:
        value = fetch()
        if until(value) or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def settings_file(**values):
    """config.ini as the program would find it: GBK names, CRLF lines. Keyword names are
    opacity, tint and start_at_logon; values are written as given (ints or raw text)."""
    names = {"opacity": OPACITY, "tint": TINT, "start_at_logon": START_AT_LOGON}
    lines = []
    for key, value in values.items():
        name = names[key]
        lines += [f"[{name}]", f"{name}={value}"]
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def parse_settings_file(data):
    """{section: {key: value}} from the file's bytes, names decoded as GBK."""
    sections = {}
    current = None
    for raw in data.split(b"\n"):
        line = raw.rstrip(b"\r").decode("gbk")
        if not line.strip():
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        else:
            key, _, value = line.partition("=")
            if current is None:
                raise ValueError(f"key outside any section: {line!r}")
            current[key] = value
    return sections


def expected_settings(opacity, tint, start_at_logon):
    """The parsed file the program writes: each value in a section of its own name."""
    return {name: {name: str(value)} for name, value in
            ((OPACITY, opacity), (TINT, tint), (START_AT_LOGON, start_at_logon))}


def windows_path(path):
    """Wine's Z: drive is the Unix root."""
    return "Z:" + str(path).replace("/", "\\")


def _wine_environment():
    """The variables scripts/wine-env.sh exports for the x11 prefix."""
    script = f'. "{ROOT}/scripts/wine-env.sh" x11 >/dev/null && env -0'
    output = subprocess.run(["bash", "-c", script], check=True, capture_output=True).stdout
    wanted = ("WINE", "WINEPREFIX", "WINEARCH", "WINELOADER", "WINEDEBUG", "WINEDLLOVERRIDES",
              "VIRESHADE_PRESET", "VIRESHADE_WIN_ARCH")
    pairs = (item.split("=", 1) for item in output.decode().split("\0") if "=" in item)
    return {name: value for name, value in pairs if name in wanted}


class Snapshot:
    """One look at the program's windows through the probe."""

    def __init__(self, windows):
        self.windows = windows
        self.settings = next((w for w in windows
                              if w["caption"].startswith(SETTINGS_CAPTION_START)), None)
        self.overlay = next((w for w in windows if w["caption"] == OVERLAY_CAPTION), None)

    def _settings_children(self):
        if self.settings is None:
            raise AssertionError(f"the settings window is gone: {self}")
        return self.settings["children"]

    def _sliders(self):
        return [c for c in self._settings_children() if c["class"] == "msctls_trackbar32"]

    @property
    def ready(self):
        return self.settings is not None and self.settings["visible"]

    @property
    def percent(self):
        picture = self._settings_children()[0]
        return picture["children"][0]["text"]

    @property
    def positions(self):
        """The thumbs of 滑块条1, 滑块条2 and 滑块条3."""
        return tuple(slider["pos"] for slider in self._sliders())

    @property
    def focused_slider(self):
        """1, 2 or 3 for the slider holding the keyboard focus, else None."""
        for number, slider in enumerate(self._sliders(), start=1):
            if slider["focused"]:
                return number
        return None

    def __repr__(self):
        return json.dumps(self.windows, ensure_ascii=False)


class Session:
    """Xvfb, xcompmgr and a running wineserver for the x11 prefix."""

    def __init__(self):
        self.wine_env = _wine_environment()
        preset = self.wine_env["VIRESHADE_PRESET"]
        build = ROOT / "out" / "build" / preset
        self.program_exe = Path(os.environ.get("VIRESHADE_E2E_PROGRAM", build / "vireshade.exe"))
        self.probe_exe = build / "tests" / "e2e" / "vireshade_probe.exe"
        for needed in (self.program_exe, self.probe_exe):
            if not needed.is_file():
                raise RuntimeError(f"{needed} is missing: run scripts/build.sh first")
        self.work = Path(tempfile.mkdtemp(prefix="vireshade-e2e-")).resolve()
        self.processes = []
        self.env = None

    # -- start and stop -------------------------------------------------------------

    def start(self):
        self.env = dict(os.environ, **self.wine_env)
        self.env["WINEDEBUG"] = WINE_DEBUG
        for name in ("LC_ALL", "LC_CTYPE", "LANGUAGE"):
            self.env.pop(name, None)
        self.env["LANG"] = "C"
        self.env["DISPLAY"] = f":{self._start_xvfb()}"
        self._wait(lambda: self._quiet(["xdpyinfo"]) == 0, 10, "the X server")
        # Before any window: without a compositor layered windows are not blended.
        self.processes.append(self._spawn(["xcompmgr"], "xcompmgr.log"))
        self._wait(lambda: '"xcompmgr"' in self.x_windows(), 10, "xcompmgr")
        # A server left over in this prefix would still talk to some other display.
        self._quiet(["wineserver", "-k"])
        self._quiet(["wineserver", "-w"])
        self._quiet(["wineserver", "-p"])
        # Wine's services start with the first program and live on, holding on to whatever
        # it was given: nothing but files.
        self.wine("cmd", "/c", "exit")
        # Without a window manager Wine never learns of X focus changes unless told to
        # follow them; with this, `xdotool windowfocus` activates a window as a window
        # manager would. Only the program under test is concerned.
        self.wine("reg", "add", r"HKCU\Software\Wine\AppDefaults\vireshade.exe\X11 Driver",
                  "/v", "UseTakeFocus", "/d", "N", "/f")

    def stop(self):
        if self.env is not None:
            self._quiet(["wineserver", "-k"])
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()
        shutil.rmtree(self.work, ignore_errors=True)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.processes.append(self._spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"],
            "xvfb.log", pass_fds=(write_end,)))
        os.close(write_end)
        # Xvfb writes the number and the newline apart, and dies if the pipe is closed
        # between the two.
        answer = b""
        try:
            while not answer.endswith(b"\n") and select.select([read_end], [], [], 30)[0]:
                chunk = os.read(read_end, 64)
                if not chunk:
                    break
                answer += chunk
        finally:
            os.close(read_end)
        number = answer.decode().strip()
        if not number.isdigit():
            raise RuntimeError("Xvfb did not start; see " + str(self.work / "xvfb.log"))
        return number

    def _spawn(self, command, log_name, **options):
        log = open(self.work / log_name, "ab")
        try:
            return subprocess.Popen(command, env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT, **options)
        finally:
            log.close()

    def _quiet(self, command):
        return subprocess.run(command, env=self.env, stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode

    @staticmethod
    def _wait(condition, timeout, what):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() >= deadline:
                raise RuntimeError(f"{what} did not come up in {timeout} s")
            time.sleep(0.1)

    # -- tools ----------------------------------------------------------------------

    def wine(self, *args, timeout=60):
        """Runs a Windows program to its end. Its output goes through files, not pipes:
        whichever Wine program first needs the desktop starts Wine's desktop process, which
        keeps that program's standard handles open for as long as it runs."""
        for _ in range(WINE_START_ATTEMPTS):
            with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
                result = subprocess.run([self.wine_env["WINE"], *args], env=self.env,
                                        stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                        timeout=timeout)
                out.seek(0)
                err.seek(0)
                result.stdout, result.stderr = out.read(), err.read()
            if WINE_START_FLAKE not in result.stderr:
                break
        return result

    def probe(self, *args):
        result = self.wine(str(self.probe_exe), *args)
        if result.returncode != 0:
            raise AssertionError(f"probe {' '.join(args)} failed ({result.returncode}): "
                                 f"{result.stdout.decode(errors='replace')}"
                                 f"{result.stderr.decode(errors='replace')}")
        return result.stdout.decode()

    def snapshot(self):
        return Snapshot(json.loads(self.probe("windows")))

    def run_value(self):
        """The Run value as {"type": ..., "data": ...}, or None."""
        return json.loads(self.probe("run-value"))

    def delete_run_value(self):
        self.wine("reg", "delete", RUN_KEY, "/v", "Vireshade", "/f")

    def x_windows(self):
        return subprocess.run(["xwininfo", "-root", "-children"], env=self.env,
                              capture_output=True).stdout.decode(errors="replace")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=30)

    def focus(self, x_window):
        self.xdotool("windowfocus", "--sync", str(x_window))

    def press(self, *keys):
        """Keys go wherever X focus is, as a keyboard's would."""
        self.xdotool("key", *keys)

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def screen(self):
        shot = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env, check=True, capture_output=True, timeout=30)
        return Screen(shot.stdout)


class Screen:
    """A screenshot of the root window, composited, as a binary PPM."""

    def __init__(self, ppm):
        fields = []
        offset = 0
        while len(fields) < 4:  # magic, width, height, maximum
            while ppm[offset:offset + 1].isspace():
                offset += 1
            end = offset
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[offset:end])
            offset = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError(f"unexpected screenshot header {fields}")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[offset + 1:]

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at:at + 3])


class Backdrop:
    """A plain full-screen window beneath the program's, which reports its clicks."""

    def __init__(self, session, colour):
        for _ in range(WINE_START_ATTEMPTS):
            # Files, not pipes, for the reason given at Session.wine.
            self.output = tempfile.TemporaryFile()
            self.errors = tempfile.TemporaryFile()
            self.process = subprocess.Popen(
                [session.wine_env["WINE"], str(session.probe_exe), "backdrop", colour],
                env=session.env, stdin=subprocess.DEVNULL, stdout=self.output,
                stderr=self.errors)
            self.read = 0
            first = self.next_line(timeout=60)
            if first and first.startswith("ready"):
                return
            self.errors.seek(0)
            errors = self.errors.read()
            self.stop()
            if WINE_START_FLAKE not in errors:
                break
        raise RuntimeError(f"the backdrop did not come up: {first!r} {errors!r}")

    def next_line(self, timeout):
        """The next line printed, or None if none comes within `timeout` seconds or the
        backdrop has ended."""
        deadline = time.monotonic() + timeout
        while True:
            self.output.seek(self.read)
            line = self.output.readline()
            if line.endswith(b"\n"):
                self.read += len(line)
                return line.decode(errors="replace").strip()
            if time.monotonic() >= deadline or self.process.poll() is not None:
                return None
            time.sleep(0.1)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self.output.close()
        self.errors.close()


class Program:
    """One run of vireshade.exe from a fresh directory of its own."""

    def __init__(self, session, directory, config=None, lang="C"):
        self.session = session
        self.directory = directory
        directory.mkdir(parents=True)
        self.exe = directory / "vireshade.exe"
        shutil.copyfile(session.program_exe, self.exe)
        if config is not None:
            self.config_path.write_bytes(config)
            os.utime(self.config_path, ns=(PREPARED_MTIME_NS, PREPARED_MTIME_NS))
        self.env = dict(session.env, LANG=lang)
        self.log_path = directory.parent / (directory.name + ".log")
        self.launches = 0
        self._launch()

    def _launch(self):
        self.launches += 1
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([self.session.wine_env["WINE"], str(self.exe)],
                                            cwd=self.directory, env=self.env,
                                            stdin=subprocess.DEVNULL, stdout=log,
                                            stderr=subprocess.STDOUT)

    def log(self):
        return self.log_path.read_bytes().decode(errors="replace")

    @property
    def config_path(self):
        return self.directory / "config.ini"

    def config(self):
        """The settings file's bytes, or None while there is none."""
        return self.config_path.read_bytes() if self.config_path.exists() else None

    def snapshot(self):
        return self.session.snapshot()

    def wait_ready(self, timeout=60):
        """The settings window shows only after the overlay's first repaint."""
        while True:
            snapshot = poll(self.snapshot, lambda s: s.ready or self.process.poll() is not None,
                            timeout=timeout, interval=0.2)
            if snapshot.ready:
                return snapshot
            if (self.process.poll() is None or self.launches >= WINE_START_ATTEMPTS
                    or WINE_START_FLAKE.decode() not in self.log()):
                raise AssertionError(f"the program did not show its settings window "
                                     f"(exit code {self.process.poll()}): {snapshot}\n"
                                     f"{self.log()}")
            self._launch()

    def wait_until(self, until, timeout=SETTLE_TIMEOUT):
        return poll(self.snapshot, until, timeout=timeout)

    def wait_exit(self, timeout=30):
        """The exit code, or None if the program is still running after `timeout`."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


_session = None
_session_failure = None


def _exit_on_terminate(*_):
    # A run stopped from outside must still take its X server and Wine down (atexit).
    raise SystemExit(143)


def shared_session():
    """The run's session, started by the first test that needs it. A session that failed
    to start fails every later test at once instead of being tried again."""
    global _session, _session_failure
    if _session_failure is not None:
        raise RuntimeError("the X session could not be started") from _session_failure
    if _session is None:
        session = Session()
        signal.signal(signal.SIGTERM, _exit_on_terminate)
        try:
            session.start()
        except BaseException as failure:
            session.stop()
            _session_failure = failure
            raise
        atexit.register(session.stop)
        _session = session
    return _session


class ProgramTestCase(unittest.TestCase):
    """Gives each test a clean registry value, fresh directories, and cleans up after it:
    no program or backdrop outlives its test, and the next test starts on an empty
    screen."""

    lang = "C"

    def setUp(self):
        self.session = shared_session()
        self.session.delete_run_value()
        self._runs = []
        self._backdrops = []
        self.addCleanup(self._clean_up)

    def start(self, config=None, directory="program", lang=None):
        """Starts the program and waits for its settings window. A run left from an earlier
        subtest goes first, so that only one program's windows are ever on the screen."""
        self._stop_programs()
        base = Path(tempfile.mkdtemp(prefix="test-", dir=self.session.work))
        program = Program(self.session, base / directory, config=config, lang=lang or self.lang)
        self._runs.append(program)
        program.wait_ready()
        return program

    def backdrop(self, colour):
        """Shows a backdrop in place of any earlier one of this test."""
        for earlier in self._backdrops:
            earlier.stop()
        backdrop = Backdrop(self.session, colour)
        self._backdrops.append(backdrop)
        return backdrop

    def focus_settings(self, program):
        snapshot = program.snapshot()
        self.session.focus(snapshot.settings["xid"])
        snapshot = program.wait_until(lambda s: s.settings["foreground"])
        self.assertTrue(snapshot.settings["foreground"],
                        "the settings window did not stay active; overlay active: "
                        f"{snapshot.overlay and snapshot.overlay['foreground']}")

    def assert_config_untouched(self, program, prepared):
        data = program.config()
        self.assertIsNotNone(data, "config.ini was removed")
        self.assertEqual(parse_settings_file(data), parse_settings_file(prepared))
        self.assertEqual(data, prepared)
        self.assertEqual(program.config_path.stat().st_mtime_ns, PREPARED_MTIME_NS,
                         "config.ini was written")

    def close_and_check_exit(self, program, key):
        """Presses `key` and asserts that the program ends with exit code 0."""
        self.session.press(key)
        self.assertEqual(program.wait_exit(), 0, f"exit code after {key}")

    def _stop_programs(self):
        if any(program.process.poll() is None for program in self._runs):
            for program in self._runs:
                program.stop()
            poll(self.session.snapshot, lambda s: not s.windows, timeout=30)

    def _clean_up(self):
        self._stop_programs()
        for backdrop in self._backdrops:
            backdrop.stop()
