"""MainWindow on a real X display: title, client size, first look, closing."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import Session, check, main  # noqa: E402

BINARY = os.environ["QIRVO_BINARY"]
ARTIFACTS = os.environ.get("QIRVO_E2E_ARTIFACTS")
TITLE = "Lumetra-Qirvo出品"




def test_main_window_opens_closes():
    with Session() as s:
        proc = s.spawn([BINARY])
        wid = s.find_window(TITLE)
        x, y, w, h = s.window_geometry(wid)
        check((w, h) == (403, 233), f"client size {w}x{h}, want 403x233")
        time.sleep(0.5)  # first paint
        shot = s.screenshot()
        if ARTIFACTS:
            s.save_png(os.path.join(ARTIFACTS, "main_window.png"))
        # The canvases are black at (1, 1) and (200, 1) of the client area.
        for cx, cy in ((1, 1), (50, 50), (99, 99), (200, 1), (250, 50), (299, 100)):
            check(shot.pixel(x + cx, y + cy) == (0, 0, 0),
                  f"canvas pixel ({cx},{cy}) is {shot.pixel(x + cx, y + cy)}")
        # The promotion picture sits at (6, 130): its corner is the dark art, not the
        # window's face, and the face shows just left of it.
        face = shot.pixel(x + 3, y + 200)
        corner = shot.pixel(x + 8, y + 132)
        check(corner != face, f"no promotion picture at (6,130): {corner}")
        check(sum(corner) < 300, f"promotion corner colour {corner}")
        # Fixed size: a maximise request through the window manager changes nothing.
        s.run(["wmctrl", "-i", "-r", wid, "-b", "add,maximized_vert,maximized_horz"])
        time.sleep(0.3)
        check(s.window_geometry(wid)[2:] == (403, 233), "the window could be maximised")
        # Closing through the window manager ends the program with 0 within a second.
        s.close_window(wid)
        start = time.time()
        while proc.poll() is None and time.time() - start < 1.0:
            time.sleep(0.02)
        check(proc.poll() == 0, f"exit code {proc.poll()} after close")


if __name__ == "__main__":
    main([test_main_window_opens_closes])
