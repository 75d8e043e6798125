"""What the measurement scripts share: a desktop to run an editor on, and the CPU time
of a program and every process it started (a browser engine's, say)."""
import contextlib
import os
import random
import subprocess
import time

TICK = os.sysconf("SC_CLK_TCK")


def tree_cpu(root):
    """Seconds of CPU used by `root` and every process below it."""
    parents, cpu = {}, {}
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        parents[int(pid)] = int(fields[1])
        cpu[int(pid)] = (int(fields[11]) + int(fields[12]) + int(fields[13]) + int(fields[14])) / TICK
    total = 0.0
    for pid in cpu:
        p = pid
        while p and p != root and p in parents:
            p = parents[p]
        if p == root:
            total += cpu[pid]
    return total


def wait_quiet(root, limit=60.0, window=1.0, threshold=0.1):
    """Waits until the tree uses under `threshold` of a core over `window` seconds (idle CPU stays
    below it); returns the wait."""
    start = time.monotonic()
    last = tree_cpu(root)
    while time.monotonic() - start < limit:
        time.sleep(window)
        now = tree_cpu(root)
        if now - last < threshold * window:
            return time.monotonic() - start - window
        last = now
    return limit


@contextlib.contextmanager
def desktop():
    """An Xvfb display of 1280 x 900 with openbox; yields the environment for programs
    on it (with the browser engine's flags for running as root without a GPU)."""
    display = f":{random.randint(150, 250)}"
    env = dict(os.environ, DISPLAY=display)
    env.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu")
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1)
    wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    try:
        yield env
    finally:
        wm.kill()
        xvfb.kill()
