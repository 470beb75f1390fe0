"""The transparent-picture flow on a real X display: capture a known pattern, click a
colour with "去背景" checked, save both pictures, and check the files pixel by pixel."""

import os
import shutil
import struct
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import Session, check, main  # noqa: E402
from pattern import bands, dimmed  # noqa: E402

BINARY = os.environ["QIRVO_BINARY"]
PAINT_ROOT = os.environ["QIRVO_PAINT_ROOT"]
ARTIFACTS = os.environ.get("QIRVO_E2E_ARTIFACTS")
TITLE = "Lumetra-Qirvo出品"


def read_bmp(path):
    data = open(path, "rb").read()
    check(data[:2] == b"BM", f"{path} is not a BMP")
    width, height = struct.unpack_from("<ii", data, 18)
    check(struct.unpack_from("<H", data, 28)[0] == 24, "not 24 bits")
    stride = (24 * width + 31) // 32 * 4
    pixels = {}
    for y in range(height):
        row = 54 + (height - 1 - y) * stride
        for x in range(width):
            b, g, r = data[row + 3 * x:row + 3 * x + 3]
            pixels[(x, y)] = (r, g, b)
    return width, height, pixels


def matches(p, key, threshold=1.0):
    for pv, kv in zip(p, key):
        if pv == 0 and kv == 0:
            continue
        ratio = pv / kv if pv < kv else kv / pv
        if threshold - ratio > 1e-7:
            return False
    return True


def test_key_a_colour_and_save_both_pictures():
    with Session() as s:
        # A copy of the program in a folder of its own: it saves beside itself.
        program = os.path.join(s.tmp, "qirvo")
        shutil.copy(BINARY, program)
        s.paint_root(PAINT_ROOT, "bands")
        s.spawn([program])
        wid = s.find_window(TITLE)
        time.sleep(0.3)
        x, y, _, _ = s.window_geometry(wid)

        # Capture (100, 120)-(150, 160): 50 x 40.
        L, T, R, B = 100, 120, 150, 160
        s.xdotool("mousemove", x + 150, y + 13, "click", 1)
        s.wait_for(lambda: s.screenshot().pixel(20, 20) == dimmed(bands(20, 20)), 5, "no overlay")
        s.xdotool("mousemove", L, T, "mousedown", 1)
        for i in range(1, 5):
            s.xdotool("mousemove", L + (R - L) * i // 4, T + (B - T) * i // 4)
        s.xdotool("mouseup", 1)
        s.xdotool("mousemove", L + 20, T + 20)
        time.sleep(0.2)
        s.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        s.wait_for(lambda: s.screenshot().pixel(20, 20) == bands(20, 20), 5, "overlay stayed")

        # "去背景" on, then a press on 画板2 at (10, 10) keys that colour.
        s.xdotool("mousemove", x + 309 + 8, y + 60 + 8, "click", 1)
        s.xdotool("mousemove", x + 1 + 10, y + 1 + 10, "click", 1)
        time.sleep(1.0)
        key = bands(L + 10, T + 10)

        s.xdotool("mousemove", x + 44 + 40, y + 105 + 10, "click", 1)
        s.xdotool("type", "e2epic")
        for button, file_kind in (((309 + 44, 102 + 12), "transparent"), ((106 + 44, 77 + 12), "captured")):
            s.xdotool("mousemove", x + button[0], y + button[1], "click", 1)
            box = s.find_window("Qirvo提示")
            if ARTIFACTS:
                s.save_png(os.path.join(ARTIFACTS, f"saved_{file_kind}.png"))
            s.xdotool("windowfocus", "--sync", box, "key", "Return")
            s.wait_for(lambda: not s.run(["xdotool", "search", "--onlyvisible", "--name",
                                          "^Qirvo提示$"], check_rc=False).stdout.strip(),
                       5, "message box stayed")
            if file_kind == "transparent":
                # Moved aside, so that the second save asks no overwrite question.
                shutil.move(os.path.join(s.tmp, "e2epic.bmp"), os.path.join(s.tmp, "t.bmp"))

        if ARTIFACTS:
            for name in ("t.bmp", "e2epic.bmp"):
                shutil.copy(os.path.join(s.tmp, name), os.path.join(ARTIFACTS, "saved_" + name))
        w, h, px = read_bmp(os.path.join(s.tmp, "t.bmp"))
        check((w, h) == (53, 43), f"transparent picture is {w}x{h}")
        for (cx, cy), got in px.items():
            if 1 <= cx <= 49 and 1 <= cy <= 39:
                p = bands(L + cx, T + cy)
                want = (0, 0, 0) if matches(p, key) else p
            else:
                want = (0, 0, 0)
            check(got == want, f"transparent pixel ({cx},{cy}) is {got}, want {want}")

        w, h, px = read_bmp(os.path.join(s.tmp, "e2epic.bmp"))
        check((w, h) == (150, 140), f"captured picture is {w}x{h}")
        for (cx, cy), got in px.items():
            check(got == bands(L + cx, T + cy), f"captured pixel ({cx},{cy}) is {got}")


if __name__ == "__main__":
    main([test_key_a_colour_and_save_both_pictures])
