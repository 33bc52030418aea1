# SPDX-License-Identifier: MIT
"""A screen reader's view of the running vimbo-calculator, through AT-SPI (python3-pyatspi).

Checks the main window's role and name, the names of its buttons, that the hidden stores of
settings are not offered, and that the outcomes of Enter, "=", "GT" and Up (sent with xdotool)
each arrive once as the text of an event from the object that has the focus.
Exit status 0 when all of it holds.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Vimbo Calculator"
BUTTONS = {
    "Square root", "Reciprocal", "Logarithm", "Natural logarithm", "Clear", "Backspace",
    "Open parenthesis", "Seven", "Eight", "Nine", "Minus", "Multiply",
    "Close parenthesis", "Four", "Five", "Six", "Plus", "Divide",
    "Integer part", "One", "Two", "Three", "Percent", "Equals",
    "Exit", "Zero", "Decimal point", "Round to", "Pi", "GT", "Print",
}
DESCRIPTIONS = {
    "GT": "Write the grand total onto the tape",
    "Round to": "Round the result: type how many decimal places next",
    "Print": "Print the tape on the default printer",
}
HIDDEN = {"Decimals pattern", "Angle mode"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_frame():
    """The calculator's frame, waited for up to 10 s while the program registers."""
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "vimbo-calculator":
                for window in app:
                    if window is not None and window.name == TITLE:
                        return window
        time.sleep(0.1)
    return None


def check_tree(frame):
    check(frame.getRoleName() == "frame", f"the main window's role is {frame.getRoleName()!r}")
    names = {}
    for node in descendants(frame):
        names.setdefault(node.name, []).append(node)
        check(node.name not in HIDDEN, f"the hidden control {node.name!r} is offered")
    buttons = {n.name for n in descendants(frame) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    check(buttons == BUTTONS, f"button names differ: missing {sorted(BUTTONS - buttons)}, "
          f"extra {sorted(buttons - BUTTONS)}")
    for name, description in DESCRIPTIONS.items():
        found = [n.description for n in names.get(name, [])]
        check(found == [description], f"{name!r} is described as {found}")
    for child in frame:
        check(child.getState().contains(pyatspi.STATE_SHOWING),
              f"{child.name!r} is offered though it cannot be seen")


def check_outcomes_spoken(frame):
    """Enter on 6*7 twice, a click on "=" after 6*8, one on "GT", then Up, which recalls 6*8,
    and Down back to the empty line being typed:
    each outcome must come once, as the text of an event from the object that has the focus by
    then (the one Orca follows)."""
    buttons = {n.name: n for n in descendants(frame) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    focus = [next(n for n in descendants(frame) if n.getState().contains(pyatspi.STATE_FOCUSED))]
    steps = [("6*7", "Return", "Result 42")] * 2 + [("6*8", "Equals", "Result 48"),
                                                    ("", "GT", f"Grand total {42 + 42 + 48}"),
                                                    ("", "Up", "Recalled 6*8"),
                                                    ("", "Down", "Input empty")]
    heard = []

    def on_event(event):
        if event.type.startswith("object:state-changed:focused"):
            focus[0] = event.source if event.detail1 else focus[0]
        # What a screen reader speaks is the event's own text (Orca does not read the object
        # anew); Qt 6.4's own description event carries a reference to the object instead.
        elif isinstance(event.any_data, str) and event.any_data:
            heard.append((event.any_data, event.source.name, event.source == focus[0]))
            if len(heard) < len(steps):
                GLib.timeout_add(300, next_step)
            else:
                pyatspi.Registry.stop()

    def next_step():
        typed, key, _ = steps[len(heard)]
        subprocess.run(["xdotool", "type", "--delay", "30", typed], check=True)
        if key not in buttons:
            subprocess.run(["xdotool", "key", key], check=True)
        else:  # a click in the middle of the button
            x, y, w, h = buttons[key].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                           check=True)
        return False

    def give_up():
        pyatspi.Registry.stop()
        return False

    for kind in ("object:property-change:accessible-description", "object:announcement",
                 "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    # The program learns of the listener through the registry before anything is typed.
    GLib.timeout_add(1000, next_step)
    GLib.timeout_add(10000, give_up)
    pyatspi.Registry.start()
    expected = [(text, "Input", True) for _, _, text in steps]
    check(heard == expected, f"expected {expected}, heard {heard}")


def main():
    frame = find_frame()
    if frame is None:
        print(f"FAIL: no window {TITLE!r} offered through AT-SPI", file=sys.stderr)
        return 1
    check_tree(frame)
    check_outcomes_spoken(frame)
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
