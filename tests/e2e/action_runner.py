#!/usr/bin/env python3
"""A countdown's actions end to end: the real program, a real pointer and keyboard, a recording
browser. The actions are chosen in the actions dialog, the countdown set in the set-time dialog,
and at zero the message window shows, the URL reaches the browser and the loop starts again.

Run inside xvfb-run and dbus-run-session (see CMakeLists.txt). Arguments: the program and the
path of a screenshot taken when the message window shows.
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import main_window as h  # noqa: E402  (the shared pointer, screen and window helpers)

PROGRAM, SCREENSHOT = sys.argv[1], sys.argv[2]
MAIN_W, MAIN_H = 351, 347
MSG_W, MSG_H = 599, 101
ACT_W, ACT_H = 350, 474
SET_W, SET_H = 351, 227
URL = "https://example.test/tea?x=1&y=$(touch marker)"


def centred(outer, inner):
    """Where a window of size `inner` goes when centred in `outer`, with the platform's integer
    division, which rounds towards zero."""
    return int((outer - inner) / 2)


def key(*keys):
    h.run("xdotool", "key", "--clearmodifiers", *keys)


def type_text(text):
    h.run("xdotool", "type", "--delay", "5", text)


def find(name):
    out = h.run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$", check_rc=False)
    ids = out.split()
    return ids[0] if ids else None


def replace_text(x, y, text):
    """Clicks into an edit box and replaces what it holds."""
    h.click(x, y)
    key("ctrl+a")
    type_text(text)


def recorded(path):
    try:
        with open(path) as f:
            return [line.rstrip("\n") for line in f]
    except FileNotFoundError:
        return []


def write(path, text, mode=0o644):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)
    os.chmod(path, mode)


def main():
    work = tempfile.mkdtemp(prefix="tavorine-e2e-actions-")
    log = f"{work}/browser.log"
    recorder = f"{work}/bin/record-url"
    # One line per call, with every argument it was given on a line of its own.
    write(recorder, f'#!/bin/sh\nfor a in "$@"; do printf "%s\\n" "$a" >> "{log}"; done\n', 0o755)
    write(f"{work}/data/applications/recorder.desktop",
          "[Desktop Entry]\nType=Application\nName=Recorder\n"
          f"Exec={recorder} %u\nMimeType=x-scheme-handler/https;x-scheme-handler/http;\n")
    write(f"{work}/config/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/https=recorder.desktop\n"
          "x-scheme-handler/http=recorder.desktop\n")

    env = dict(os.environ)
    env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={work}/no-system-bus"
    assert env["DBUS_SYSTEM_BUS_ADDRESS"].startswith(f"unix:path={work}/")
    env.update({
        "HOME": work,
        "XDG_CONFIG_HOME": f"{work}/config",
        "XDG_DATA_HOME": f"{work}/data",
        "XDG_DATA_DIRS": f"{work}/data:/usr/share",
        "XDG_CURRENT_DESKTOP": "X-Generic",
        "BROWSER": recorder,
        "SDL_AUDIODRIVER": "dummy",
    })
    env.pop("QT_QPA_PLATFORM", None)

    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    h.wait_until(lambda: "window id" in h.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                              check_rc=False), 10)
    h.pointer(5, 5)
    app = subprocess.Popen([PROGRAM], env=env, cwd=work)
    try:
        main_id = h.wait_until(lambda: find("Tavorine"), 10)
        if not h.check(main_id is not None, "main window appears"):
            return
        time.sleep(1.0)
        mx, my, _, _ = h.geometry(main_id)

        # The actions: message with a text of ours, URL, loop; no alarm, so the runs are short.
        h.click(mx + 100 + 18, my + 272 + 18)  # "Set Actions"
        act = h.wait_until(lambda: find("Actions"), 5)
        if not h.check(act is not None, "the actions dialog opens"):
            return
        ax, ay, _, _ = h.geometry(act)
        h.check((ax, ay) == (mx + centred(MAIN_W, ACT_W), my + centred(MAIN_H, ACT_H)),
                f"the actions dialog opens centred over the main window ({ax},{ay})")
        h.click(ax + 20 + 7, ay + 35 + 8)    # untick "Sound alarm"
        h.click(ax + 20 + 7, ay + 110 + 8)   # tick "Show Message"
        replace_text(ax + 20 + 150, ay + 130 + 40, "Tea is ready")
        h.click(ax + 20 + 7, ay + 347 + 8)   # tick "Launch URL"
        replace_text(ax + 20 + 150, ay + 365 + 11, URL)
        h.click(ax + 20 + 7, ay + 391 + 8)   # tick "Loop timer"
        h.click(ax + 155 + 18, ay + 410 + 18)  # the cross closes it, keeping every change
        h.check(bool(h.wait_until(lambda: find("Actions") is None, 5)), "the cross closes it")

        # Three seconds in the set-time dialog, then start.
        h.click(mx + 139 + 18, my + 272 + 18)  # "Set timer"
        st = h.wait_until(lambda: find("Set Time"), 5)
        if not h.check(st is not None, "the set-time dialog opens"):
            return
        sx, sy, _, _ = h.geometry(st)
        replace_text(sx + 30 + 191 + 20, sy + 65 + 40 + 10, "3")
        h.click(sx + 125 + 18, sy + 168 + 18)  # OK
        h.check(bool(h.wait_until(lambda: find("Set Time") is None, 5)), "OK closes it")
        started = time.monotonic()
        h.click(mx + 177 + 18, my + 272 + 18)  # "Start timer"

        msg = h.wait_until(lambda: find("Message"), 10)
        expired = time.monotonic() - started
        if not h.check(msg is not None, "the message window shows at the expiry"):
            return
        h.check(3.0 <= expired < 7.0, f"the expiry comes about 4 s after the start ({expired:.1f})")
        time.sleep(0.3)
        gx, gy, gw, gh = h.geometry(msg)
        h.check((gw, gh) == (MSG_W, MSG_H), f"message window is {gw}x{gh}")
        h.check((gx, gy) == (mx + centred(MAIN_W, MSG_W), my + centred(MAIN_H, MSG_H)),
                f"message window centred over the main window ({gx},{gy})")
        text = h.grab(gx + 17, gy + 25, 561, 54)
        # The text may show selected, as a control's text is when its window first takes focus.
        lit = h.count(text, lambda p: sum(p) > 400)
        h.check(lit > 40, f"the message text shows ({lit} bright pixels)")
        subprocess.run(["import", "-window", "root", SCREENSHOT], capture_output=True)

        got = h.wait_until(lambda: recorded(log), 10)
        h.check(got == [URL], f"the URL reaches the browser as one argument: {got}")
        h.check(not os.path.exists(f"{work}/marker"), "nothing in the URL was run")

        # Drag the message window aside; the loop's next expiry shows it where it was left.
        h.drag(gx + 300, gy + 90, 0, 180)
        dx, dy, _, _ = h.geometry(msg)
        h.check((dx, dy) == (gx, gy + 180), f"the message window was dragged to {dx},{dy}")
        h.click(dx + 556 + 8, dy + 7 + 8)  # its close button
        h.check(bool(h.wait_until(lambda: find("Message") is None, 5)), "close hides it")
        again = h.wait_until(lambda: len(recorded(log)) >= 2 and find("Message"), 10)
        if h.check(bool(again), "the loop expires again and shows the message window"):
            ids = h.run("xdotool", "search", "--onlyvisible", "--name", "^Message$").split()
            h.check(len(ids) == 1, "there is one message window")
            ex, ey, _, _ = h.geometry(ids[0])
            h.check((ex, ey) == (dx, dy), f"shown where it was left ({ex},{ey})")

        # An expiry while the set-time dialog is open runs its actions; the message window's
        # close button works while the dialog stays open.
        h.click(dx + 556 + 8, dy + 7 + 8)
        h.wait_until(lambda: find("Message") is None, 5)
        count = len(recorded(log))
        h.click(mx + 139 + 18, my + 272 + 18)  # "Set timer", while the loop runs
        h.check(bool(h.wait_until(lambda: find("Set Time"), 5)), "the set-time dialog opens")
        inside = h.wait_until(lambda: len(recorded(log)) > count and find("Message"), 10)
        h.check(bool(inside), "a countdown expires while the dialog is open")
        h.click(dx + 556 + 8, dy + 7 + 8)
        h.check(bool(h.wait_until(lambda: find("Message") is None, 5)),
                "the message window closes while the dialog is open")
        h.check(find("Set Time") is not None, "the dialog stays open")
        st = find("Set Time")
        if st:
            sx, sy, _, _ = h.geometry(st)
            h.click(sx + 170 + 18, sy + 168 + 18)  # Cancel
            h.wait_until(lambda: find("Set Time") is None, 5)

        h.click(mx + 298 + 8, my + 10 + 8)  # close
        try:
            h.check(app.wait(timeout=5) == 0, "close ends the program")
        except subprocess.TimeoutExpired:
            h.check(False, "close ends the program within 5 s")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        wm.terminate()
        wm.wait()


if __name__ == "__main__":
    main()
    if h.failures:
        print(f"{len(h.failures)} check(s) failed", flush=True)
        sys.exit(1)
