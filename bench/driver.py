#!/usr/bin/env python3
"""Measures Tavorine as a user meets it, beside its peers, and prints one table.

Runs inside an X server (xvfb-run -a) and a private session bus (dbus-run-session); starts the
window manager itself. Every program is measured by the same code in the same run:
  - launch to first visible frame (bench_first_frame polls the screen every 2 ms),
  - resident memory (VmRSS) 2 s after start,
  - CPU time and wake-ups (voluntary context switches of all threads) per second, idle, while
    counting down and while the stopwatch runs, each over a window of WINDOW seconds,
and for Tavorine also the expiry accuracy and the built-in alarm's CPU time (in-process
benchmarks, offscreen).

  driver.py --build BUILD_DIR [--runs 5] [--window 10] [--long] [--only NAME,...]
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")

# Tavorine's main window, window-relative centres of the buttons (each 36 x 36 at y 272).
INCREASE_TIME = (22 + 18, 272 + 18)
START_TIMER = (177 + 18, 272 + 18)
STOPWATCH = (291 + 18, 272 + 18)


def log(*args):
    print(*args, file=sys.stderr, flush=True)


# ---- process figures ------------------------------------------------------------------------


def tasks(pid):
    try:
        return os.listdir(f"/proc/{pid}/task")
    except OSError:
        return []


def counters(pid):
    """Per thread: {tid: (cpu seconds from schedstat, voluntary switches)}, and the process's
    utime+stime from stat in seconds."""
    threads = {}
    for t in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{t}/schedstat") as f:
                run_ns = int(f.read().split()[0])
            with open(f"/proc/{pid}/task/{t}/status") as f:
                switches = next(int(line.split()[1]) for line in f
                                if line.startswith("voluntary_ctxt_switches:"))
            threads[t] = (run_ns / 1e9, switches)
        except (OSError, StopIteration):
            pass  # a thread that ended meanwhile
    ticks = 0
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
            ticks = int(fields[11]) + int(fields[12])  # utime, stime
    except OSError:
        pass
    return threads, ticks / CLK_TCK


def rss_mb(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
    except OSError:
        pass
    return None


def rates(pid, seconds):
    """CPU % of a core and wake-ups per second over the next `seconds`. Counted per thread, so a
    thread that ends during the window takes none of the others' figures with it (its own last
    part is lost); a thread that starts counts in full."""
    t0 = time.monotonic()
    before, ticks0 = counters(pid)
    time.sleep(seconds)
    after, ticks1 = counters(pid)
    wall = time.monotonic() - t0
    cpu = sum(v[0] - before.get(t, (0, 0))[0] for t, v in after.items())
    wake = sum(v[1] - before.get(t, (0, 0))[1] for t, v in after.items())
    return {
        "cpu": 100.0 * cpu / wall,
        "cpu_ticks": 100.0 * (ticks1 - ticks0) / wall,
        "wake": wake / wall,
        "threads": len(after),
    }


# ---- X ----------------------------------------------------------------------------------------


def x(*cmd, check=False):
    return subprocess.run(cmd, capture_output=True, text=True, check=check).stdout


def wait_for_wm(timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if "window id" in x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"):
            return True
        time.sleep(0.05)
    return False


def client_windows():
    out = x("xprop", "-root", "_NET_CLIENT_LIST")
    return re.findall(r"0x[0-9a-f]+", out)


def wait_no_clients(timeout=5):
    end = time.monotonic() + timeout
    while client_windows() and time.monotonic() < end:
        time.sleep(0.05)


def click(window, pos):
    subprocess.run(["xdotool", "mousemove", "--window", str(window), str(pos[0]), str(pos[1]),
                    "click", "1"], check=False)


# ---- programs ---------------------------------------------------------------------------------


class Program:
    def __init__(self, name, cmd, env=None, counting=None, stopwatch=None, note=""):
        self.name = name
        self.cmd = cmd
        self.env = env or {}
        self.counting = counting  # starts a countdown, given the window id
        self.stopwatch = stopwatch  # starts the stopwatch
        self.note = note
        self.results = {}

    def add(self, key, value):
        if value is not None:
            self.results.setdefault(key, []).append(value)


def ours_counting(window):
    click(window, INCREASE_TIME)  # one minute
    time.sleep(0.2)
    click(window, START_TIMER)


def ours_stopwatch(window):
    click(window, STOPWATCH)


def kill(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    end = time.monotonic() + 3
    while time.monotonic() < end:
        try:
            done, _ = os.waitpid(pid, os.WNOHANG)
            if done:
                return
        except ChildProcessError:
            return
        time.sleep(0.02)
    try:
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
    except (ProcessLookupError, ChildProcessError):
        pass


def reap_orphans():
    try:
        while os.waitpid(-1, os.WNOHANG)[0]:
            pass
    except ChildProcessError:
        pass


def launch(poller, program, env, logfile, timeout_ms):
    wait_no_clients()
    start = time.monotonic()
    out = subprocess.run([poller, "--timeout", str(timeout_ms), "--log", logfile, "--"]
                         + program.cmd, capture_output=True, text=True,
                         env={**env, **program.env}).stdout
    m = re.search(r"pid=(\d+) window=(\d+) mapped_ms=(\S+) frame_ms=(\S+)", out)
    if not m:
        raise RuntimeError(f"{program.name}: poller said {out!r}")
    pid, window = int(m.group(1)), int(m.group(2))
    mapped, frame = float(m.group(3)), float(m.group(4))
    return start, pid, window, (mapped if mapped >= 0 else None), (frame if frame >= 0 else None)


def sleep_until(t):
    d = t - time.monotonic()
    if d > 0:
        time.sleep(d)


def measure(poller, program, env, tmp, runs, window_s):
    logfile = os.path.join(tmp, program.name.replace(" ", "_") + ".log")
    timeout_ms = 15000
    # One launch first that is not counted: it fills the disk cache and the program's caches,
    # as any launch after the first one a user makes.
    start, pid, window, mapped, frame = launch(poller, program, env, logfile, timeout_ms)
    time.sleep(1)
    kill(pid)
    if frame is None:
        timeout_ms = 3000  # no window of its own to wait for
        program.note = program.note or "no window appeared"
    for r in range(runs):
        start, pid, window, mapped, frame = launch(poller, program, env, logfile, timeout_ms)
        program.add("frame", frame)
        program.add("mapped", mapped)
        sleep_until(start + 2.0)
        program.add("rss", rss_mb(pid))
        sleep_until(start + 2.5)
        program.add("idle", rates(pid, window_s))
        if program.counting and window:
            program.counting(window)
            time.sleep(1)
            program.add("count", rates(pid, window_s))
        if program.stopwatch and window:
            program.stopwatch(window)
            time.sleep(1)
            program.add("stopwatch", rates(pid, window_s))
        alive = os.path.exists(f"/proc/{pid}")
        kill(pid)
        reap_orphans()
        log(f"  {program.name} run {r + 1}: frame {frame} ms, mapped {mapped} ms,"
            f" rss {program.results.get('rss', [None])[-1]} MB{'' if alive else ' (exited)'}")


def long_rss(poller, program, env, tmp):
    """Resident memory after ten minutes of the stopwatch."""
    logfile = os.path.join(tmp, "long.log")
    start, pid, window, _, _ = launch(poller, program, env, logfile, 15000)
    sleep_until(start + 2.0)
    program.stopwatch(window)
    time.sleep(600)
    program.add("rss_long", rss_mb(pid))
    kill(pid)


# ---- in-process benchmarks ---------------------------------------------------------------------


def run_expiry(build, seconds, runs):
    out = subprocess.run([os.path.join(build, "bench", "bench_expiry"), str(seconds), str(runs)],
                         capture_output=True, text=True).stdout
    m = re.search(r"median_ms=(\S+) min_ms=(\S+) max_ms=(\S+)", out)
    return tuple(float(v) for v in m.groups()) if m else None


def run_alarm(build, runs):
    out = subprocess.run([os.path.join(build, "bench", "bench_alarm_cpu"), str(runs)],
                         capture_output=True, text=True).stdout
    m = re.search(r"\| ours[^|]*\|\s*\d+\s*\|\s*\S+\s*\|\s*(\S+)\s*\|\s*(\S+)-\s*(\S+)\s*\|", out)
    return out, (tuple(float(v) for v in m.groups()) if m else None)


# ---- the table ---------------------------------------------------------------------------------


def spread(values, fmt="{:.1f}"):
    if not values:
        return "n/a"
    med = statistics.median(values)
    return f"{fmt.format(med)} ({fmt.format(min(values))}–{fmt.format(max(values))})"


def rate_cell(samples, key, fmt):
    if not samples:
        return "n/a"
    return spread([s[key] for s in samples], fmt)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--window", type=float, default=10.0)
    ap.add_argument("--long", action="store_true")
    ap.add_argument("--only", default="")
    args = ap.parse_args()

    # Programs that outlive their poller become our children, so they can be waited for.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER

    build = os.path.abspath(args.build)
    poller = os.path.join(build, "bench", "bench_first_frame")
    tmp = tempfile.mkdtemp(prefix="tavorine-bench-")
    env = dict(os.environ)
    # A system bus that is not there: nothing measured here may reach the machine's own.
    env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={tmp}/absent/system_bus_socket"
    for var in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"):
        env[var] = os.path.join(tmp, var.lower())
        os.makedirs(env[var], exist_ok=True)
    env.pop("QT_QPA_PLATFORM", None)

    wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    if not wait_for_wm():
        sys.exit("the window manager did not come up")

    ours = Program("Tavorine", [os.path.join(build, "src", "app", "tavorine")],
                   counting=ours_counting, stopwatch=ours_stopwatch)
    floor = Program("floor (bare Qt)", [os.path.join(build, "bench", "bench_floor_window")],
                    note="its label counts every second: idle is its counting")
    programs = [
        ours,
        floor,
        Program("GNOME Clocks (cairo)", ["gnome-clocks"], env={"GSK_RENDERER": "cairo"},
                note="idle only"),
        Program("GNOME Clocks (default)", ["gnome-clocks"], note="idle only"),
        Program("KTimer", ["ktimer"], note="idle only"),
        Program("KTeaTime", ["kteatime"], note="idle only; a tray program"),
    ]
    if args.only:
        wanted = args.only.split(",")
        programs = [p for p in programs if any(w.lower() in p.name.lower() for w in wanted)]

    for p in programs:
        if not shutil.which(p.cmd[0]) and not os.path.exists(p.cmd[0]):
            p.note = "not installed"
            continue
        log(f"measuring {p.name}")
        measure(poller, p, env, tmp, args.runs, args.window)

    long_expiry = None
    if args.long and ours in programs:
        log("ten minutes of the stopwatch, and a countdown of 600 s beside it")
        expiry_long = subprocess.Popen(
            [os.path.join(build, "bench", "bench_expiry"), "600", "1"],
            stdout=subprocess.PIPE, text=True, env=env)
        long_rss(poller, ours, env, tmp)
        m = re.search(r"median_ms=(\S+) min_ms=(\S+) max_ms=(\S+)", expiry_long.communicate()[0])
        long_expiry = tuple(float(v) for v in m.groups()) if m else None

    expiry = alarm_out = alarm = None
    if ours in programs:
        log("expiry of a 10 s countdown")
        expiry = run_expiry(build, 10, args.runs)
        log("the built-in alarm")
        alarm_out, alarm = run_alarm(build, 3)
    wm.terminate()
    wm.wait()
    shutil.rmtree(tmp, ignore_errors=True)

    # One row per figure, one column per program; the last column is the target for Tavorine.
    rows = [
        ("launch to first frame, ms", lambda p: spread(p.results.get("frame")), "< 60"),
        ("launch to window mapped, ms", lambda p: spread(p.results.get("mapped")), ""),
        ("resident memory at 2 s, MB", lambda p: spread(p.results.get("rss")), "< 30"),
    ]
    if args.long:
        rows.append(("resident memory after 10 min stopwatch, MB",
                     lambda p: spread(p.results.get("rss_long")), "< 30"))
    for key, label, wake_target, cpu_target in (
            ("idle", "idle", "≤ 1.1", ""),
            ("count", "counting down", "≤ 2.2", "< 0.05"),
            ("stopwatch", "stopwatch running", "≤ 2.2", "< 0.05")):
        rows.append((f"{label}: CPU % of a core",
                     lambda p, k=key: rate_cell(p.results.get(k), "cpu", "{:.3f}"), cpu_target))
        rows.append((f"{label}: wake-ups per s",
                     lambda p, k=key: rate_cell(p.results.get(k), "wake", "{:.2f}"), wake_target))

    def ours_only(text):
        return lambda p: text if p is ours else ""

    if expiry:
        rows.append(("expiry of a 10 s countdown, ms late",
                     ours_only(f"{expiry[0]:+.1f} ({expiry[1]:+.1f}–{expiry[2]:+.1f})"),
                     "within ±10"))
    if long_expiry:
        rows.append(("expiry of a 600 s countdown, ms late (1 run)",
                     ours_only(f"{long_expiry[0]:+.1f}"), "within ±10"))
    if alarm:
        rows.append(("built-in alarm, CPU % of a core over 6 s from expiry",
                     ours_only(f"{alarm[0]:.2f} ({alarm[1]:.2f}–{alarm[2]:.2f})"), "< 1"))

    print(f"Median (min–max) of {args.runs} runs; rates over {args.window:g} s windows. "
          f"{time.strftime('%Y-%m-%d')}, {os.cpu_count()} cores.\n")
    header = ["figure"] + [p.name for p in programs] + ["target (Tavorine)"]
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join("---" for _ in header) + "|")
    for label, cell, target in rows:
        print("| " + " | ".join([label] + [cell(p) for p in programs] + [target]) + " |")
    notes = [f"{p.name}: {p.note}" for p in programs if p.note]
    if notes:
        print("\nNotes: " + "; ".join(notes) + ".")
    if alarm_out:
        print("\n" + alarm_out.rstrip())


if __name__ == "__main__":
    main()
