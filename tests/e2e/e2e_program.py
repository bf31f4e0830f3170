#!/usr/bin/env python3
"""End-to-end case of the real program under Xvfb: it starts with a simulated mouse, shows its
main window beside a fake XEmbed tray, and ends cleanly when "exit" is chosen in the tray menu.

Exits 77 (skip) only when Xvfb cannot start.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))

from automate import AutomationError, Client  # noqa: E402
from e2e_driver import TIMEOUT, Demo, Failure, Session, prepare, wait_until  # noqa: E402

PROGRAM_TITLE = "^KAVRIN ZR417$"
EXIT_TIMEOUT = 15.0
# A painted window has far more colours than this; a blank or single-fill one has one or two.
MIN_WINDOW_COLOURS = 16


def private_folders(root):
    """Documents, configuration, runtime and socket folders of their own, mode 0700."""
    folders = {}
    for name in ("documents", "config", "runtime", "automation"):
        path = os.path.join(root, name)
        os.mkdir(path, 0o700)
        folders[name] = path
    return folders


def main_window(client):
    for window in client.call("windows")["windows"]:
        if window["name"] == "MainWnd":
            return window
    return None


def colour_count(path, left, top, width, height):
    crop = "%dx%d+%d+%d" % (width, height, left, top)
    text = subprocess.run(["convert", path, "-crop", crop, "+repage", "-format", "%k", "info:"],
                          capture_output=True, text=True, check=True, timeout=TIMEOUT).stdout
    return int(text.strip())


def choose_menu_item(client, item):
    """Chooses the item once the menu that holds it is open."""
    def chosen():
        try:
            client.call("menu", item=item)
            return True
        except AutomationError as error:
            if "no open menu" not in str(error):
                raise Failure("menu %s: %s" % (item, error))
            return False
    wait_until(chosen, "a menu with the item %r opened" % item)


def run(session, client, tray):
    docked = tray.wait_for(lambda l: l.get("type") == "docked", "the program's icon in the tray")
    client.wait_for("ms_tab", timeout_ms=int(TIMEOUT * 1000), visible=True)
    wait_until(lambda: (main_window(client) or {}).get("visible"), "the main window shown")
    window = main_window(client)

    path = session.screenshot("program_main_window.png")
    left, top = session.window_origin(PROGRAM_TITLE)
    colours = colour_count(path, left, top, window["width"], window["height"])
    if colours <= MIN_WINDOW_COLOURS:
        raise Failure("the main window area in %s has only %d colours" % (path, colours))

    session.xdotool("mousemove", docked["x"], docked["y"], "click", 3)
    choose_menu_item(client, "exit")
    started = time.monotonic()
    try:
        code = session.demo.proc.wait(EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end within %.0f s of choosing exit" % EXIT_TIMEOUT)
    if code != 0:
        raise Failure("the program ended with code %d after choosing exit" % code)
    print("exit took %.1f s" % (time.monotonic() - started))


def run_program_case(name, program_binary, out, body, fake_tray=None):
    """Starts Xvfb, the fake tray (when given; the session's `tray`) and the program with a
    simulated mouse and the automation channel in private folders, then runs
    body(session, client). Returns the exit code: 0 passed, 1 failed, 77 skipped."""
    xvfb, code = prepare(out)
    if xvfb is None:
        return code
    root = tempfile.mkdtemp(prefix="kavrin-e2e-")
    tray = program = None
    try:
        folders = private_folders(root)
        env = dict(os.environ, DISPLAY=xvfb.display, SDL_VIDEODRIVER="x11",
                   KAVRIN_DOCUMENTS_DIR=folders["documents"], KAVRIN_CONFIG_DIR=folders["config"],
                   XDG_RUNTIME_DIR=folders["runtime"])
        env.pop("KAVRIN_SCALE", None)  # the display's own scale: 1 at Xvfb's 96 dpi
        if fake_tray:
            tray = Demo(fake_tray, None, env)
            tray.wait_for(lambda l: l.get("type") == "tray", "the fake tray")
        socket_path = os.path.join(folders["automation"], "sock")
        program = Demo(program_binary, None, env,
                       ("--simulate=mouse", "--automation", socket_path))
        with Client(socket_path, timeout=TIMEOUT * 2, connect_timeout=TIMEOUT) as client:
            body(Session(env, program, None, out, tray), client)
        print("PASS: " + name)
        return 0
    except (Failure, AutomationError, OSError, subprocess.SubprocessError) as error:
        ended = program.proc.poll() if program is not None else None
        print("FAIL: %s: %s%s" % (name, error, "" if ended is None else
                                  " (the program had ended with code %d)" % ended))
        return 1
    finally:
        for process in (program, tray):
            if process is not None:
                process.stop()
        xvfb.stop()
        shutil.rmtree(root, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--fake-tray", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    return run_program_case("tray exit", args.program, args.out,
                            lambda session, client: run(session, client, session.tray),
                            args.fake_tray)


if __name__ == "__main__":
    sys.exit(main())
