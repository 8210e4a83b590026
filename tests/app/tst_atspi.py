#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

"""Reads and drives every window of the program as a screen reader does: over AT-SPI, on a
virtual X display with a D-Bus session and an accessibility bus of its own, all started
here and always stopped again. The program runs twice, on an English desktop and then on a
Japanese one, and must speak each desktop's language.

Usage: tst_atspi.py PROGRAM   (run by Debian's /usr/bin/python3, which has pyatspi)
"""

import ctypes
import dataclasses
import datetime
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

WHOLE_RUN_SECONDS = 120
WAIT_SECONDS = 15
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
PR_SET_CHILD_SUBREAPER = 36

# What the converter shows for 180 cm, by box (object name), whatever the language.
CONVERTED_180_CM = {"m": "1.8", "inch": "70.8661417323", "mile": "0.0011180124",
                    "feet_c": "5", "inch_c": "9.6774193548"}


@dataclasses.dataclass(frozen=True)
class Language:
    """What a screen reader hears of the program on a desktop in one language. Menu items are
    heard without their "&": "E&xit" is "Exit", "終了(&X)" is "終了(X)"."""
    name: str
    desktop: str  # LANG
    options_menu: str
    tool_items: dict  # the Options menu's items, in order, by what they do
    titles: dict  # the tools' windows
    help_item: str
    help_title: str
    converter_frames: list
    button_name: str  # a converter button's name, from its verb and row
    button_verbs: tuple
    button_rows: tuple
    pair_caption: str
    box_names: dict  # by object name
    relations: dict  # the boxes' descriptions, by object name
    converter_help: str  # the help's first line
    analyzer_frames: list
    open_item: str
    open_title: str
    drive: str
    folder: str
    files: str
    selected_file: str  # {} is the file
    no_file: str
    analyze: str
    filename: str
    header_values: dict  # a value's heading: the value


ENGLISH = Language(
    name="en", desktop="C.UTF-8", options_menu="Options",
    tool_items={"converter": "Unit Converter", "dialer": "Country Code", "calendar": "Calendar",
                "analyzer": "Wave File Analyzer", "exit": "Exit"},
    titles={"converter": "Unit Converter", "dialer": "International Telephone Country Code",
            "calendar": "Calendar", "analyzer": "Wave File Analyzer"},
    help_item="Help", help_title="Help",
    converter_frames=["Length/Distance", "Area", "Volume", "Weight", "Temperature"],
    button_name="{verb} {row}", button_verbs=("Clear", "Convert"),
    button_rows=("length/distance", "area", "volume", "weight", "temperature"),
    pair_caption="feet + inch",
    box_names={"cm": "cm", "m": "m", "inch": "inch", "mile": "mile", "foot": "foot",
               "feet_c": "feet + inch, feet", "inch_c": "feet + inch, inch", "tsubo": "Tsubo",
               "go": "Go", "sho": "Sho"},
    relations={"tsubo": "1 tsubo = 3.306 sq. m", "foot": "1 foot = 31 cm = 0.31 m",
               "go": "1 go = 0.18 litres", "sho": "1 sho = 10 go"},
    converter_help="Utility function:",
    analyzer_frames=["Filename", "Header Information"],
    open_item="Open", open_title="Open", drive="Drive", folder="Folder", files="Files",
    selected_file="Selected file, {}", no_file="none", analyze="Analyze", filename="Filename",
    header_values={"Sampling frequency": "22.05 KHz", "Channels": "Stereo",
                   "Bits per sample": "16"})

