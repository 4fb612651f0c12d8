#!/usr/bin/env python3
"""The dialogs end to end: "Set timer" with typed hours, minutes and seconds shows them in the
big digits; each dialog opens centred over the main window the first time and, dragged away,
opens where it was left; a dialog dragged near the screen edge does not snap. Saves a
screenshot of each dialog.

Run inside xvfb-run and dbus-run-session (see CMakeLists.txt). Arguments: the program and the
folder where the screenshots go.
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from main_window import check, failures, pointer, run, wait_until  # noqa: E402

PROGRAM, SHOTS = sys.argv[1], sys.argv[2]
MAIN_W, MAIN_H = 351, 347

def grab(x, y, w, h):
    return subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def find_window(name):
    out = run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$", check_rc=False)
    ids = out.split()
    return ids[0] if ids else None


def geometry(wid):
    values = {}
    for line in run("xdotool", "getwindowgeometry", "--shell", wid).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    return values["X"], values["Y"]


def click(x, y):
    pointer(x, y)
    run("xdotool", "click", "1")
    time.sleep(0.15)


def drag(x, y, dx, dy):
    pointer(x, y)
    run("xdotool", "mousedown", "1")
    steps = 8
    for i in range(1, steps + 1):
        pointer(x + dx * i // steps, y + dy * i // steps)
        time.sleep(0.02)
    time.sleep(0.1)
    run("xdotool", "mouseup", "1")
    time.sleep(0.3)


def keys(*names):
    run("xdotool", "key", "--delay", "40", *names)


def shoot(x, y, w, h, name):
    run("import", "-window", "root", "-crop", f"{w + 20}x{h + 20}+{x - 10}+{y - 10}", "+repage",
        os.path.join(SHOTS, name))


def open_dialog(main, button, name):
    """Clicks a command button of the main window and waits for the dialog's window."""
    mx, my = main
    click(mx + button[0] + 18, my + button[1] + 18)
    wid = wait_until(lambda: find_window(name), 5)
    check(wid is not None, f"{name} opens")
    time.sleep(0.4)
    return wid


