#!/usr/bin/env python3
"""Time from a key to the screen: a key is typed into the running editor under Xvfb,
and the time until the screen around the caret changes is measured; the median and
the spread over the keys are printed. Works for any editor, so that Stylograf can be
compared with the ones users would pick instead.

    tools/perf/key-to-screen.py SHEET [--command 'kate {sheet}'] [--keys 20] [--at 500,420]

The default command is the built Stylograf. The editor is clicked at --at (a point
on a line of text in its editing area), then "x" and BackSpace are typed by turns;
before each key the editor has been idle (its processes under --idle-cpu of a core) and
the screen still. The key goes through the XTEST extension and the screen is read
with XGetImage, both from this process, so neither waits on a program start. A
change narrower than 5 pixels is a blinking caret, not the key's answer, and is
passed over. Needs Xvfb and openbox (Debian packages xvfb, openbox).
"""
import argparse
import ctypes
import os
import shlex
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from processes import desktop, tree_cpu  # noqa: E402


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Screen:
    """The X server's screen through Xlib and XTEST."""

    def __init__(self, display):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                       ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise SystemExit(f"cannot open display {display}")
        self.root = self.x11.XDefaultRootWindow(self.display)

    def grab(self, x, y, width, height):
        image = self.x11.XGetImage(self.display, self.root, x, y, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        row = image.contents.bytes_per_line
        data = ctypes.string_at(image.contents.data, row * height)
        self.x11.XFree(image.contents.data)
        self.x11.XFree(image)
        return data, row

    def click(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XSync(self.display, 0)

    def key(self, name):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XSync(self.display, 0)


def changed_width(before, after, row):
    """How many pixel columns apart the leftmost and rightmost change lie; 0 for none."""
    if before == after:
        return 0
    left, right = row, -1
    for start in range(0, len(before), row):
        a, b = before[start:start + row], after[start:start + row]
        if a == b:
            continue
        i = 0
        while a[i] == b[i]:
            i += 1
        j = row - 1
        while a[j] == b[j]:
            j -= 1
        left, right = min(left, i), max(right, j)
    return (right - left) // 4 + 1 if right >= 0 else 0


def wait_idle(pid, screen, band, idle_cpu, limit=60.0):
    """Until the editor's processes use under `idle_cpu` of a core and the band has not
    changed for 0.3 s."""
    start = time.monotonic()
    last_cpu, last_image = tree_cpu(pid), screen.grab(*band)[0]
    still_since = time.monotonic()
    while time.monotonic() - start < limit:
        time.sleep(0.1)
        image = screen.grab(*band)[0]
        if image != last_image:
            last_image, still_since = image, time.monotonic()
        now = time.monotonic()
        if now - still_since >= 0.3 and now - start >= 0.5:
            cpu = tree_cpu(pid)
            if cpu - last_cpu < idle_cpu * (now - start):
                return
            last_cpu, start = cpu, now


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("sheet")
    ap.add_argument("--command", default=os.path.join(os.path.dirname(__file__), "../../build/bin/stylograf") + " {sheet}")
    ap.add_argument("--keys", type=int, default=20)
    ap.add_argument("--at", default="500,420", help="X,Y of a point on a line of text in the editing area")
    ap.add_argument("--idle-cpu", type=float, default=0.1,
                    help="share of a core under which the editor counts as idle (a sheet's endless animations in "
                         "the preview keep it above 0.1)")
    ap.add_argument("--settle", type=float, default=5.0, help="seconds the editor gets to open the sheet")
    args = ap.parse_args()
    x, y = (int(v) for v in args.at.split(","))

    with desktop() as env:
        measure(args, env, x, y)


def measure(args, env, x, y):
    command = [part.replace("{sheet}", os.path.abspath(args.sheet)) for part in shlex.split(args.command)]
    editor = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        screen = Screen(env["DISPLAY"])
        band = (0, max(0, y - 12), 1280, 24)  # the clicked line, the whole width of the screen
        time.sleep(args.settle)
        wait_idle(editor.pid, screen, band, args.idle_cpu)
        screen.click(x, y)
        wait_idle(editor.pid, screen, band, args.idle_cpu)
        times = []
        for i in range(args.keys):
            before, row = screen.grab(*band)
            screen.key("x" if i % 2 == 0 else "BackSpace")
            sent = time.monotonic()
            while time.monotonic() - sent < 30:
                after, _ = screen.grab(*band)
                if changed_width(before, after, row) >= 5:
                    times.append((time.monotonic() - sent) * 1000)
                    break
            wait_idle(editor.pid, screen, band, args.idle_cpu)
        if not times:
            raise SystemExit("the screen never changed: does --at point into the editing area?")
        name = os.path.basename(command[0])
        print(f"{name} on {os.path.basename(args.sheet)}: key to screen median {statistics.median(times):.1f} ms "
              f"(min {min(times):.1f}, max {max(times):.1f}) over {len(times)} of {args.keys} keys")
    finally:
        editor.kill()
        editor.wait()


if __name__ == "__main__":
    sys.exit(main())