JAPANESE = Language(
    name="ja", desktop="ja_JP.UTF-8", options_menu="オプション(O)",
    tool_items={"converter": "単位換算", "dialer": "国番号", "calendar": "カレンダー",
                "analyzer": "WAVファイル解析", "exit": "終了(X)"},
    titles={"converter": "単位換算", "analyzer": "WAVファイル解析"},
    help_item="ヘルプ(H)", help_title="ヘルプ",
    converter_frames=["長さ・距離", "面積", "体積", "重さ", "温度"],
    button_name="{row}を{verb}", button_verbs=("クリア", "変換"),
    button_rows=("長さ・距離", "面積", "体積", "重さ", "温度"),
    pair_caption="フィート + インチ",
    box_names={"cm": "cm", "m": "m", "inch": "インチ", "mile": "マイル", "foot": "フィート",
               "feet_c": "フィート＋インチ、フィート", "inch_c": "フィート＋インチ、インチ",
               "tsubo": "坪", "go": "合", "sho": "升"},
    relations={"tsubo": "1 坪 = 3.306 平方メートル", "foot": "1 フィート = 31 cm = 0.31 m",
               "go": "1 合 = 0.18 リットル", "sho": "1 升 = 10 合"},
    converter_help="機能:",
    analyzer_frames=["ファイル名", "ヘッダー情報"],
    open_item="開く(O)", open_title="開く", drive="ドライブ", folder="フォルダー", files="ファイル",
    selected_file="選択したファイル、{}", no_file="なし", analyze="解析", filename="ファイル名",
    header_values={"サンプリング周波数": "22.05 kHz", "チャンネル": "ステレオ",
                   "量子化ビット数": "16"})


class Failure(Exception):
    pass


class OutOfTime(BaseException):
    """Not an Exception: no check that carries on after its own failure, and no probe that
    takes a failure for "not yet", may carry on after this one."""


