#!/usr/bin/env python3
"""End-to-end case of the real program under Xvfb: the pointer resting on a sensitivity level's
colour button of the mouse performance page brings up its tooltip in a window of its own beside
the pointer, in the tooltip colours; moving the pointer out of the program's window takes it away.

Exits 77 (skip) only when Xvfb cannot start.
"""
import argparse
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))

from e2e_driver import TIMEOUT, Failure, wait_until  # noqa: E402
from e2e_program import PROGRAM_TITLE, main_window, run_program_case  # noqa: E402

TOOLTIP_TITLE = "^tooltip$"
TOOLTIP_OFFSET = 16  # below and right of the pointer
TOOLTIP_BACKGROUND = 0x20242C
TOOLTIP_BORDER = 0x3A404B


def tooltip_windows(session):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TOOLTIP_TITLE],
                           env=session.env, capture_output=True, text=True, timeout=TIMEOUT)
    return found.stdout.split()


def geometry(session, window):
    text = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=session.env,
                          capture_output=True, text=True, check=True, timeout=TIMEOUT).stdout
    values = dict(line.split("=", 1) for line in text.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def run(session, client):
    client.wait_for("ms_tab", timeout_ms=int(TIMEOUT * 1000), visible=True)
    wait_until(lambda: (main_window(client) or {}).get("visible"), "the main window shown")
    client.click("ms_rich_Op_tab")
    button = client.wait_for("DPI_btn_1", timeout_ms=int(TIMEOUT * 1000), visible=True)
    text = button["tooltip"]
    if not text or text == "tip_dpi_colour":
        raise Failure("the level button's tooltip is not a language text: %r" % text)

    left, top = session.window_origin(PROGRAM_TITLE)
    pos = button["pos"]
    x = left + (pos["left"] + pos["right"]) // 2
    y = top + (pos["top"] + pos["bottom"]) // 2
    session.xdotool("mousemove", x, y)
    wait_until(lambda: main_window(client)["tooltip"] == text, "the tooltip %r shown" % text)
    wait_until(lambda: tooltip_windows(session), "a tooltip window on the screen")
    windows = tooltip_windows(session)
    if len(windows) != 1:
        raise Failure("%d tooltip windows on the screen" % len(windows))
    tip_x, tip_y = geometry(session, windows[0])
    if (tip_x, tip_y) != (x + TOOLTIP_OFFSET, y + TOOLTIP_OFFSET):
        raise Failure("tooltip at %s for the pointer at %s" % ((tip_x, tip_y), (x, y)))
    # The pixels come with the window's first paint; give the server a moment to show them.
    def painted():
        path = session.screenshot("program_tooltip.png")
        return (session.pixel(path, tip_x, tip_y) == TOOLTIP_BORDER and
                session.pixel(path, tip_x + 3, tip_y + 3) == TOOLTIP_BACKGROUND)
    wait_until(painted, "the tooltip painted in its colours")

    session.xdotool("mousemove", 0, 0)
    wait_until(lambda: not tooltip_windows(session), "the tooltip window gone")
    if main_window(client)["tooltip"] != "":
        raise Failure("the program still reports a tooltip after the pointer left")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    return run_program_case("tooltip", args.program, args.out, run)


if __name__ == "__main__":
    sys.exit(main())
