#!/usr/bin/env python3
"""Idle cost of the SDL host: the demo window under Xvfb with one 50 ms repaint timer and
nothing changing. Prints the CPU share of one core the process used over the measured span and
fails (exit 1) when it is 1 % or more. Exit 77 when Xvfb cannot start.

    run.py --demo build/tests/e2e/demo/e2e_demo --skin tests/e2e/demo/skin/ [--seconds 10]
"""
import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import e2e_driver  # noqa: E402  (Xvfb and demo process helpers)

LIMIT_PERCENT = 1.0


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--demo", required=True)
    parser.add_argument("--skin", required=True)
    parser.add_argument("--seconds", type=float, default=10.0)
    args = parser.parse_args()
    xvfb = e2e_driver.Xvfb()
    problem = xvfb.start()
    if problem:
        print("SKIP: " + problem)
        return e2e_driver.SKIP
    env = dict(os.environ, DISPLAY=xvfb.display, SDL_VIDEODRIVER="x11")
    demo = e2e_driver.Demo(args.demo, args.skin, env, extra=("--idle-bench",))
    try:
        demo.wait_for(lambda l: l.get("type") == "ready", "the demo window")
        time.sleep(1.0)  # start-up painting is not idle
        start_cpu, start = cpu_seconds(demo.proc.pid), time.monotonic()
        time.sleep(args.seconds)
        used, span = cpu_seconds(demo.proc.pid) - start_cpu, time.monotonic() - start
        percent = 100.0 * used / span
        print("sdl_idle: %.2f %% of one core over %.1f s (%.3f s CPU), limit %.1f %%"
              % (percent, span, used, LIMIT_PERCENT))
        return 0 if percent < LIMIT_PERCENT else 1
    finally:
        demo.stop()
        xvfb.stop()


if __name__ == "__main__":
    sys.exit(main())
