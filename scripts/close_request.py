#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
"""Asks for the calculator's close at the moments a user meets it; the program must end each time.

    close_request.py PROGRAM INFORMATION_RUNS HANDOVER_RUNS

Runs under a window manager on the X display in DISPLAY, with the accessibility bus up on the session bus
(scripts/check-close.sh provides them); the program inherits this environment. Two kinds of run:

- information runs, one program at a time, given the display on its command line only (-display :N and
  --display=:N in turn): a click dismisses the splash, whose title the window manager reads as empty;
  the calculator's badge opens the information window, and once that is the active window the
  calculator's close is asked for: WM_DELETE_WINDOW sent to it on even runs (as a title bar's close
  button does), _NET_CLOSE_WINDOW sent to the window manager on odd ones (as a task bar does);
- hand-over runs, four programs at a time: the splash hands over to the calculator by itself, and the
  moment a screen reader sees it do so (the accessibility tree, polled every 50 ms, shows the calculator
  and no longer the About window), one WM_DELETE_WINDOW goes straight to the calculator's client window.

Each program must then end with status 0 within 5 s. Prints one line per run; exits 1 on the first
failure, naming it. A program still running is reported with its threads' stacks and whether a second
WM_DELETE_WINDOW ends it, which tells a program that missed one close from one that hears none.
"""

import os
import subprocess
import sys
import time

import gi
from Xlib import X, Xatom, display, error, protocol
from Xlib.ext import xtest

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

program, information_runs, handover_runs = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
screen = display.Display()
root = screen.screen().root
ABOUT_SIZE = (391, 250)
HANDOVERS_AT_ONCE = 4
POLL_SECONDS = 0.05
EXIT_SECONDS = 5


def fail(message):
    print(f"close_request.py: {message}", file=sys.stderr)
    sys.exit(1)


def atom(name):
    return screen.intern_atom(name)


