#!/usr/bin/env python3
"""End-to-end cases of the SDL host: a demo window under Xvfb, driven with xdotool.

Each case starts its own Xvfb (a free display chosen by Xvfb itself) and demo process, waits
for conditions with time-outs, and exits 77 (skip) only when Xvfb cannot start.
"""
import argparse
import json
import os
import queue
import re
import shutil
import subprocess
import sys
import threading
import time

SKIP = 77
TIMEOUT = 10.0


class Failure(Exception):
    pass


def stop_process(proc):
    if proc is not None and proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()


class Xvfb:
    def __init__(self):
        self.proc = None
        self.display = None

    def start(self):
        if shutil.which("Xvfb") is None:
            return "Xvfb is not installed"
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        with os.fdopen(read_fd, "rb", buffering=0) as pipe:
            while time.monotonic() < deadline and not number.endswith(b"\n"):
                chunk = pipe.read(16)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            err = self.proc.stderr.read().decode(errors="replace") if self.proc.poll() is not None else ""
            self.stop()
            return "Xvfb did not start: " + err.strip()[-300:]
        self.display = ":" + number.decode().strip()
        return None

    def stop(self):
        stop_process(self.proc)


class Demo:
    """A helper process (the demo, the fake tray) and the JSON lines it prints."""

    def __init__(self, binary, skin, env, extra=()):
        command = [binary, "--skin", skin, *extra] if skin else [binary, *extra]
        self.proc = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=sys.stderr)
        self.lines = queue.Queue()
        self.seen = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for raw in self.proc.stdout:
            try:
                self.lines.put(json.loads(raw))
            except json.JSONDecodeError:
                pass
        self.lines.put(None)

    def wait_for(self, predicate, what, timeout=TIMEOUT):
        for line in self.seen:
            if predicate(line):
                self.seen.remove(line)
                return line
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                raise Failure("timed out waiting for " + what + "; seen: " + json.dumps(self.seen[-12:]))
            try:
                line = self.lines.get(timeout=left)
            except queue.Empty:
                continue
            if line is None:
                raise Failure("demo ended (code %s) while waiting for %s" % (self.proc.wait(), what))
            if predicate(line):
                return line
            self.seen.append(line)

    def notify(self, event, sender, **fields):
        def match(line):
            return (line.get("type") == "notify" and line.get("event") == event
                    and line.get("sender") == sender
                    and all(line.get(k) == v for k, v in fields.items()))
        return self.wait_for(match, "%s from %s %s" % (event, sender, fields or ""))

    def stop(self):
        stop_process(self.proc)


class Session:
    def __init__(self, env, demo, ready, out, tray=None):
        self.env = env
        self.demo = demo
        self.tray = tray
        self.ready = ready
        self.out = out

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=TIMEOUT)

    def centre(self, name, ready=None):
        ready = ready or self.ready
        wl, wt = ready["window"][0], ready["window"][1]
        l, t, r, b = ready["controls"][name]
        return wl + (l + r) // 2, wt + (t + b) // 2

    def click(self, name, button=1, ready=None):
        x, y = self.centre(name, ready)
        self.xdotool("mousemove", x, y, "click", button)

    def screenshot(self, name):
        path = os.path.join(self.out, name)
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=TIMEOUT)
        return path

    def pixel(self, path, x, y):
        text = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8", "txt:-"],
                              capture_output=True, text=True, check=True).stdout
        found = re.search(r"\)\s+#([0-9A-Fa-f]{6})", text)
        if not found:
            raise Failure("no pixel in: " + text)
        return int(found.group(1), 16)

    def window_origin(self, title="^KAVRIN demo$"):
        wid = subprocess.run(["xdotool", "search", "--name", title], env=self.env,
                             capture_output=True, text=True, timeout=TIMEOUT).stdout.split()
        if not wid:
            raise Failure("no window titled %s found by xdotool" % title)
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid[0]], env=self.env,
                                  capture_output=True, text=True, timeout=TIMEOUT).stdout
        values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
        return int(values["X"]), int(values["Y"])


def wait_until(condition, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.05)
    raise Failure("timed out waiting until " + what)


# --- cases -------------------------------------------------------------------------------

def case_click(s):
    s.click("btn_click")
    s.demo.notify("click", "btn_click")
    path = s.screenshot("sample_skin.png")
    wl, wt = s.ready["window"][0], s.ready["window"][1]
    l, t, r, b = s.ready["controls"]["btn_click"]
    colour = s.pixel(path, wl + r - 4, wt + t + 3)  # the button's own colour, clear of its text
    if colour != 0x3060A0:
        raise Failure("button pixel is %06X, expected 3060A0" % colour)
    bg = s.pixel(path, s.ready["window"][0] + 10, s.ready["window"][1] + 250)
    if bg != 0x2B2B33:
        raise Failure("window background pixel is %06X, expected 2B2B33" % bg)
    # The close button ends the program cleanly (and lets the sanitizers check its exit).
    s.click("closebtn")
    try:
        code = s.demo.proc.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure("the demo did not end after its close button")
    if code != 0:
        raise Failure("the demo ended with code %d" % code)


