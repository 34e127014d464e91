# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
"""Checks what a screen magnifier is told over AT-SPI of where the calculator's parts are, against where
X11 shows them, at the scale factor the program runs at.

    magnifier_atspi.py SCALE

Run by scripts/check-magnifier.sh once the program is up on its X display and the accessibility bus.
Prints each reported place beside the drawn one; exits 1 on the first that differs.
"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

SCREEN = Atspi.CoordType.SCREEN
FIELD_B = "Proportional change in test length (.01 - 100)"
# Pixels from the top-left corner of the calculator's content area at scale 1.
CALCULATE = (21, 360, 80, 32)
B = (397, 227, 60, 22)
CONTENT_HEIGHT = 400


class CheckFailed(Exception):
    pass


def find(node, wanted, depth=0):
    if node is None or depth > 12:
        return None
    if wanted(node):
        return node
    for index in range(node.get_child_count()):
        found = find(node.get_child_at_index(index), wanted, depth + 1)
        if found:
            return found
    return None


def calculator_parts(timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is None or app.get_name() != "quorvel":
                continue
            calculate = find(app, lambda n: n.get_name() == "Calculate")
            field = find(app, lambda n: n.get_name() == FIELD_B and n.get_role() == Atspi.Role.TEXT)
            window = find(app, lambda n: n.get_name() == "Quorvel")
            if calculate and field and window and window.get_extents(SCREEN).width > 0:
                return window, calculate, field
        time.sleep(0.2)
    raise CheckFailed("the calculator did not appear in the accessibility tree")


def x11_window(name):
    """The absolute place and size of the named top-level window, as X11 shows it."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                           capture_output=True, text=True, check=True).stdout.split()
    info = subprocess.run(["xwininfo", "-id", found[0]], capture_output=True, text=True, check=True).stdout
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def drawn(window, part, scale):
    x, y, _, height = window
    content_top = y + height - CONTENT_HEIGHT * scale
    left, top, width, part_height = part
    return (x + left * scale, content_top + top * scale, width * scale, part_height * scale)


def same(what, reported, expected):
    print(f"{what}: reported {reported}, drawn {expected}")
    if reported != expected:
        raise CheckFailed(f"{what} is reported at {reported} but drawn at {expected}")


def check(scale):
    window, calculate, field = calculator_parts()
    shown = x11_window("Quorvel")
    extents = lambda node: tuple(getattr(node.get_extents(SCREEN), k) for k in ("x", "y", "width", "height"))
    same("the calculator window", extents(window), shown)
    same("Calculate", extents(calculate), drawn(shown, CALCULATE, scale))
    same("field B", extents(field), drawn(shown, B, scale))

    Atspi.Component.grab_focus(field)
    time.sleep(0.3)
    subprocess.run(["xdotool", "type", "--delay", "60", "2"], check=True)
    deadline = time.monotonic() + 10
    while Atspi.Text.get_caret_offset(field) != 1 and time.monotonic() < deadline:
        time.sleep(0.1)
    caret = Atspi.Text.get_character_extents(field, 1, SCREEN)
    digit = Atspi.Text.get_character_extents(field, 0, SCREEN)
    print(f"the caret after \"2\": {(caret.x, caret.y, caret.width, caret.height)}, "
          f"the \"2\": {(digit.x, digit.y, digit.width, digit.height)}")
    if caret.width != 0 or caret.height != digit.height or caret.x != digit.x + digit.width:
        raise CheckFailed("the caret after the last character has no box right after it")
    field_box = drawn(shown, B, scale)
    if not field_box[0] <= caret.x < field_box[0] + field_box[2]:
        raise CheckFailed("the caret is reported outside its field")


def main():
    try:
        check(int(sys.argv[1]))
    except CheckFailed as failure:
        print(f"magnifier_atspi.py: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
