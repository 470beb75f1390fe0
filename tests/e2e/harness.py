"""End-to-end harness: a private Xvfb with openbox, the real binary, xdotool input,
screenshots compared by pixel. Every process it starts is ended by its own id."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time


class Failure(Exception):
    pass


def check(cond, message):
    if not cond:
        raise Failure(message)


class Screenshot:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])


def parse_ppm(data):
    # P6, width, height, maxval, then the raster; header fields split by whitespace.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
    w, h = int(fields[1]), int(fields[2])
    return Screenshot(w, h, data[pos + 1:pos + 1 + 3 * w * h])


class Session:
    """One virtual display with a window manager, torn down on exit."""

    def __init__(self, width=1280, height=1024, scale=None):
        self.width, self.height = width, height
        self.procs = []
        self.tmp = tempfile.mkdtemp(prefix="qirvo-e2e-")
        self.display = None
        self.env = dict(os.environ)
        if scale:
            self.env["QT_SCALE_FACTOR"] = str(scale)
        runtime = os.path.join(self.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        self.env["XDG_RUNTIME_DIR"] = runtime

    def __enter__(self):
        try:
            return self._start()
        except BaseException:
            self.__exit__(None, None, None)  # never leave a display behind
            raise

    def _start(self):
        self._start_display()
        # openbox now and then fails to take the display on a loaded machine: try again.
        for _ in range(3):
            log = open(os.path.join(self.tmp, "openbox.log"), "ab")
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=log,
                                  stderr=log)
            self.procs.append(wm)
            deadline = time.time() + 10
            while time.time() < deadline and wm.poll() is None:
                if self.run(["wmctrl", "-m"], check_rc=False).returncode == 0:
                    return self
                time.sleep(0.05)
            if wm.poll() is None:
                wm.kill()
                wm.wait()
        with open(os.path.join(self.tmp, "openbox.log"), "rb") as f:
            raise Failure("openbox did not start: " + f.read().decode(errors="replace"))

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _start_display(self):
        # -displayfd lets Xvfb pick a free display number and tell us which one it took.
        read_fd, write_fd = os.pipe()
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.procs.append(proc)
        number = b""
        deadline = time.time() + 15
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        check(number.strip(), "Xvfb did not start")
        self.display = ":" + number.decode().strip()
        self.env["DISPLAY"] = self.display
        self.env.pop("WAYLAND_DISPLAY", None)

    def spawn(self, argv, quiet=False, cwd=None):
        out = subprocess.DEVNULL if quiet else None
        proc = subprocess.Popen(argv, env=self.env, stdout=out, stderr=out, cwd=cwd)
        self.procs.append(proc)
        return proc

    def run(self, argv, check_rc=True, timeout=20):
        res = subprocess.run(argv, env=self.env, capture_output=True, timeout=timeout)
        if check_rc and res.returncode != 0:
            raise Failure(f"{argv} failed: {res.stderr.decode(errors='replace')}")
        return res

    def xdotool(self, *args):
        return self.run(["xdotool", *map(str, args)]).stdout.decode().strip()

    @staticmethod
    def wait_for(predicate, timeout, message, interval=0.05):
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = predicate()
            if value:
                return value
            time.sleep(interval)
        raise Failure(message)

    def find_window(self, title, timeout=10):
        def search():
            res = self.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           check_rc=False)
            ids = res.stdout.decode().split()
            return ids[0] if ids else None
        return self.wait_for(search, timeout, f"no window titled {title}")

    def window_geometry(self, wid):
        """Client area (x, y, width, height) in root coordinates. xdotool's own answer
        counts the frame offset twice under a reparenting window manager; xwininfo's
        absolute corner is right."""
        out = self.run(["xwininfo", "-id", str(wid)]).stdout.decode()
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def screenshot(self):
        data = self.run(["import", "-window", "root", "-depth", "8", "ppm:-"]).stdout
        return parse_ppm(data)

    def save_png(self, path):
        self.run(["import", "-window", "root", path])

    def close_window(self, wid):
        self.run(["wmctrl", "-i", "-c", wid])

    def paint_root(self, pattern_program, kind):
        """Paints a known pattern on the root window (the desktop) with our Xlib helper."""
        self.run([pattern_program, kind])


def main(tests):
    failed = 0
    for test in tests:
        name = test.__name__
        start = time.time()
        try:
            test()
            print(f"PASS {name} ({time.time() - start:.1f}s)")
        except Exception as e:  # noqa: BLE001 - report every failure, go on with the rest
            failed += 1
            print(f"FAIL {name}: {e}")
    print(f"{len(tests) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
