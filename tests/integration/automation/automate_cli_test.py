#!/usr/bin/env python3
"""Command lines of tools/automate.py and the requests they send.

usage: automate_cli_test.py TOOLS_FOLDER
"""
import argparse
import sys
import unittest

sys.path.insert(0, sys.argv.pop(1) if len(sys.argv) > 1 else "tools")
import automate  # noqa: E402 (found through the tools folder given by the build)


def request_of(*argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--window")
    parser.add_argument("--timeout", type=int)
    parser.add_argument("op")
    parser.add_argument("args", nargs="*")
    return automate.build_request(parser.parse_args(list(argv)))


class CommandLineTest(unittest.TestCase):
    def test_each_shorthand_names_the_right_members(self):
        cases = [
            (["click", "DPI_btn_1"], {"op": "click", "name": "DPI_btn_1"}),
            (["--window", "MenuWnd", "get", "ms_tab"],
             {"op": "get", "name": "ms_tab", "window": "MenuWnd"}),
            (["--window", "3", "get", "x"], {"op": "get", "name": "x", "window": 3}),
            (["wait", "250"], {"op": "wait", "ms": 250}),
            (["--timeout", "9000", "wait", "ms_tab", '{"visible": true}'],
             {"op": "wait", "name": "ms_tab", "until": {"visible": True}, "timeout": 9000}),
            (["wait", "ms_tab"], {"op": "wait", "name": "ms_tab", "until": {"exists": True}}),
            (["select", "lst", "2", "event=false"],
             {"op": "select", "name": "lst", "index": 2, "event": False}),
            (["setvalue", "DPI_slider_1", "12"],
             {"op": "setvalue", "name": "DPI_slider_1", "value": 12}),
            (["type", "edt", "42"], {"op": "type", "name": "edt", "text": "42"}),
            (["settext", "edt", "a b"], {"op": "settext", "name": "edt", "text": "a b"}),
            # Product ids are hexadecimal text, never read as decimal numbers.
            (["plug", "mouse", "product=1003"],
             {"op": "plug", "device": "mouse", "product": "1003"}),
            (["screenshot", "path=/tmp/1.png"], {"op": "screenshot", "path": "/tmp/1.png"}),
            (["fault", "mouse", "kind=status", "status=255", "command=5"],
             {"op": "fault", "device": "mouse", "kind": "status", "status": 255, "command": 5}),
            (["menu", "menu_exit"], {"op": "menu", "item": "menu_exit"}),
            (["tray", "message=rbuttonup"], {"op": "tray", "message": "rbuttonup"}),
            (["windows"], {"op": "windows"}),
        ]
        for argv, expected in cases:
            with self.subTest(argv=argv):
                self.assertEqual(request_of(*argv), (expected, None))

    def test_raw_is_sent_as_given(self):
        self.assertEqual(request_of("raw", '{"op":"ping"}'), (None, '{"op":"ping"}'))

    def test_malformed_command_lines_are_refused(self):
        for argv in (["raw"], ["raw", "a", "b"], ["click", "btn", "oops"]):
            with self.subTest(argv=argv), self.assertRaises(SystemExit):
                request_of(*argv)


if __name__ == "__main__":
    unittest.main()
