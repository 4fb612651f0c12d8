#!/usr/bin/env python3
"""The main window end to end: the real program on a real X server, with a window manager or,
given --no-wm, without one (the window places and moves itself then too).

Run inside xvfb-run and dbus-run-session (see CMakeLists.txt). Arguments: the program, the path
where a screenshot of the main window is saved, and optionally --no-wm.
"""
import os
import subprocess
import sys
import tempfile
import time

PROGRAM, SCREENSHOT = sys.argv[1], sys.argv[2]
WITH_WM = "--no-wm" not in sys.argv[3:]
SCREEN_W, SCREEN_H = 1024, 768
W, H = 351, 347
GREEN = (0, 255, 0)
# Left insets of the top rows of a 60 x 60 corner; the rows below have none.
INSETS = [25, 21, 18, 16, 14, 13, 12, 10, 9, 8, 7, 7, 6, 5, 4, 4, 3, 3, 2, 2, 2, 1, 1, 1, 1]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def run(*args, check_rc=True):
    r = subprocess.run(args, capture_output=True, text=True)
    if check_rc and r.returncode != 0:
        raise RuntimeError(f"{args}: {r.returncode} {r.stderr}")
    return r.stdout


def wait_until(cond, timeout=5.0, step=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = cond()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(step)


def grab(x, y, w, h):
    """The screen's pixels in a rectangle, as rows of (r, g, b)."""
    data = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return [[tuple(data[(r * w + c) * 3:(r * w + c) * 3 + 3]) for c in range(w)]
            for r in range(h)]


def count(pixels, pred):
    return sum(1 for row in pixels for p in row if pred(p))


def is_red(p):
    return p[0] > 200 and p[1] < 60 and p[2] < 60


def inside_shape(x, y):
    w, h = W - 1, H - 1  # right and bottom edges are outside
    if x >= w or y >= h:
        return False
    edge = min(y, h - 1 - y)
    inset = INSETS[edge] if edge < len(INSETS) else 0
    return inset <= x < w - inset


def find_window():
    out = run("xdotool", "search", "--onlyvisible", "--name", "^Tavorine$", check_rc=False)
    ids = out.split()
    return ids[0] if ids else None


def geometry(wid):
    values = {}
    for line in run("xdotool", "getwindowgeometry", "--shell", wid).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


def pointer(x, y):
    run("xdotool", "mousemove", "--sync", str(x), str(y))


def drag(x, y, dx, dy):
    pointer(x, y)
    run("xdotool", "mousedown", "1")
    steps = 8
    for i in range(1, steps + 1):
        pointer(x + dx * i // steps, y + dy * i // steps)
        time.sleep(0.02)
    time.sleep(0.1)
    run("xdotool", "mouseup", "1")
    time.sleep(0.2)


def click(x, y):
    pointer(x, y)
    run("xdotool", "click", "1")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wm_state(wid):
    return run("xprop", "-id", wid, "WM_STATE", check_rc=False)


def main():
    work = tempfile.mkdtemp(prefix="tavorine-e2e-")
    env = dict(os.environ)
    # Nothing here may reach a real system bus; the program is told of one that does not exist.
    env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={work}/no-system-bus"
    assert env["DBUS_SYSTEM_BUS_ADDRESS"].startswith(f"unix:path={work}/")
    # A link opened by mistake goes nowhere.
    env["BROWSER"] = "/bin/true"
    env["XDG_CONFIG_HOME"] = f"{work}/config"
    env["XDG_DATA_HOME"] = f"{work}/data"
    # The program picks xcb by itself when a display is there.
    env.pop("QT_QPA_PLATFORM", None)

    wm = None
    if WITH_WM:
        wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                              check_rc=False), 10)
    subprocess.run(["display", "-window", "root", "-size", "8x8", "xc:#00ff00"],
                   capture_output=True, timeout=10)
    pointer(5, 5)

    app = subprocess.Popen([PROGRAM], env=env)
    try:
        wid = wait_until(find_window, 10)
        if not check(wid is not None, "main window appears"):
            return
        # Let the window manager settle and the clock line take its first value.
        time.sleep(1.5)
        x, y, w, h = geometry(wid)
        check((w, h) == (W, H), f"client size {w}x{h} is {W}x{H}")
        check((x, y) == ((SCREEN_W - W) // 2, (SCREEN_H - H) // 2),
              f"centred on the screen at {x},{y}")

        if WITH_WM:
            shot = grab(x, y, W, H)
            wrong = [(cx, cy) for cy in range(H) for cx in range(W)
                     if (shot[cy][cx] == GREEN) == inside_shape(cx, cy)]
            check(not wrong, f"shape equals the rounded region pixel for pixel ({len(wrong)} "
                  f"off, first {wrong[:5]})")
        else:
            # Without a window manager nothing repaints the root where the shape cuts the
            # window, so the shape is read from the server instead of the screen.
            shape = run("xwininfo", "-shape", "-id", wid)
            check(f"Window shape extents:  {W - 1}x{H - 1}+0+0" in shape,
                  "the window is shaped to 350 x 346")

        if not WITH_WM:
            x, y, _, _ = geometry(wid)
            drag(x + 12, y + 150, -40, -30)
            nx, ny, _, _ = geometry(wid)
            check((nx, ny) == (x - 40, y - 30), f"drag without a window manager: {nx},{ny}")
            pointer(nx + 177 + 18, ny + 272 + 18)
            check(bool(wait_until(lambda: count(grab(nx + 177, ny + 272, 36, 36), is_red) > 50)),
                  "hover works without a window manager")
            click(nx + 298 + 8, ny + 10 + 8)
            try:
                check(app.wait(timeout=3) == 0, "close ends the program")
            except subprocess.TimeoutExpired:
                check(False, "close ends the program within 3 s")
            return

        # Idle: only the clock line's second tick runs.
        before = cpu_seconds(app.pid)
        time.sleep(10)
        used = cpu_seconds(app.pid) - before
        print(f"idle CPU over 10 s: {used:.3f} s", flush=True)
        check(used < 0.5, f"idle CPU {used:.3f} s over 10 s stays near zero")

        # Hover: "Start timer" turns red and the status line shows its hint.
        bx, by = x + 177, y + 272
        status = (x + 29 + 16, y + 32 + 205, 255, 21)
        check(count(grab(bx, by, 36, 36), is_red) == 0, "start button is grey at first")
        pointer(bx + 18, by + 18)
        lit = wait_until(lambda: count(grab(bx, by, 36, 36), is_red) > 50, 3)
        check(bool(lit), "hovered start button turns red on screen")
        check(bool(wait_until(lambda: count(grab(*status), is_red) > 30, 3)),
              "status line shows the hint in red")
        pointer(x + 8, y + 200)
        check(bool(wait_until(lambda: count(grab(bx, by, 36, 36), is_red) == 0, 3)),
              "leaving restores the grey button")
        check(bool(wait_until(lambda: count(grab(*status), is_red) == 0, 3)),
              "leaving clears the status line")

        # Save the window as a user sees it, over a plain desktop.
        subprocess.run(["display", "-window", "root", "-size", "8x8", "xc:#3a3f44"],
                       capture_output=True, timeout=10)
        time.sleep(0.3)
        run("import", "-window", "root", "-crop", f"{W + 20}x{H + 20}+{x - 10}+{y - 10}",
            "+repage", SCREENSHOT)

        # Moves: background and title drag the window; the panel and the link do not.
        cases = [("background", (12, 150), True), ("title", (60, 22), True),
                 ("display panel", (29 + 150, 32 + 120), False), ("web link", (75 + 30, 320 + 8), False)]
        for name, (px, py), moves in cases:
            x, y, _, _ = geometry(wid)
            drag(x + px, y + py, -40, -30)
            nx, ny, _, _ = geometry(wid)
            expected = (x - 40, y - 30) if moves else (x, y)
            check((nx, ny) == expected, f"drag on the {name}: {x},{y} -> {nx},{ny}, "
                  f"expected {expected}")

        # Snap: the left edge brought to 6 px from the screen's edge lands on it.
        x, y, _, _ = geometry(wid)
        drag(x + 12, y + 150, 6 - x, 0)
        nx, _, _, _ = geometry(wid)
        check(nx == 0, f"left edge within 10 px snaps to the screen edge (x = {nx})")
        x, y, _, _ = geometry(wid)
        drag(x + 12, y + 150, 0, (SCREEN_H - H - 7) - y)
        _, ny, _, _ = geometry(wid)
        check(ny == SCREEN_H - H, f"bottom edge within 10 px snaps (y = {ny})")
        x, y, _, _ = geometry(wid)
        drag(x + 12, y + 150, 300, -200)
        x, y, _, _ = geometry(wid)

        # A countdown: one minute more, then start.
        digits = (x + 29 + 13, y + 32 + 85, 264, 74)
        click(x + 22 + 18, y + 272 + 18)
        time.sleep(0.6)
        click(x + 177 + 18, y + 272 + 18)
        first = grab(*digits)
        check(bool(wait_until(lambda: grab(*digits) != first, 3)), "countdown runs")

        # Minimise hides the program; activating it brings it back, still counting.
        click(x + 281 + 8, y + 10 + 8)
        check(bool(wait_until(lambda: "Iconic" in wm_state(wid), 5)), "minimise iconifies")
        check(bool(wait_until(lambda: find_window() is None, 5)), "no window left on screen")
        hidden_at = grab(*digits)
        time.sleep(1.2)
        run("xdotool", "windowactivate", wid, check_rc=False)
        check(bool(wait_until(lambda: "Normal" in wm_state(wid), 5)), "restoring maps it again")
        time.sleep(0.5)
        x, y, _, _ = geometry(wid)
        digits = (x + 29 + 13, y + 32 + 85, 264, 74)
        check(grab(*digits) != hidden_at, "the countdown went on while minimised")

        # The close glyph ends the program at once, countdown or not.
        click(x + 298 + 8, y + 10 + 8)
        try:
            rc = app.wait(timeout=3)
            check(rc == 0, f"close ends the program (exit code {rc})")
        except subprocess.TimeoutExpired:
            check(False, "close ends the program within 3 s")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        if wm:
            wm.terminate()
            wm.wait()


if __name__ == "__main__":
    main()
    if failures:
        print(f"{len(failures)} check(s) failed", flush=True)
        sys.exit(1)
