# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
"""Starts Quorvel on Wayland and drives it through its accessibility tree (AT-SPI) only.

Checks that the About window shows first and the calculator window about 1.5 s later, that .8 and 2 give
.8889, and that File > Quit ends the program with status 0. Prints one line per step; exits 1 with the
reason on the first failure.

Run by scripts/check-wayland.sh, which provides the compositor and the buses: the program inherits this
process's environment, and the accessibility bus must already be up on the session bus.

The program joins the accessibility bus only once its event loop runs, when the About window is already
up, and a busy machine can delay that by a second or more. So when each window came and went is read
from the compositor's own record of the program's requests (Weston's "proto" log scope), while the
contents of the windows, and every action, go through the accessibility tree.
"""

import argparse
import re
import signal
import subprocess
import sys
import time
import warnings
from dataclasses import dataclass
from datetime import datetime

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Its successor get_name is not in the binding's typelib; the localized name would depend on the locale.
warnings.filterwarnings("ignore", r".*get_action_name", DeprecationWarning)

# Generous bounds: the machine running the check may be busy.
REGISTER_TIMEOUT = 30.0
WINDOW_TIMEOUT = 15.0
ANSWER_TIMEOUT = 10.0
EXIT_TIMEOUT = 10.0
POLL_INTERVAL = 0.02
# A D-Bus call that takes longer than this fails (and is tried again while polling).
METHOD_CALL_TIMEOUT_MS = 5000
# The calculator follows the About window when a 1.5 s timer fires; the bounds leave room for a busy
# machine, not for a different splash time.
SPLASH_DELAY_RANGE = (1.0, 5.0)

CALCULATOR_TITLE = "Quorvel"
# The About window has no title on screen; screen readers know it by this name.
ABOUT_NAME = "About Quorvel"
FIELD_A = "Reliability of original test"
FIELD_B = "Proportional change in test length (.01 - 100)"
FIELD_AB = "Reliability of modified test"

started = time.monotonic()


class CheckFailed(Exception):
    pass


def log(message):
    print(f"[{time.monotonic() - started:6.2f} s] {message}", flush=True)


