#!/usr/bin/env python3
"""Measures, on a 1920 x 1080 Xvfb, how long the real program takes from a click on
截图(Ctrl+1) to the painted overlay, and how long one mouse move of a drag takes through
the model and onto the screen. Prints medians. Usage: measure_capture.py BINARY [ROUNDS]"""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import Session  # noqa: E402


def main():
    binary = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    with Session(1920, 1080) as s:
        s.env["QIRVO_TIMING"] = "1"
        log = open(os.path.join(s.tmp, "timing.log"), "w")
        proc = subprocess.Popen([binary], env=s.env, stderr=log, stdout=subprocess.DEVNULL)
        s.procs.append(proc)
        wid = s.find_window("Lumetra-Qirvo出品")
        x, y, _, _ = s.window_geometry(wid)
        time.sleep(0.5)
        for i in range(rounds):
            s.xdotool("mousemove", x + 150, y + 13, "click", 1)
            time.sleep(0.4)
            s.xdotool("mousemove", 200, 200, "mousedown", 1)
            for step in range(1, 30):
                s.xdotool("mousemove", 200 + 40 * step, 150 + 25 * step)
            s.xdotool("mouseup", 1, "click", 3)
            time.sleep(0.3)
        log.close()
        lines = open(os.path.join(s.tmp, "timing.log")).read().splitlines()
    clicks = [float(l.split()[-2]) for l in lines if "overlay painted" in l]
    moves = [float(l.split()[-2]) for l in lines if "drag move" in l]
    # The first grab of a run pays for the shared-memory segment and page faults.
    print(f"click to overlay painted: median {statistics.median(clicks[1:]):.2f} ms "
          f"(first {clicks[0]:.2f} ms, {len(clicks)} runs)")
    print(f"drag move, model and screen: median {statistics.median(moves):.3f} ms "
          f"({len(moves)} moves)")


if __name__ == "__main__":
    main()