def wait_for(what, condition, process, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        if process.poll() is not None:
            fail(f"{what}: the program ended first, with status {process.returncode}")
        time.sleep(0.02)
    fail(f"{what}: not within {seconds} s")


def managed_windows():
    clients = root.get_full_property(atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
    return [screen.create_resource_object("window", wid) for wid in (clients.value if clients else [])]


def title(window):
    name = window.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
    return name.value.decode() if name else None


def titles():
    shown = []
    for window in managed_windows():
        try:
            shown.append(title(window))
        except error.XError:
            pass
    return shown


def window_named(wanted):
    for window in managed_windows():
        try:
            if title(window) == wanted:
                return window
        except error.XError:  # a window that went away while we looked
            pass
    return None


def splash_window():
    for window in managed_windows():
        try:
            geometry = window.get_geometry()
            if (geometry.width, geometry.height) == ABOUT_SIZE:
                return window
        except error.XError:
            pass
    return None


def is_active(window):
    active = root.get_full_property(atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW)
    return bool(active) and active.value[0] == window.id


def click(window, x, y):
    at = window.translate_coords(root, 0, 0)
    xtest.fake_input(screen, X.MotionNotify, x=x - at.x, y=y - at.y)
    xtest.fake_input(screen, X.ButtonPress, 1)
    xtest.fake_input(screen, X.ButtonRelease, 1)
    screen.sync()


def request_close(window, through_window_manager):
    if through_window_manager:
        message = protocol.event.ClientMessage(
            window=window, client_type=atom("_NET_CLOSE_WINDOW"), data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    else:
        message = protocol.event.ClientMessage(
            window=window, client_type=atom("WM_PROTOCOLS"),
            data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=0)
    screen.sync()


def stacks(pid):
    """Every thread's stack of the running program, as gdb reads it, or why it could not."""
    try:
        traced = subprocess.run(["gdb", "-p", str(pid), "-batch", "-ex", "thread apply all bt 30"],
                                capture_output=True, text=True, timeout=60, stdin=subprocess.DEVNULL)
    except (OSError, subprocess.TimeoutExpired) as problem:
        return f"(no stacks: {problem})"
    found = [line for line in traced.stdout.splitlines() if line.startswith(("#", "Thread"))]
    return "\n".join(found) if found else f"(no stacks: {traced.stderr.strip()})"


def evidence(process, window):
    """What a lost close leaves to see: where the program waits, and whether a second request is heard."""
    found = [f"the window manager showing {titles()}", f"the program's threads:\n{stacks(process.pid)}"]
    try:
        request_close(window, through_window_manager=False)
        process.wait(EXIT_SECONDS)
        found.append(f"a second WM_DELETE_WINDOW ended it, with status {process.returncode}")
    except error.XError as problem:
        found.append(f"a second WM_DELETE_WINDOW could not be sent: {problem}")
    except subprocess.TimeoutExpired:
        found.append("a second WM_DELETE_WINDOW was lost too")
    return "\n".join(found)


def expect_exit(process, what, window):
    try:
        status = process.wait(EXIT_SECONDS)
    except subprocess.TimeoutExpired:
        fail(f"{what}: still running {EXIT_SECONDS} s later; {evidence(process, window)}")
    if status != 0:
        fail(f"{what}: status {status}")


def start(arguments=(), environment=None):
    return subprocess.Popen([program, *arguments], env=environment, stdin=subprocess.DEVNULL)


def stop(processes):
    for process in processes:
        if process.poll() is None:
            process.kill()
            process.wait()


# --- With the information window open ---


def information_run(run):
    environment = dict(os.environ)
    name = environment.pop("DISPLAY")
    arguments = ["-display", name] if run % 2 == 0 else [f"--display={name}"]
    through_window_manager = run % 2 == 1
    how = "_NET_CLOSE_WINDOW" if through_window_manager else "WM_DELETE_WINDOW"
    what = f"information run {run + 1} ({' '.join(arguments)}, {how})"
    process = start(arguments, environment)
    try:
        # The About window shows first; a click on it brings the calculator at once.
        splash = wait_for("the About window", splash_window, process)
        if title(splash) != "":
            fail(f"{what}: the window manager reads the About window's title as {title(splash)!r}, not ''")
        click(splash, 195, 125)
        calculator = wait_for("the calculator", lambda: window_named("Quorvel"), process)
        wait_for("the calculator active", lambda: is_active(calculator), process)
        click(calculator, 257, calculator.get_geometry().height - 25)
        information = wait_for("the information window", lambda: window_named("Quorvel Information"), process)
        wait_for("the information window active", lambda: is_active(information), process)
        request_close(calculator, through_window_manager)
        expect_exit(process, what, calculator)
        print(f"{what} to the calculator: ended with status 0", flush=True)
    finally:
        stop([process])


# --- At the splash's hand-over, as a screen reader sees it ---


def accessible_windows(pid):
    """The program's top-level windows in the accessibility tree, or none before it has joined it."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_process_id() == pid:
            return [application.get_child_at_index(i) for i in range(application.get_child_count())]
    return []


def calculator_alone(pid):
    """The calculator's accessible once it shows and the About window no longer does; else None."""
    showing = {
        window.get_name(): window
        for window in accessible_windows(pid)
        if window is not None and window.get_state_set().contains(Atspi.StateType.SHOWING)
    }
    return showing.get("Quorvel") if "About Quorvel" not in showing else None


def client_window(pid, width, height):
    """The viewable X window, top-level or one level below a window manager's frame, of the program's
    process and of this size."""
    for top in root.query_tree().children:
        try:
            candidates = [top, *top.query_tree().children]
        except error.XError:
            continue
        for window in candidates:
            try:
                owner = window.get_full_property(atom("_NET_WM_PID"), Xatom.CARDINAL)
                geometry = window.get_geometry()
                if (owner and owner.value[0] == pid and window.get_attributes().map_state == X.IsViewable
                        and (geometry.width, geometry.height) == (width, height)):
                    return window
            except error.XError:
                pass
    return None


def close_at_handover(pid):
    """Sends the close once the hand-over is seen; returns the window it went to, or None before then."""
    try:
        calculator = calculator_alone(pid)
        if calculator is None:
            return None
        extents = calculator.get_extents(Atspi.CoordType.SCREEN)
    except GLib.Error:  # a window that went away while we asked, or a busy program: asked again
        return None
    window = client_window(pid, extents.width, extents.height)
    if window is not None:
        request_close(window, through_window_manager=False)
    return window


def handover_batch(first, count):
    processes = [start() for _ in range(count)]
    try:
        waiting = {process.pid: process for process in processes}
        closed = {}
        deadline = time.monotonic() + 30
        while waiting and time.monotonic() < deadline:
            for pid, process in list(waiting.items()):
                if process.poll() is not None:
                    fail(f"hand-over run (pid {pid}): the program ended first, with status {process.returncode}")
                window = close_at_handover(pid)
                if window is not None:
                    closed[pid] = window
                    del waiting[pid]
            time.sleep(POLL_SECONDS)
        if waiting:
            fail(f"hand-over runs: no hand-over to the calculator seen within 30 s for pids {sorted(waiting)}")
        for run, process in enumerate(processes, first + 1):
            expect_exit(process, f"hand-over run {run} (pid {process.pid}, WM_DELETE_WINDOW)", closed[process.pid])
            print(f"hand-over run {run}: WM_DELETE_WINDOW as the calculator came: ended with status 0", flush=True)
    finally:
        stop(processes)


for run in range(information_runs):
    information_run(run)
started = time.monotonic()
for first in range(0, handover_runs, HANDOVERS_AT_ONCE):
    handover_batch(first, min(HANDOVERS_AT_ONCE, handover_runs - first))
if handover_runs:
    print(f"{handover_runs} hand-over runs in {time.monotonic() - started:.1f} s")