def main():
    work = tempfile.mkdtemp(prefix="tavorine-e2e-")
    env = dict(os.environ)
    env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={work}/no-system-bus"
    assert env["DBUS_SYSTEM_BUS_ADDRESS"].startswith(f"unix:path={work}/")
    env["BROWSER"] = "/bin/true"
    env["XDG_CONFIG_HOME"] = f"{work}/config"
    env["XDG_DATA_HOME"] = f"{work}/data"
    env["SDL_AUDIODRIVER"] = "dummy"
    env.pop("QT_QPA_PLATFORM", None)

    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                          check_rc=False), 10)
    subprocess.run(["display", "-window", "root", "-size", "8x8", "xc:#3a3f44"],
                   capture_output=True, timeout=10)
    pointer(5, 5)
    app = subprocess.Popen([PROGRAM], env=env)
    try:
        wid = wait_until(lambda: find_window("Tavorine"), 10)
        if not check(wid is not None, "main window appears"):
            return
        time.sleep(1.0)
        main_pos = geometry(wid)
        mx, my = main_pos
        digits = (mx + 29 + 13, my + 32 + 85, 264, 74)
        cell = lambda x0: grab(digits[0] + x0, digits[1], 40, 74)
        zero_cells = [cell(x0) for x0 in (0, 40, 91, 131, 182, 222)]

        # Set timer: the first opening is centred over the main window; type 1, 2, 3; OK.
        st = open_dialog(main_pos, (139, 272), "Set Time")
        sx, sy = geometry(st)
        centred = (mx + (MAIN_W - 351) // 2, my + int((MAIN_H - 227) / 2))
        check((sx, sy) == centred, f"set-time dialog centred at {sx},{sy} (expected {centred})")
        shoot(sx, sy, 351, 227, "screenshot-settime.png")
        keys("1", "Tab", "2", "Tab", "3")
        click(sx + 125 + 18, sy + 168 + 18)
        check(bool(wait_until(lambda: find_window("Set Time") is None, 3)), "OK closes it")
        time.sleep(0.5)
        now = [cell(x0) for x0 in (0, 40, 91, 131, 182, 222)]
        check(now[0] == zero_cells[0] and now[2] == zero_cells[2] and now[4] == zero_cells[4],
              "tens digits still show 0")
        check(now[1] != zero_cells[1] and now[3] != zero_cells[3] and now[5] != zero_cells[5],
              "units digits show the typed values")
        check(len({now[1], now[3], now[5]}) == 3, "hours, minutes and seconds differ: 1, 2, 3")

        # Dragged away, closed, reopened: where it was left. Near the edge: no snap.
        st = open_dialog(main_pos, (139, 272), "Set Time")
        sx, sy = geometry(st)
        check((sx, sy) == centred, "a second opening without a move is where it was")
        drag(sx + 15, sy + 100, 150, 90)
        moved = geometry(st)
        check(moved == (sx + 150, sy + 90), f"dragging the background moves it to {moved}")
        click(moved[0] + 296 + 8, moved[1] + 8 + 8)  # the close button
        check(bool(wait_until(lambda: find_window("Set Time") is None, 3)), "close button")
        st = open_dialog(main_pos, (139, 272), "Set Time")
        check(geometry(st) == moved, f"reopens where it was left: {geometry(st)}")
        x, y = geometry(st)
        drag(x + 15, y + 100, 6 - x, 0)
        nx, _ = geometry(st)
        check(nx == 6, f"a dialog 6 px from the screen edge stays there (x = {nx})")
        x, y = geometry(st)
        click(x + 170 + 18, y + 168 + 18)  # Cancel
        check(bool(wait_until(lambda: find_window("Set Time") is None, 3)), "Cancel closes it")

        # Actions: centred first, screenshot, then the message is switched on and the sound off.
        ad = open_dialog(main_pos, (100, 272), "Actions")
        ax, ay = geometry(ad)
        centred = (mx + int((MAIN_W - 350) / 2), my + int((MAIN_H - 474) / 2))
        check((ax, ay) == centred, f"actions dialog centred at {ax},{ay} (expected {centred})")
        shoot(ax, ay, 350, 474, "screenshot-actions.png")
        click(ax + 20 + 6, ay + 35 + 8)   # untick "Sound alarm"
        click(ax + 20 + 6, ay + 110 + 8)  # tick "Show Message"
        drag(ax + 12, ay + 240, 200, 60)
        moved = geometry(ad)
        check(moved == (ax + 200, ay + 60), f"actions dialog dragged to {moved}")
        click(moved[0] + 110 + 18, moved[1] + 410 + 18)  # tick
        check(bool(wait_until(lambda: find_window("Actions") is None, 3)), "the tick closes it")
        ad = open_dialog(main_pos, (100, 272), "Actions")
        check(geometry(ad) == moved, "actions dialog reopens where it was left")
        x, y = geometry(ad)
        click(x + 155 + 18, y + 410 + 18)  # cross
        check(bool(wait_until(lambda: find_window("Actions") is None, 3)), "the cross closes it")

        # Message window: a one-second countdown shows it, centred over the main window.
        st = open_dialog(main_pos, (139, 272), "Set Time")
        keys("0", "Tab", "0", "Tab", "1")
        x, y = geometry(st)
        click(x + 125 + 18, y + 168 + 18)
        wait_until(lambda: find_window("Set Time") is None, 3)
        click(mx + 177 + 18, my + 272 + 18)  # start
        mw = wait_until(lambda: find_window("Message"), 5)
        if check(mw is not None, "the message window shows at expiry"):
            time.sleep(0.4)
            wx, wy = geometry(mw)
            centred = (mx + int((MAIN_W - 599) / 2), my + int((MAIN_H - 101) / 2))
            check((wx, wy) == centred, f"message window centred at {wx},{wy} ({centred})")
            pointer(mx + 8, my + 200)
            time.sleep(0.2)
            shoot(wx, wy, 599, 101, "screenshot-message.png")
            click(wx + 556 + 8, wy + 7 + 8)
            check(bool(wait_until(lambda: find_window("Message") is None, 3)),
                  "its close button hides it")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        wm.terminate()
        wm.wait()


if __name__ == "__main__":
    main()
    if failures:
        print(f"{len(failures)} check(s) failed", flush=True)
        sys.exit(1)
