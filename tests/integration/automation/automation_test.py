#!/usr/bin/env python3
"""The real program driven through its automation channel, headless with simulated devices.

usage: automation_test.py KAVRIN_BINARY TOOLS_FOLDER
Exits 77 (skipped) when the program has no --automation option.
"""
import os
import signal
import socket
import stat
import subprocess
import sys
import tempfile
import time

SKIP = 77
START_TIMEOUT = 20.0
# The simulated mouse: its largest sensitivity slider value, and where level 1 sits in record 0.
MOUSE_SLIDER_LIMIT = 64
LEVEL_1_OFFSET = 15
LEVEL_1_COLOUR_OFFSET = 23


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


class Program:
    """One run of the program in its own folders (its own single-instance lock too)."""

    def __init__(self, binary, root, *args):
        self.root = root
        for name in ("documents", "config", "runtime"):
            os.makedirs(os.path.join(root, name), mode=0o700, exist_ok=True)
        env = dict(os.environ)
        for variable in ("DISPLAY", "WAYLAND_DISPLAY"):
            env.pop(variable, None)
        env.update(KAVRIN_DOCUMENTS_DIR=os.path.join(root, "documents"),
                   KAVRIN_CONFIG_DIR=os.path.join(root, "config"),
                   XDG_RUNTIME_DIR=os.path.join(root, "runtime"))
        self.proc = subprocess.Popen([binary, *args], env=env, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, text=True)

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        if self.alive():
            self.proc.send_signal(signal.SIGTERM)
        try:
            out, err = self.proc.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            out, err = self.proc.communicate()
        return self.proc.returncode, out, err


def expect_error(client, line, fragment):
    reply = client.send_line(line)
    check(reply.get("ok") is False and fragment in reply.get("error", ""),
          f"{line[:60]!r} should fail with {fragment!r}, got {reply}")


def drive_simulated_mouse(client):
    windows = client.call("windows")["windows"]
    check(windows and windows[0]["name"] == "MainWnd", f"main window first: {windows}")
    check(client.get("ms_tab")["exists"], "the mouse tab exists")

    plugged = client.call("plug", device="mouse")
    check(plugged["plugged"], f"mouse plugged: {plugged}")
    client.wait_for("ms_tab", timeout_ms=10000, visible=True)

    params = client.memory("mouse", "params")
    check(len(params) == 320, f"parameter area of 320 bytes, got {len(params)}")

    # A sensitivity level moved on the performance page reaches the mouse's parameter record
    # with the next write-out. The slider's range comes from the mouse once it has been read.
    client.click("ms_rich_Op_tab")
    limit = MOUSE_SLIDER_LIMIT
    slider = client.wait_for("DPI_slider_1", timeout_ms=10000, visible=True, max=limit)
    target = 30 if slider["value"] != 30 else 31
    client.call("setvalue", name="DPI_slider_1", value=target)
    check(client.get("DPI_slider_1")["value"] == target, "slider moved")
    deadline = time.monotonic() + 5
    while client.memory("mouse", "params", offset=LEVEL_1_OFFSET, length=1)[0] != target:
        check(time.monotonic() < deadline, "the new level reached the mouse's parameter record")
        time.sleep(0.05)

    # A level's colour comes from the colour dialog: the click is answered once the dialog's
    # loop runs, the dialog is driven by its own controls, and the colour reaches the mouse.
    check(client.click("DPI_btn_1").get("modal") is True, "the colour dialog opened modally")
    client.click("ms_dpi_color_png_12", window="UIPalletDialog")  # 0xFFFEF500
    client.click("okbtn", window="UIPalletDialog")
    check(client.get("DPI_btn_1")["bkColor"] == 0xFFFEF500, "the level button shows the colour")
    deadline = time.monotonic() + 5
    while client.memory("mouse", "params", offset=LEVEL_1_COLOUR_OFFSET, length=3) != bytes(
            [0xFE, 0xF5, 0x00]):
        check(time.monotonic() < deadline, "the level colour reached the mouse")
        time.sleep(0.05)

    log = client.call("log", device="mouse", clear=True)["entries"]
    check(all("command" in entry for entry in log), "log entries carry their command")

    check(not client.call("unplug", device="mouse")["plugged"], "mouse unplugged")
    client.wait_for("ms_tab", timeout_ms=10000, visible=False)


def survive_bad_requests(client, program):
    expect_error(client, '{"op":"get",', "malformed JSON")
    expect_error(client, '{"op":"click","name":"no_such_control"}', "no control named")
    expect_error(client, "x" * 70000, "longer than")
    check(client.call("ping")["ok"], "the connection goes on after bad lines")
    check(program.alive(), "the program keeps running")


def refuse_open_folder(binary, root):
    shared = os.path.join(root, "shared")
    os.makedirs(shared, exist_ok=True)
    os.chmod(shared, 0o777)
    program = Program(binary, os.path.join(root, "second"), "--simulate",
                      "--automation", os.path.join(shared, "sock"))
    deadline = time.monotonic() + START_TIMEOUT
    while program.alive() and time.monotonic() < deadline:
        time.sleep(0.1)
    code, _, err = program.stop()
    check("writable by other users" in err, f"clear refusal on stderr, got {err!r}")
    check(code != 0, "a refused channel is a failed start")
    check(not os.path.exists(os.path.join(shared, "sock")), "no socket was made")


def main():
    binary, tools = sys.argv[1], sys.argv[2]
    sys.path.insert(0, tools)
    import automate  # noqa: E402 (found through the tools folder given by the build)

    usage = subprocess.run([binary, "--help"], capture_output=True, text=True).stdout
    if "--automation" not in usage:
        print("skipped: this build of the program has no --automation option")
        return SKIP

    with tempfile.TemporaryDirectory(prefix="kavrin_automation_") as root:
        os.chmod(root, 0o700)
        path = os.path.join(root, "sock")
        program = Program(binary, os.path.join(root, "first"), "--simulate=keyboard",
                          "--automation", path)
        try:
            with automate.Client(path, timeout=15, connect_timeout=START_TIMEOUT) as client:
                check(stat.S_IMODE(os.stat(path).st_mode) == 0o600, "socket is 0600")
                drive_simulated_mouse(client)
                survive_bad_requests(client, program)
            refuse_open_folder(binary, root)
        except (Failure, automate.AutomationError, OSError) as error:
            code, out, err = program.stop()
            print(f"FAILED: {error}\nexit {code}\nstdout:\n{out}\nstderr:\n{err}")
            return 1
        code, _, err = program.stop()
        if code != 0:
            print(f"FAILED: the program ended with {code} after SIGTERM\n{err}")
            return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