class Services:
    """The display, the session bus and the accessibility bus, each in a process group of
    its own, so that stopping one stops whatever it started."""

    def __init__(self):
        # What the services start in turn (the accessibility bus, its registry) becomes our
        # child when its parent ends, so that it can be reaped here, not left behind.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.processes = []
        self.env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS"):
            self.env.pop(name, None)

    def start(self, args, env=None, **options):
        process = subprocess.Popen(args, env=env or self.env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def start_reporting(self, args, fd_option, stderr=None):
        """Starts a service that tells its display or address on a pipe."""
        read_end, write_end = os.pipe()
        self.start(args + [fd_option.format(write_end)], pass_fds=[write_end], stderr=stderr)
        os.close(write_end)
        try:
            line = b""
            deadline = time.monotonic() + WAIT_SECONDS
            while not line.endswith(b"\n"):
                ready, _, _ = select.select([read_end], [], [], deadline - time.monotonic())
                chunk = os.read(read_end, 256) if ready else b""
                if not chunk:
                    raise Failure(f"{args[0]} did not start")
                line += chunk
            return line.decode().strip()
        finally:
            os.close(read_end)

    def start_all(self, runtime_dir):
        self.env["XDG_RUNTIME_DIR"] = runtime_dir
        display = self.start_reporting(
            ["Xvfb", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset",
             "-displayfd"], "{}")
        self.env["DISPLAY"] = ":" + display
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start_reporting(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile"], "--print-address={}",
            stderr=subprocess.DEVNULL)  # its complaints about fd limits
        launcher = next((path for path in BUS_LAUNCHERS if os.access(path, os.X_OK)), None)
        if not launcher:
            raise Failure("at-spi-bus-launcher not found (package at-spi2-core)")
        self.start([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL)

    def stop(self, process):
        for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                break
            try:
                process.wait(grace)
                break
            except subprocess.TimeoutExpired:
                pass
        # Its process group is gone: its number may soon be another's.
        self.processes.remove(process)

    def stop_all(self):
        while self.processes:
            self.stop(self.processes[-1])
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                if os.waitpid(-1, os.WNOHANG) == (0, 0):
                    time.sleep(0.05)  # an orphan still ending
            except ChildProcessError:
                break  # none left


def write_wave(path):
    """A 44-byte header: stereo, 22050 Hz, 16 bits per sample."""
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 2, 22050, 88200, 4, 16)
    with open(path, "wb") as file:
        file.write(b"RIFF" + struct.pack("<I", 36) + b"WAVE" + fmt + b"data" + bytes(4))


def mount_point(path):
    """The drive that the selection window starts on for a program started in `path`."""
    path = os.path.realpath(path)
    while not os.path.ismount(path):
        path = os.path.dirname(path)
    return path


class Reader:
    """What a screen reader sees of the program, and the checks made on it."""

    def __init__(self, pyatspi, glib, program, language):
        self.pyatspi = pyatspi
        self.context = glib.MainContext.default()
        self.language = language
        self.failures = []
        self.app = self.wait_for(
            lambda: next(a for a in pyatspi.Registry.getDesktop(0)
                         if a is not None and a.get_process_id() == program.pid),
            "the program on the bus", program)

    # Waiting, with the bus's events delivered meanwhile so that nothing read is stale.
    def pump(self):
        while self.context.iteration(False):
            pass

    def wait_for(self, probe, what, program=None):
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            if program and program.poll() is not None:
                raise Failure(f"the program ended ({program.returncode}) before {what}")
            self.pump()
            try:
                found = probe()
            except Exception:  # an object that went away while it was read
                found = None
            if found:
                return found
            if time.monotonic() > deadline:
                raise Failure("timed out waiting for " + what)
            time.sleep(0.05)

    # Roles are compared as AT-SPI's numbers, which screen readers go by: the English names
    # that the library gives them change between its versions ("push button" is "button" in
    # at-spi2-core 2.56).
    def has_role(self, obj, role):
        return obj.getRole() == getattr(self.pyatspi, "ROLE_" + role.upper().replace(" ", "_"))

    # Finding objects. Lists and tables are not searched: the dialer's hold 505 items.
    def descendants(self, root):
        for child in root:
            if child is None:
                continue
            yield child
            if not any(self.has_role(child, role)
                       for role in ("list", "table", "tree", "tree table")):
                yield from self.descendants(child)

    def find_all(self, root, role, name=None):
        return [obj for obj in self.descendants(root)
                if self.has_role(obj, role) and (name is None or obj.name == name)]

    def find(self, root, role, name):
        found = self.find_all(root, role, name)
        if not found:
            raise Failure(f"no {role} named {name!r} in {root.name!r}")
        return found[0]

    def window(self, name, role="frame"):
        return self.wait_for(
            lambda: next((w for w in self.app if w.name == name and self.has_role(w, role)),
                         None), f"the {role} {name!r}")

    # Acting.
    def press(self, obj, action="Press"):
        actions = obj.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise Failure(f"{obj.name!r} offers {names}, not {action}")
        actions.doAction(names.index(action))
        self.pump()

    def set_text(self, obj, text):
        obj.queryEditableText().setTextContents(text)
        self.pump()

    def focus(self, obj):
        obj.queryComponent().grabFocus()
        self.pump()

    @staticmethod
    def text(obj):
        contents = obj.queryText()
        return contents.getText(0, contents.characterCount)

    # Checking.
    def check(self, what, actual, expected):
        what = f"{self.language.name}: {what}"
        if actual == expected:
            print(f"ok    {what}: {actual!r}")
        else:
            print(f"FAIL  {what}: {actual!r}, expected {expected!r}")
            self.failures.append(what)

    def check_soon(self, what, probe, expected):
        """For what the program changes in answer to an action."""
        try:
            self.wait_for(lambda: probe() == expected, what)
        except Failure:
            pass
        self.check(what, probe(), expected)


def check_help(reader, window, first_line):
    """Its window's Help menu item opens a help window that reads its text."""
    language = reader.language
    reader.press(reader.find(window, "menu item", language.help_item))
    help_text = reader.wait_for(
        lambda: next(text for w in reader.app if w.name == language.help_title
                     for text in reader.find_all(w, "text", language.help_title)
                     if reader.text(text).startswith(first_line)), "its help window")
    reader.check(f"{window.name}: help", reader.text(help_text).splitlines()[0], first_line)


def open_tool(reader, tool):
    main = reader.window("Zendrel")
    reader.press(reader.find(main, "menu item", reader.language.tool_items[tool]))
    return reader.window(reader.language.titles[tool])


def check_main_window(reader):
    language = reader.language
    main = reader.window("Zendrel")
    reader.check("main window: its menu and the menu's items",
                 [item.name for item in reader.find_all(main, "menu item")],
                 [language.options_menu, *language.tool_items.values()])


def check_converter(reader):
    language = reader.language
    window = open_tool(reader, "converter")

    def box(name):
        return reader.find(window, "text", language.box_names[name])

    boxes = reader.find_all(window, "text")
    reader.check("converter: unit boxes", len(boxes), 29)
    reader.check("converter: frames", [frame.name for frame in reader.find_all(window, "panel")],
                 language.converter_frames)
    reader.check("converter: names of the ten buttons",
                 sorted(b.name for b in reader.find_all(window, "push button")),
                 sorted(language.button_name.format(verb=verb, row=row)
                        for verb in language.button_verbs for row in language.button_rows))
    reader.check("converter: the pair's caption spoken without braces and blanks",
                 bool(reader.find_all(window, "label", language.pair_caption)), True)
    for name, relation in language.relations.items():
        reader.check(f"converter: {name} box tells its relation", box(name).description,
                     relation)

    reader.set_text(box("cm"), "180")
    reader.press(reader.find(window, "push button", language.button_name.format(
        verb=language.button_verbs[1], row=language.button_rows[0])))
    for name, value in CONVERTED_180_CM.items():
        reader.check_soon(f"converter: 180 cm in {language.box_names[name]}",
                          lambda found=box(name): reader.text(found), value)
    check_help(reader, window, language.converter_help)


def check_dialer(reader):
    window = open_tool(reader, "dialer")
    reader.check("dialer: result caption spoken without its trailing blank",
                 bool(reader.find_all(window, "label", "Dial this number first")), True)
    source = reader.find(window, "text", "Source country")
    destination = reader.find(window, "text", "Destination country")
    result = reader.find(window, "text", "Dial this number first")
    # As a screen reader sets them: the texts only, no key press, no choice from the list.
    reader.set_text(source, "United States of America")
    reader.set_text(destination, "Japan")
    reader.press(reader.find(window, "push button", "Submit"))
    reader.check_soon("dialer: Submit composes from the texts set",
                      lambda: reader.text(result), "011-81-(0)-")
    check_help(reader, window, "Dialing sequence of international telephone number:")


def check_calendar(reader):
    window = open_tool(reader, "calendar")
    today = datetime.date.today()
    reader.check("calendar: opens on this month",
                 bool(reader.find_all(window, "filler", today.strftime("%B %Y"))), True)
    month = reader.find(window, "text", "Month")
    year = reader.find(window, "text", "Year")
    # Setting a field, then moving on, confirms it. February 2000 starts on a Tuesday.
    reader.focus(year)
    reader.set_text(year, "2000")
    reader.focus(month)
    reader.set_text(month, "2")
    reader.focus(year)
    grid = reader.wait_for(lambda: next(iter(reader.find_all(window, "filler", "February 2000")),
                                        None), "February 2000 laid out")
    cells = [cell.name for cell in grid]
    reader.check("calendar: cells", len(cells), 37)
    reader.check("calendar: before the first day", cells[:2], ["", ""])
    reader.check("calendar: the first day", cells[2], "Tuesday 1 February 2000")
    reader.check("calendar: the leap day", cells[30], "Tuesday 29 February 2000")
    reader.check("calendar: hidden cells have no name", cells[31:], [""] * 6)


def check_analyzer(reader, wave_path):
    language = reader.language
    window = open_tool(reader, "analyzer")
    reader.check("analyzer: frames", [frame.name for frame in reader.find_all(window, "panel")],
                 language.analyzer_frames)
    reader.press(reader.find(window, "menu item", language.open_item))
    dialog = reader.window(language.open_title, role="dialog")
    drive = reader.find_all(dialog, "combo box")[0]
    reader.check("selection: the drive list says what it is", drive.name, language.drive)
    drives = drive[0].queryTable()
    reader.check("selection: the drive chosen is its list's selected item",
                 [drives.getAccessibleAt(row, 0).name for row in drives.getSelectedRows()],
                 [mount_point(os.path.dirname(wave_path))])
    folders = reader.find(dialog, "tree", language.folder)
    reader.check("selection: the folder tree's column", folders[0].name, language.folder)
    reader.check("selection: nothing selected yet",
                 bool(reader.find_all(dialog, "label",
                                      language.selected_file.format(language.no_file))), True)
    files = reader.find(dialog, "list", language.files)
    names = [item.name for item in files]
    reader.check("selection: the files listed", names, [os.path.basename(wave_path)])
    # Qt 6.4 offers no Selection interface; its lists are tables of one column.
    files.queryTable().addRowSelection(0)
    reader.check_soon("selection: the selected file is named",
                      lambda: bool(reader.find_all(dialog, "label",
                                                   language.selected_file.format(wave_path))),
                      True)
    reader.press(reader.find(dialog, "push button", language.analyze))
    reader.wait_for(lambda: all(w.name != language.open_title for w in reader.app),
                    "the Open window to close")
    values = {relation.getTarget(0).name: label.name
              for label in reader.find_all(window, "label")
              for relation in label.getRelationSet()
              if relation.getRelationType() == reader.pyatspi.RELATION_LABELLED_BY
              and reader.has_role(relation.getTarget(0), "label")}
    reader.check("analyzer: values read by name, labelled by their headings", values,
                 language.header_values)
    reader.check("analyzer: the file's path",
                 reader.text(reader.find(window, "text", language.filename)), wave_path)


def read_program(services, program, folder, language, checks, pyatspi, glib):
    """Starts the program on a desktop in `language`, makes the checks on it, ends it again,
    and tells whether every check held."""
    # LANG alone says the language, as on a desktop where nothing overrides it.
    env = {name: value for name, value in services.env.items()
           if name != "LANGUAGE" and not name.startswith("LC_")}
    plim = services.start([program], env=dict(env, LANG=language.desktop), cwd=folder)
    try:
        reader = Reader(pyatspi, glib, plim, language)
        # A window that fails on the way does not keep the next from being checked.
        for check in checks:
            try:
                check(reader)
            except Failure as failure:
                print(f"FAIL  {language.name}: {failure}")
                reader.failures.append(str(failure))
        reader.check("program still running", plim.poll(), None)
        return not reader.failures
    except Failure as failure:
        print(f"FAIL  {language.name}: {failure}")
        return False
    finally:
        services.stop(plim)


def run(program):
    services = Services()
    folder = tempfile.mkdtemp(prefix="zendrel-atspi-")
    try:
        runtime_dir = os.path.join(folder, "runtime")
        os.mkdir(runtime_dir, 0o700)
        wave_path = os.path.join(folder, "tone.wav")
        write_wave(wave_path)
        services.start_all(runtime_dir)
        # pyatspi finds the buses through these, so it is imported only now.
        os.environ.update(services.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import GLib
        import pyatspi

        program_env = dict(services.env, QT_QPA_PLATFORM="xcb",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if "ASAN_OPTIONS" in program_env:
            # Under the sanitizer build: libxkbcommon-x11 hands strndup() key names that are
            # not NUL-terminated, which strndup allows and strict string checks do not.
            program_env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        services.env = program_env

        def check_analyzer_file(reader):
            check_analyzer(reader, wave_path)

        # The dialer and the calendar are not in Japanese yet.
        runs = ((ENGLISH, (check_main_window, check_converter, check_dialer, check_calendar,
                           check_analyzer_file)),
                (JAPANESE, (check_main_window, check_converter, check_analyzer_file)))
        # One after the other, each with a program of its own; the second whatever the first found.
        passed = [read_program(services, program, folder, language, checks, pyatspi, GLib)
                  for language, checks in runs]
        return all(passed)
    finally:
        services.stop_all()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)

    def out_of_time(_signal, _frame):
        raise OutOfTime(f"the whole run took more than {WHOLE_RUN_SECONDS} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(WHOLE_RUN_SECONDS)
    try:
        passed = run(os.path.abspath(sys.argv[1]))
    except (Exception, OutOfTime) as failure:  # also what pyatspi raises for a missing interface
        print(f"FAIL  {type(failure).__name__}: {failure}")
        passed = False
    print("PASS" if passed else "FAILED")
    sys.exit(0 if passed else 1)


if __name__ == "__main__":
    main()