def poll(what, probe, timeout):
    """Calls probe until it returns something other than None; a D-Bus error counts as not yet."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = probe()
            if found is not None:
                return found
        except GLib.Error:
            pass
        if time.monotonic() > deadline:
            raise CheckFailed(f"{what}: not within {timeout:g} s")
        time.sleep(POLL_INTERVAL)


# --- the accessibility tree ---


def children(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield child


def descendants(accessible):
    for child in children(accessible):
        yield child
        yield from descendants(child)


def is_showing(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.SHOWING)


def text_of(field):
    return Atspi.Text.get_text(field, 0, -1)


def the_one(accessible, role, name):
    for candidate in descendants(accessible):
        if candidate.get_role() == role and candidate.get_name() == name:
            return candidate
    raise CheckFailed(f"no {Atspi.role_get_name(role)} named {name!r}")


def do_action(accessible, action_name):
    """Runs the accessible's action of that name, as a screen reader's "activate" does."""
    count = Atspi.Action.get_n_actions(accessible)
    names = [Atspi.Action.get_action_name(accessible, index) for index in range(count)]
    for index, name in enumerate(names):
        if name.lower() == action_name.lower():
            Atspi.Action.do_action(accessible, index)
            return
    raise CheckFailed(f"{accessible.get_name()!r} has no action {action_name!r}, only {names}")


def copyright_line(window):
    return next((p.get_name() for p in descendants(window) if p.get_name().startswith("\u00a9 ")), None)


def is_about_window(window):
    """The About window: named for screen readers, with the copyright line and pictures, and no fields."""
    parts = list(descendants(window))
    return (
        window.get_name() == ABOUT_NAME
        and copyright_line(window) is not None
        and not any(p.get_role() == Atspi.Role.TEXT for p in parts)
    )


def is_calculator_window(window):
    if window.get_name() != CALCULATOR_TITLE:
        return False
    parts = {(p.get_role(), p.get_name()) for p in descendants(window)}
    wanted = {(Atspi.Role.TEXT, name) for name in (FIELD_A, FIELD_B, FIELD_AB)}
    wanted |= {(Atspi.Role.PUSH_BUTTON, name) for name in ("Calculate", "Clear")}
    return wanted <= parts


def message_box_text(application):
    """The text of a message box that is up: it would answer Calculate instead of a result."""
    for window in children(application):
        if window.get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG) and is_showing(window):
            return " ".join(p.get_name() for p in descendants(window) if p.get_role() == Atspi.Role.LABEL)
    return None


# --- the compositor's record ---

# One request in Weston's "proto" log scope, such as
# [2026-12-07 19:12:02.340][proto] client 0x55d24dbd3670 rq xdg_toplevel@22.set_title("Quorvel")
REQUEST = re.compile(r"^\[([-\d]+ [:.\d]+)\]\[proto\] client (\w+) rq (\w+)@(\d+)\.(\w+)\((.*)\)$")


@dataclass
class ScreenWindow:
    """A top-level window as the compositor saw it: times in seconds of the wall clock."""

    client: str
    surface: str
    opened: float
    title: str = ""
    size: str = "?"
    first_frame: float | None = None
    closed: float | None = None


def screen_windows(compositor_log):
    """The top-level windows of every client, in the order they were opened."""
    surface_of = {}  # (client, xdg_surface id) -> wl_surface id
    open_windows = {}  # (client, xdg_toplevel id) -> ScreenWindow
    window_of = {}  # (client, xdg_surface id) -> ScreenWindow
    with_buffer = set()  # (client, wl_surface id) with a buffer attached since its last commit
    windows = []
    with open(compositor_log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            request = REQUEST.match(line.rstrip("\n"))
            if request is None:
                continue
            stamp, client, interface, object_id, name, arguments = request.groups()
            when = datetime.strptime(stamp, "%Y-%m-%d %H:%M:%S.%f").timestamp()
            ids = re.findall(r"@(\d+)", arguments)
            key = (client, object_id)
            if interface == "xdg_wm_base" and name == "get_xdg_surface":
                surface_of[(client, ids[0])] = ids[1]
            elif interface == "xdg_surface" and name == "get_toplevel":
                window = ScreenWindow(client, surface_of[key], when)
                open_windows[(client, ids[0])] = window
                window_of[key] = window
                windows.append(window)
            elif interface == "xdg_surface" and name == "set_window_geometry" and key in window_of:
                window_of[key].size = "x".join(arguments.split(", ")[2:])
            elif interface == "xdg_surface" and name == "destroy":
                window_of.pop(key, None)
            elif interface == "xdg_toplevel" and name == "set_title" and key in open_windows:
                open_windows[key].title = arguments.strip('"')
            elif interface == "xdg_toplevel" and name == "destroy" and key in open_windows:
                open_windows.pop(key).closed = when
            elif interface == "wl_surface" and name == "attach" and "wl_buffer@" in arguments:
                with_buffer.add(key)
            elif interface == "wl_surface" and name == "commit" and key in with_buffer:
                with_buffer.discard(key)
                for window in open_windows.values():
                    if (window.client, window.surface) == key and window.first_frame is None:
                        window.first_frame = when
    return windows


def program_windows_at_start(compositor_log):
    """The windows the program opened up to the calculator window, once that has drawn its first frame."""
    windows = screen_windows(compositor_log)
    calculator = next((w for w in windows if w.title == CALCULATOR_TITLE and w.first_frame), None)
    if calculator is None:
        return None
    return [w for w in windows if w.client == calculator.client and w.opened <= calculator.opened]


# --- the steps ---


def find_application(program):
    desktop = Atspi.get_desktop(0)

    def registered():
        if program.poll() is not None:
            raise CheckFailed(f"the program exited with status {program.returncode} before showing a window")
        return next((a for a in children(desktop) if a.get_process_id() == program.pid), None)

    application = poll("the program joining the accessibility bus", registered, REGISTER_TIMEOUT)
    # Every state is read afresh from the program, not from this client's cache.
    application.set_cache_mask(Atspi.Cache.NONE)
    log(f"program on the accessibility bus as {application.get_name()!r} (pid {program.pid})")
    return application


def wait_for_calculator(application, program):
    def calculator_up():
        if program.poll() is not None:
            raise CheckFailed(f"the program exited with status {program.returncode} during start-up")
        return next((w for w in children(application) if is_showing(w) and is_calculator_window(w)), None)

    calculator = poll("the calculator window showing", calculator_up, WINDOW_TIMEOUT)
    fields = [p.get_name() for p in descendants(calculator) if p.get_role() == Atspi.Role.TEXT]
    log(f"calculator window {calculator.get_name()!r} showing, fields {fields}")
    return calculator


def find_about_window(application):
    """The splash, read while it shows: a hidden window gives back its native window and may leave the tree."""
    about = poll(
        "the About window showing",
        lambda: next((w for w in children(application) if is_showing(w) and is_about_window(w)), None),
        WINDOW_TIMEOUT,
    )
    pictures = [p.get_name() for p in descendants(about) if p.get_description()]
    if not pictures:
        raise CheckFailed("the About window shows no pictures")
    log(f"About window {about.get_name()!r}: pictures {pictures}, {copyright_line(about)!r}")
    return about


def check_about_window_hidden(application, about):
    def hidden():
        try:
            return True if about not in children(application) or not is_showing(about) else None
        except GLib.Error:
            return True  # gone from the tree with its native window

    poll("the About window hiding", hidden, WINDOW_TIMEOUT)
    log("About window hidden")


def check_start_up_order(compositor_log):
    """The About window first, then the calculator window about 1.5 s later, by the compositor's record."""
    windows = poll(
        "the calculator window's first frame in the compositor's log",
        lambda: program_windows_at_start(compositor_log),
        WINDOW_TIMEOUT,
    )
    origin = windows[0].opened
    for window in windows:
        times = [f"opened {window.opened - origin:.2f} s"]
        if window.first_frame is not None:
            times.append(f"first frame {window.first_frame - origin:.2f} s")
        if window.closed is not None:
            times.append(f"closed {window.closed - origin:.2f} s")
        log(f"compositor: window {window.title!r} {window.size}: {', '.join(times)}")
    # The About window's title is empty: the last one it sent, after the program's name that Qt sends.
    if len(windows) != 2 or windows[0].title != "" or windows[1].title != CALCULATOR_TITLE:
        raise CheckFailed(
            f"the program opened {[w.title for w in windows]} at start-up, not an untitled window"
            f" and then {CALCULATOR_TITLE!r}"
        )
    about, calculator = windows
    if about.first_frame is None:
        raise CheckFailed("the About window never reached the screen")
    if about.closed is None or about.closed > calculator.opened:
        raise CheckFailed("the About window stayed on screen after the calculator window opened")
    delay = calculator.opened - about.opened
    log(
        f"About window first, calculator window {delay:.2f} s later"
        f" (first frames {calculator.first_frame - about.first_frame:.2f} s apart)"
    )
    low, high = SPLASH_DELAY_RANGE
    if not low <= delay <= high:
        raise CheckFailed(
            f"the calculator window opened {delay:.2f} s after the About window, not {low:g}-{high:g} s later"
        )