def case_slider(s):
    wl, wt = s.ready["window"][0], s.ready["window"][1]
    l, t, r, b = s.ready["controls"]["slider"]
    y = wt + (t + b) // 2
    s.xdotool("mousemove", wl + l + 5, y, "mousedown", 1)
    s.xdotool("mousemove", wl + (l + r) // 2, y)
    s.xdotool("mousemove", wl + r - 30, y, "mouseup", 1)
    line = s.demo.notify("valuechanged", "slider")
    if not 60 <= line["value"] <= 95:
        raise Failure("slider value %s after dragging to 3/4 of it" % line["value"])


def case_edit(s):
    s.click("edit")
    s.demo.notify("setfocus", "edit")
    s.xdotool("type", "--delay", "30", "hello")
    s.demo.notify("textchanged", "edit", text="hello")
    s.xdotool("key", "BackSpace")
    s.demo.notify("textchanged", "edit", text="hell")


def case_modal(s):
    s.click("btn_modal")
    dialog = s.demo.wait_for(lambda l: l.get("type") == "dialogready", "the dialog")
    s.click("btn_no", ready=dialog)
    line = s.demo.wait_for(lambda l: l.get("type") == "modalresult", "the modal result")
    if line["value"] != 9:
        raise Failure("modal result %s, expected 9 (the No button)" % line["value"])


def case_menu(s):
    s.click("list", button=3)
    s.demo.notify("menu", "list")
    # The context menu opens at the pointer; choose its second row with the keyboard.
    time.sleep(0.0)
    s.xdotool("key", "Down", "Down", "Return")
    line = s.demo.wait_for(lambda l: l.get("type") == "menucommand", "the menu command")
    if line["name"] != "menu_delete":
        raise Failure("menu chose %s" % line["name"])


def case_drag(s):
    before = s.window_origin()
    x, y = s.centre("title")
    s.xdotool("mousemove", x, y, "mousedown", 1)
    s.xdotool("mousemove", x + 40, y + 20)
    s.xdotool("mousemove", x + 80, y + 50, "mouseup", 1)
    expected = (before[0] + 80, before[1] + 50)
    wait_until(lambda: s.window_origin() == expected,
               "the window moved from %s to %s" % (before, expected))
    # A press on a caption button does not drag.
    l, t, r, b = s.ready["controls"]["minbtn"]
    s.xdotool("mousemove", expected[0] + (l + r) // 2, expected[1] + (t + b) // 2, "click", 1)
    s.demo.notify("click", "minbtn")
    if s.window_origin() != expected:
        raise Failure("a caption button moved the window")


def case_tray(s):
    shown = s.demo.wait_for(lambda l: l.get("type") == "trayicon", "the tray icon")
    if shown["shown"] != 1:
        raise Failure("the icon was not docked although a tray runs")
    docked = s.tray.wait_for(lambda l: l.get("type") == "docked", "the icon in the tray")
    s.xdotool("mousemove", docked["x"], docked["y"], "click", 1)
    s.demo.wait_for(lambda l: l.get("type") == "tray" and l.get("mouse") == 514, "left button up (514)")
    s.xdotool("click", 3)
    s.demo.wait_for(lambda l: l.get("type") == "tray" and l.get("mouse") == 517, "right button up (517)")


def prepare(out):
    """Creates the output folder and starts Xvfb; (xvfb, None), or (None, exit code) on failure."""
    os.makedirs(out, exist_ok=True)
    for tool in ("xdotool", "import", "convert"):
        if shutil.which(tool) is None:
            print("FAIL: %s is not installed (scripts/setup.sh installs it)" % tool)
            return None, 1
    xvfb = Xvfb()
    problem = xvfb.start()
    if problem:
        print("SKIP: " + problem)
        return None, SKIP
    return xvfb, None


CASES = {name[5:]: fn for name, fn in globals().items() if name.startswith("case_")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--demo", required=True)
    parser.add_argument("--skin", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--case", required=True, choices=sorted(CASES))
    parser.add_argument("--fake-tray", help="XEmbed tray program, started before the demo")
    args = parser.parse_args()
    xvfb, code = prepare(args.out)
    if xvfb is None:
        return code
    env = dict(os.environ, DISPLAY=xvfb.display, SDL_VIDEODRIVER="x11")
    tray = None
    if args.case == "tray":
        tray = Demo(args.fake_tray, None, env)
        tray.wait_for(lambda l: l.get("type") == "tray", "the fake tray")
    demo = Demo(args.demo, args.skin, env)
    try:
        ready = demo.wait_for(lambda l: l.get("type") in ("ready", "error"), "the demo window")
        if ready["type"] == "error":
            raise Failure("demo: " + ready["message"])
        CASES[args.case](Session(env, demo, ready, args.out, tray))
        print("PASS: " + args.case)
        return 0
    except (Failure, subprocess.SubprocessError) as error:
        print("FAIL: %s: %s" % (args.case, error))
        return 1
    finally:
        demo.stop()
        if tray is not None:
            tray.stop()
        xvfb.stop()


if __name__ == "__main__":
    sys.exit(main())
