# SPDX-License-Identifier: MIT
"""A screen reader's view of the running vimbo-calculator, through AT-SPI (python3-pyatspi).

Checks the main window's role and name, the names of its buttons, that the hidden stores of
settings are not offered, and that typing 6*7 and Enter (sent with xdotool) makes an event
carrying "42" arrive from the object that has the focus, the second time too.
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


def check_result_spoken():
    """Types 6*7 and Enter twice; each time an event from the focused object must carry 42."""
    heard = []
    rounds = 2

    def on_event(event):
        source = event.source
        # What a screen reader speaks is the event's own text (Orca does not read the object
        # anew); Qt 6.4's own event carries a reference to the object instead.
        text = event.any_data if isinstance(event.any_data, str) else None
        focused = source.getState().contains(pyatspi.STATE_FOCUSED)
        heard.append((event.type, source.name, text, focused))
        if focused and "42" in (text or ""):
            if len(spoken()) < rounds:
                GLib.timeout_add(300, type_expression)
            else:
                pyatspi.Registry.stop()

    def spoken():
        return [h for h in heard if h[3] and "42" in (h[2] or "")]

    def type_expression():
        subprocess.run(["xdotool", "type", "--delay", "30", "6*7"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        return False

    def give_up():
        pyatspi.Registry.stop()
        return False

    for kind in ("object:property-change:accessible-description",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    # The program learns of the listener through the registry before anything is typed.
    GLib.timeout_add(1000, type_expression)
    GLib.timeout_add(10000, give_up)
    pyatspi.Registry.start()
    # The same result again is told again.
    check(len(spoken()) == rounds,
          f"{len(spoken())} of {rounds} results told by the focused object; heard {heard}")
    for kind, name, text, _ in spoken():
        print(f"heard {kind} from {name!r}: {text!r}")
        check(name == "Input" and text == "Result 42",
              f"the result came as {text!r} from {name!r}, not as 'Result 42' from 'Input'")


def main():
    frame = find_frame()
    if frame is None:
        print(f"FAIL: no window {TITLE!r} offered through AT-SPI", file=sys.stderr)
        return 1
    check_tree(frame)
    check_result_spoken()
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
