"""Region capture on a real X display: the dimmed overlay, a dragged selection, finishing
with a double-click, and leaving with a right press."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import Session, check, main  # noqa: E402
from pattern import bands, dimmed  # noqa: E402

BINARY = os.environ["QIRVO_BINARY"]
PAINT_ROOT = os.environ["QIRVO_PAINT_ROOT"]
ARTIFACTS = os.environ.get("QIRVO_E2E_ARTIFACTS")
TITLE = "Lumetra-Qirvo出品"
OUTLINE = (96, 200, 253)


def start(s):
    s.paint_root(PAINT_ROOT, "bands")
    s.spawn([BINARY])
    wid = s.find_window(TITLE)
    time.sleep(0.3)
    return wid, s.window_geometry(wid)


def click_capture_button(s, main, scale=1):
    x, y, _, _ = main
    s.xdotool("mousemove", x + 150 * scale, y + 13 * scale, "click", 1)


def wait_overlay(s, probe=(20, 20)):
    """Waits until the screen shows the dimmed desktop at `probe`."""
    want = dimmed(bands(*probe))
    s.wait_for(lambda: s.screenshot().pixel(*probe) == want, 5, "no dimmed overlay")


def wait_no_overlay(s, probe=(20, 20)):
    want = bands(*probe)
    s.wait_for(lambda: s.screenshot().pixel(*probe) == want, 5, "overlay did not close")


def drag(s, x1, y1, x2, y2):
    s.xdotool("mousemove", x1, y1, "mousedown", 1)
    for i in range(1, 6):
        s.xdotool("mousemove", x1 + (x2 - x1) * i // 5, y1 + (y2 - y1) * i // 5)
    s.xdotool("mouseup", 1)


def capture_by_dragging_and_double_click(scale):
    with Session(scale=scale) as s:
        wid, main = start(s)
        click_capture_button(s, main, scale)
        wait_overlay(s)
        L, T, R, B = 100, 120, 260, 230
        drag(s, L, T, R, B)
        s.xdotool("mousemove", 180, 180)  # inside: the next press moves nothing
        time.sleep(0.3)
        shot = s.screenshot()
        if ARTIFACTS:
            s.save_png(os.path.join(ARTIFACTS, f"capture_overlay_x{scale}.png"))
        # Outline on columns L and R - 1, rows T and B - 1; clean inside; dimmed outside.
        for x, y in ((L, T + 20), (R - 1, T + 30), (L + 40, T), (L + 50, B - 1)):
            check(shot.pixel(x, y) == OUTLINE, f"outline at ({x},{y}) is {shot.pixel(x, y)}")
        for x, y in ((L + 10, T + 10), (R - 3, B - 3), (150, 170)):
            check(shot.pixel(x, y) == bands(x, y), f"interior ({x},{y}) is not clean")
        for x, y in ((L - 5, T + 20), (R + 5, T + 20), (900, 100), (L + 20, B + 5)):
            check(shot.pixel(x, y) == dimmed(bands(x, y)), f"outside ({x},{y}) is not dimmed")
        # Handles: 4 x 4 at the corners, e.g. the top-left covers L-2..L+1 x T-2..T+1.
        check(shot.pixel(L - 2, T - 2) == OUTLINE, "top-left handle missing")
        s.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        wait_no_overlay(s)
        time.sleep(0.3)
        shot = s.screenshot()
        if ARTIFACTS:
            s.save_png(os.path.join(ARTIFACTS, f"after_capture_x{scale}.png"))
        x, y, _, _ = s.window_geometry(wid)
        # 画板2 at (1, 1) of the client shows the selection's top-left 100 x 100 pixels,
        # one picture pixel to one screen pixel whatever the scale factor.
        for py in range(0, 100, 3):
            for px in range(0, 100, 3):
                got = shot.pixel(x + scale + px, y + scale + py)
                check(got == bands(L + px, T + py),
                      f"画板2 pixel ({px},{py}) is {got}, want {bands(L + px, T + py)}")


def test_capture_by_dragging_and_double_click():
    capture_by_dragging_and_double_click(1)


def test_capture_is_pixel_exact_at_scale_factor_2():
    capture_by_dragging_and_double_click(2)


def test_arrow_keys_and_wheel_edit_the_selection():
    with Session() as s:
        _, main = start(s)
        click_capture_button(s, main)
        wait_overlay(s)
        L, T, R, B = 100, 120, 200, 200
        drag(s, L, T, R, B)
        s.xdotool("mousemove", 150, 160)
        # Right moves the whole selection by one; Shift+Down moves only its bottom edge;
        # a wheel notch away from the user grows it by one on every side.
        s.xdotool("key", "Right", "shift+Down")
        s.xdotool("click", 4)
        # Right: L+1, R+1. Shift+Down: B+1. Wheel +1: every side one pixel out.
        L, T, R, B = L + 1 - 1, T - 1, R + 1 + 1, B + 1 + 1
        time.sleep(0.3)
        shot = s.screenshot()
        for x, y in ((L, T + 30), (R - 1, T + 30), (L + 40, T), (L + 40, B - 1)):
            check(shot.pixel(x, y) == OUTLINE, f"outline at ({x},{y}) is {shot.pixel(x, y)}")
        for x, y in ((L - 1, T + 30), (R, T + 30), (L + 40, B)):
            check(shot.pixel(x, y) == dimmed(bands(x, y)), f"({x},{y}) should be dimmed")
        s.xdotool("click", 3)
        wait_no_overlay(s)


def test_right_press_leaves_without_capturing():
    with Session() as s:
        wid, main = start(s)
        x, y, _, _ = main
        before = s.screenshot().pixel(x + 50, y + 50)
        click_capture_button(s, main)
        wait_overlay(s)
        drag(s, 300, 300, 360, 380)
        s.xdotool("mousemove", 320, 320, "click", 3)
        wait_no_overlay(s)
        time.sleep(0.2)
        check(s.screenshot().pixel(x + 50, y + 50) == before, "画板2 changed after a right press")


if __name__ == "__main__":
    main([test_capture_by_dragging_and_double_click, test_capture_is_pixel_exact_at_scale_factor_2,
          test_arrow_keys_and_wheel_edit_the_selection, test_right_press_leaves_without_capturing])