def type_into(window, field_name, text):
    field = the_one(window, Atspi.Role.TEXT, field_name)
    Atspi.EditableText.insert_text(field, 0, text, len(text))
    typed = poll(f"{text!r} in the field {field_name!r}", lambda: text_of(field) or None, ANSWER_TIMEOUT)
    if typed != text:
        raise CheckFailed(f"the field {field_name!r} shows {typed!r} after typing {text!r}")
    log(f"typed {text!r} into {field_name!r}")


def calculate(application, window):
    result_field = the_one(window, Atspi.Role.TEXT, FIELD_AB)
    do_action(the_one(window, Atspi.Role.PUSH_BUTTON, "Calculate"), "Press")
    log("pressed Calculate")

    def answered():
        message = message_box_text(application)
        if message is not None:
            raise CheckFailed(f"Calculate answered with the message {message!r}")
        return text_of(result_field) or None

    result = poll(f"a result in {FIELD_AB!r}", answered, ANSWER_TIMEOUT)
    log(f"{FIELD_AB!r} shows {result!r}")
    if result != ".8889":
        raise CheckFailed(f"{FIELD_AB!r} shows {result!r}, not '.8889'")


def choose_quit(window):
    menu_bar = next((p for p in descendants(window) if p.get_role() == Atspi.Role.MENU_BAR), None)
    if menu_bar is None:
        raise CheckFailed("the calculator window has no menu bar")
    file_menu = the_one(menu_bar, Atspi.Role.MENU_ITEM, "File")
    do_action(file_menu, "ShowMenu")
    menu = poll(
        "the File menu opening",
        lambda: next((p for p in children(file_menu) if is_showing(p)), None),
        WINDOW_TIMEOUT,
    )
    log(f"File menu open: {[p.get_name() for p in children(menu)]}")
    quit_item = the_one(menu, Atspi.Role.MENU_ITEM, "Quit")
    if not quit_item.get_state_set().contains(Atspi.StateType.ENABLED):
        raise CheckFailed("File > Quit is disabled")
    do_action(quit_item, "Press")
    log("chose File > Quit")


def wait_for_exit(program):
    try:
        status = program.wait(EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise CheckFailed(f"the program still runs {EXIT_TIMEOUT:g} s after File > Quit") from None
    log(f"program exited with status {status}")
    if status != 0:
        raise CheckFailed(f"the program exited with status {status} after File > Quit, not 0")


def run(arguments):
    Atspi.init()
    Atspi.set_timeout(METHOD_CALL_TIMEOUT_MS, int(REGISTER_TIMEOUT * 1000))
    with open(arguments.program_output, "wb") as output:
        program = subprocess.Popen(
            [arguments.program], stdin=subprocess.DEVNULL, stdout=output, stderr=output
        )
    log(f"started {arguments.program}")
    try:
        application = find_application(program)
        about = find_about_window(application)
        calculator = wait_for_calculator(application, program)
        check_about_window_hidden(application, about)
        check_start_up_order(arguments.compositor_log)
        type_into(calculator, FIELD_A, ".8")
        type_into(calculator, FIELD_B, "2")
        calculate(application, calculator)
        choose_quit(calculator)
        wait_for_exit(program)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.partition("\n")[0])
    parser.add_argument("program", help="the program to start")
    parser.add_argument("program_output", help="file for the program's standard output and error")
    parser.add_argument("compositor_log", help="Weston's log, with the proto scope")
    arguments = parser.parse_args()
    # Ended from outside (a time limit, Ctrl+C): the program is still ended, by run's cleanup.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        run(arguments)
    except CheckFailed as failure:
        log(f"FAILED: {failure}")
        sys.exit(1)


if __name__ == "__main__":
    main()
