#!/usr/bin/env python3
"""Client of the program's automation channel (`kavrin --automation PATH`).

From the shell:
    tools/automate.py --socket PATH click DPI_btn_1
    tools/automate.py --socket PATH get ms_tab
    tools/automate.py --socket PATH wait ms_tab '{"visible": true}' --timeout 5000
    tools/automate.py --socket PATH raw '{"op": "memory", "device": "mouse", "area": "params"}'

As a library:
    with Client(path) as client:
        client.call("plug", device="mouse")
        state = client.get("ms_tab")

Standard library only. The protocol is described in docs/automation.md.
"""
import argparse
import json
import socket
import sys
import time

DEFAULT_TIMEOUT = 30.0
# key=value members whose value is always sent as text.
TEXT_MEMBERS = {"product", "text", "name", "item", "path"}


class AutomationError(Exception):
    """The program answered a request with ok: false."""

    def __init__(self, reply):
        super().__init__(reply.get("error", "request failed"))
        self.reply = reply


class Client:
    """One connection; requests are answered in the order they are sent."""

    def __init__(self, path, timeout=DEFAULT_TIMEOUT, connect_timeout=0.0):
        self._sock = self._connect(path, timeout, connect_timeout)
        self._buffer = b""
        self._next_id = 1

    @staticmethod
    def _connect(path, timeout, connect_timeout):
        deadline = time.monotonic() + connect_timeout
        while True:
            sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            sock.settimeout(timeout)
            try:
                sock.connect(path)
                return sock
            except (FileNotFoundError, ConnectionRefusedError):
                sock.close()
                if time.monotonic() >= deadline:
                    raise
                time.sleep(0.05)

    def close(self):
        self._sock.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def send_line(self, line):
        """Sends one raw line (a newline is added) and returns the reply as a dict."""
        data = line.encode() if isinstance(line, str) else line
        self._sock.sendall(data + b"\n")
        return self.read_reply()

    def read_reply(self):
        while b"\n" not in self._buffer:
            chunk = self._sock.recv(65536)
            if not chunk:
                raise ConnectionError("the program closed the automation connection")
            self._buffer += chunk
        line, self._buffer = self._buffer.split(b"\n", 1)
        return json.loads(line.decode(errors="replace"))

    def request(self, message):
        """Sends a request object and returns the reply whatever its outcome."""
        message = dict(message)
        message.setdefault("id", self._next_id)
        self._next_id += 1
        return self.send_line(json.dumps(message, separators=(",", ":")))

    def call(self, op, **members):
        """Sends {"op": op, **members}; returns the reply, raises AutomationError on ok: false."""
        reply = self.request({"op": op, **members})
        if not reply.get("ok"):
            raise AutomationError(reply)
        return reply

    # Shorthands for the requests tests use most.
    def get(self, name, **members):
        return self.call("get", name=name, **members)["state"]

    def click(self, name, **members):
        return self.call("click", name=name, **members)

    def wait_for(self, name, timeout_ms=5000, **condition):
        return self.call("wait", name=name, until=condition, timeout=timeout_ms)["state"]

    def memory(self, device, area="params", offset=0, length=None):
        members = {"device": device, "area": area, "offset": offset}
        if length is not None:
            members["length"] = length
        return bytes.fromhex(self.call("memory", **members)["data"])


def parse_value(text):
    """A command-line value: JSON when it reads as JSON, else the text itself."""
    try:
        return json.loads(text)
    except ValueError:
        return text


def build_request(args):
    op, rest = args.op, args.args
    named = {"get": "name", "click": "name", "doubleclick": "name", "rightclick": "name",
             "hover": "name", "focus": "name", "killfocus": "name"}
    if op == "raw":
        if len(rest) != 1:
            raise SystemExit("raw takes one JSON request")
        return None, rest[0]
    request = {"op": op}
    if op in named and rest:
        request[named[op]] = rest[0]
        rest = rest[1:]
    elif op == "wait" and rest:
        if rest[0].isdigit():
            request["ms"] = int(rest[0])
        else:
            request["name"] = rest[0]
            request["until"] = parse_value(rest[1]) if len(rest) > 1 else {"exists": True}
            rest = rest[1:]
        rest = rest[1:]
    elif op in ("select", "setvalue", "type", "settext") and len(rest) >= 2:
        key = {"select": "index", "setvalue": "value", "type": "text", "settext": "text"}[op]
        request["name"] = rest[0]
        request[key] = rest[1] if op in ("type", "settext") else parse_value(rest[1])
        rest = rest[2:]
    elif op in ("plug", "unplug", "memory", "log", "clearlog", "fault", "clearfaults",
                "notice") and rest:
        request["device"] = rest[0]
        rest = rest[1:]
    elif op == "menu" and rest:
        request["item"] = rest[0]
        rest = rest[1:]
    for pair in rest:
        key, sep, value = pair.partition("=")
        if not sep:
            raise SystemExit(f"expected key=value, got {pair!r}")
        # Product ids are written in hexadecimal ("1003"); as JSON they would read as decimal.
        request[key] = value if key in TEXT_MEMBERS else parse_value(value)
    if args.window is not None:
        request["window"] = parse_value(args.window)
    if args.timeout is not None:
        request["timeout"] = args.timeout
    return request, None


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Send one request to the program's automation channel and print the reply.",
        epilog="Further members as key=value (values read as JSON when they can be; product, "
               "text, name, item and path stay text), e.g. "
               "'select lst 2 event=false' or 'fault mouse kind=status status=255 command=5'.")
    parser.add_argument("--socket", required=True, help="path given to --automation")
    parser.add_argument("--window", help="window name or handle (default: the main window)")
    parser.add_argument("--timeout", type=int, help="time-out of a wait, in ms")
    parser.add_argument("op", help="request: get, click, wait, plug, memory, raw, … "
                                   "(see docs/automation.md)")
    parser.add_argument("args", nargs="*")
    args = parser.parse_args(argv)
    request, raw = build_request(args)
    try:
        with Client(args.socket) as client:
            reply = client.send_line(raw) if raw is not None else client.request(request)
    except OSError as error:
        print(f"automate: {args.socket}: {error}", file=sys.stderr)
        return 2
    print(json.dumps(reply, ensure_ascii=False, indent=1))
    return 0 if reply.get("ok") else 1


if __name__ == "__main__":
    sys.exit(main())
