#!/usr/bin/env python3
"""CPU time of the whole program (its own process and the browser engine's) per
keystroke, typed into the running window under Xvfb, and its CPU while idle.

    tools/perf/keystroke-cpu.py SHEET [--exe build/bin/stylograf] [--keys 20]

Needs Xvfb, openbox and xdotool (Debian packages xvfb, openbox, xdotool). Extra
environment for the program (QT_QUICK_BACKEND=..., say) is passed through.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from processes import desktop, tree_cpu, wait_quiet  # noqa: E402


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("sheet")
    ap.add_argument("--exe", default=os.path.join(os.path.dirname(__file__), "../../build/bin/stylograf"))
    ap.add_argument("--keys", type=int, default=20)
    ap.add_argument("--interval", type=float, default=0.3)
    args = ap.parse_args()

    with desktop() as env:
        measure(args, env)


def measure(args, env):
    app = subprocess.Popen([args.exe, args.sheet], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        settle = wait_quiet(app.pid)
        x = lambda *a: subprocess.run(["xdotool", *a], env=env, check=True)
        x("mousemove", "500", "420", "click", "1")  # the editor, about the middle of the screen
        wait_quiet(app.pid)
        idle0 = tree_cpu(app.pid)
        time.sleep(10)
        idle = (tree_cpu(app.pid) - idle0) / 10 * 100
        before = tree_cpu(app.pid)
        for i in range(args.keys):
            x("key", "x" if i % 2 == 0 else "BackSpace")
            time.sleep(args.interval)
        tail = wait_quiet(app.pid)
        used = tree_cpu(app.pid) - before
        print(f"{os.path.basename(args.sheet)}: started and quiet after {settle:.1f} s; idle {idle:.2f} % CPU; "
              f"{used / args.keys * 1000:.0f} ms CPU per key over {args.keys} keys; quiet {tail:.1f} s after the last")
    finally:
        app.kill()
        app.wait()


if __name__ == "__main__":
    sys.exit(main())
