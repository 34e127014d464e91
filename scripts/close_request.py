#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
"""Asks for the calculator's close while the information window is open and active, RUNS times.

    close_request.py PROGRAM RUNS

Runs under a window manager on the X display in DISPLAY (scripts/check-close.sh starts both). The program
gets that display on its command line only. Each run dismisses the splash with a click, clicks the
calculator's badge, waits until the information window is the active one, then asks for the calculator's
close: WM_DELETE_WINDOW sent to it on even runs, _NET_CLOSE_WINDOW sent to the window manager on odd ones.
The program must then end with status 0 within a few seconds.
"""

import os
import subprocess
import sys
import time

from Xlib import X, Xatom, display, protocol
from Xlib.ext import xtest

program, runs = sys.argv[1], int(sys.argv[2])
screen = display.Display()
root = screen.screen().root


def fail(message):
    print(f"close_request.py: {message}", file=sys.stderr)
    sys.exit(1)


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
    clients = root.get_full_property(screen.intern_atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
    return [screen.create_resource_object("window", wid) for wid in (clients.value if clients else [])]


def title(window):
    name = window.get_full_property(screen.intern_atom("_NET_WM_NAME"), screen.intern_atom("UTF8_STRING"))
    return name.value.decode() if name else ""


def window_named(wanted):
    for window in managed_windows():
        try:
            if title(window) == wanted:
                return window
        except Exception:  # a window that went away while we looked
            pass
    return None


def is_active(window):
    active = root.get_full_property(screen.intern_atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW)
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
            window=window, client_type=screen.intern_atom("_NET_CLOSE_WINDOW"), data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    else:
        message = protocol.event.ClientMessage(
            window=window, client_type=screen.intern_atom("WM_PROTOCOLS"),
            data=(32, [screen.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message)
    screen.sync()


environment = dict(os.environ)
name = environment.pop("DISPLAY")
for run in range(runs):
    arguments = ["-display", name] if run % 2 == 0 else [f"--display={name}"]
    process = subprocess.Popen([program, *arguments], env=environment, stdin=subprocess.DEVNULL)
    try:
        # The About window shows first, untitled; a click on it brings the calculator at once.
        splash = wait_for("the About window", lambda: window_named("quorvel"), process)
        click(splash, 195, 125)
        calculator = wait_for("the calculator", lambda: window_named("Quorvel"), process)
        wait_for("the calculator active", lambda: is_active(calculator), process)
        click(calculator, 257, calculator.get_geometry().height - 25)
        information = wait_for("the information window", lambda: window_named("Quorvel Information"), process)
        wait_for("the information window active", lambda: is_active(information), process)
        through_window_manager = run % 2 == 1
        request_close(calculator, through_window_manager)
        how = "_NET_CLOSE_WINDOW" if through_window_manager else "WM_DELETE_WINDOW"
        try:
            status = process.wait(5)
        except subprocess.TimeoutExpired:
            showing = [title(window) for window in managed_windows()]
            fail(f"run {run + 1} ({' '.join(arguments)}, {how}): still running 5 s later, showing {showing}")
        if status != 0:
            fail(f"run {run + 1} ({' '.join(arguments)}, {how}): status {status}")
        print(f"run {run + 1}: {' '.join(arguments)}, {how} to the calculator: ended with status 0")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
