#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the program and the floor program alternately under one Xvfb and prints, for each, the
time from start to its window mapped, the peak resident memory, the idle wakeups and CPU, and
how far behind each wall-clock second boundary the seconds counter changes on screen."""

import argparse
import os
import select
import shutil
import statistics
import subprocess
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage

# The seconds counter's rectangle in both windows, in pixels from the client area's corner.
COUNTER = (124, 264, 205, 29)
# Damage rectangles closer together than this belong to one repaint.
ONE_REPAINT_S = 0.05


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return server, ":" + pipe.readline().strip()


def program_environment(display_name, home):
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("DBUS_", "QT_", "XDG_", "AT_SPI"))}
    config = os.path.join(home, "config")
    runtime = os.path.join(home, "runtime")
    os.makedirs(os.path.join(config, "dovrenta"), exist_ok=True)
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    with open(os.path.join(config, "dovrenta", "settings.ini"), "w") as settings:
        settings.write("[%20myapp]\njishi\\year=2027\njishi\\month=6\njishi\\day=7\n"
                       "jishi\\shixiang=bench\n")
    env.update(DISPLAY=display_name, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config,
               XDG_RUNTIME_DIR=runtime, HOME=home, NO_AT_BRIDGE="1",
               # No session bus, so no accessibility bus either.
               DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(home, "no-bus"))
    return env


def task_totals(pid):
    """Voluntary context switches and nanoseconds on a CPU, summed over all threads."""
    switches = 0
    cpu_ns = 0
    task_dir = f"/proc/{pid}/task"
    for task in os.listdir(task_dir):
        with open(f"{task_dir}/{task}/status") as status:
            for line in status:
                if line.startswith("voluntary_ctxt_switches:"):
                    switches += int(line.split()[1])
        with open(f"{task_dir}/{task}/schedstat") as schedstat:
            cpu_ns += int(schedstat.read().split()[0])
    return switches, cpu_ns


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    raise RuntimeError("no VmHWM")


def touches_counter(area):
    x, y, width, height = COUNTER
    return (area.x < x + width and area.x + area.width > x and
            area.y < y + height and area.y + area.height > y)


class Session:
    def __init__(self, display_name):
        self.display = display.Display(display_name)
        self.display.damage_query_version()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def events_until(self, deadline):
        while True:
            while self.display.pending_events():
                yield self.display.next_event()
            left = deadline - time.monotonic()
            if left <= 0:
                return
            select.select([self.display.fileno()], [], [], left)

    def wait_for_map(self, timeout):
        for event in self.events_until(time.monotonic() + timeout):
            if event.type == X.MapNotify and event.event == self.root:
                return event.window
        raise RuntimeError("the window was not mapped")

    def watch(self, window):
        window.damage_create(damage.DamageReportRawRectangles)
        self.display.flush()

    def counter_changes(self, until):
        """Wall-clock times at which the watched window's seconds counter was repainted."""
        changes = []
        for event in self.events_until(until):
            if event.__class__.__name__ != "DamageNotify" or not touches_counter(event.area):
                continue
            now = time.time()
            if not changes or now - changes[-1] > ONE_REPAINT_S:
                changes.append(now)
        return changes


def run_once(session, command, env, settle_s, idle_s):
    started = time.monotonic()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        window = session.wait_for_map(20)
        mapped_ms = (time.monotonic() - started) * 1000
        session.watch(window)
        session.counter_changes(time.monotonic() + settle_s)
        switches, cpu_ns = task_totals(program.pid)
        idle_started = time.monotonic()
        changes = session.counter_changes(idle_started + idle_s)
        switches_end, cpu_ns_end = task_totals(program.pid)
        idle = time.monotonic() - idle_started
        return {
            "mapped_ms": mapped_ms,
            "rss_mb": peak_rss_mb(program.pid),
            "wakeups_per_s": (switches_end - switches) / idle,
            "cpu_ms_per_s": (cpu_ns_end - cpu_ns) / 1e6 / idle,
            "changes": changes,
        }
    finally:
        program.terminate()
        program.wait()


def lag_summary(runs):
    """How far after each second boundary the counter changed, over all runs, and in how many
    seconds of a run it did not change or changed twice."""
    lags = sorted((t % 1) * 1000 for changes in runs for t in changes)
    if not lags:
        return "no change seen"
    missed = doubled = 0
    for changes in runs:
        seconds = [int(t) for t in changes]
        if seconds:
            missed += sum(1 for s in range(seconds[0], seconds[-1] + 1) if s not in seconds)
            doubled += len(seconds) - len(set(seconds))
    p95 = lags[min(len(lags) - 1, int(len(lags) * 0.95))]
    return (f"{len(lags)} changes: median {statistics.median(lags):.1f} ms, 95% {p95:.1f} ms, "
            f"max {lags[-1]:.1f} ms after the second; seconds without a change {missed}, "
            f"with two changes {doubled}")


FIGURES = [("time from start to window mapped", "mapped_ms", "ms"),
           ("peak resident memory", "rss_mb", "MB"),
           ("idle wakeups (voluntary context switches, all threads)", "wakeups_per_s", "/s"),
           ("idle CPU", "cpu_ms_per_s", "ms/s")]


def report(results, names):
    print(f"\nmedians of {len(results[names[0]])} runs")
    print(f"| figure | {' | '.join(names)} | {names[0]} / {names[1]} |")
    print("|---|" + "---|" * (len(names) + 1))
    for title, key, unit in FIGURES:
        medians = [statistics.median(run[key] for run in results[name]) for name in names]
        ratio = f"{medians[0] / medians[1]:.2f}" if medians[1] else "-"
        cells = " | ".join(f"{value:.2f} {unit}" for value in medians)
        print(f"| {title} | {cells} | {ratio} |")
    for name in names:
        runs = [run["changes"] for run in results[name]]
        print(f"{name} counter lag behind the second boundary: {lag_summary(runs)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program")
    parser.add_argument("floor")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--settle", type=float, default=11, help="seconds before idle figures")
    parser.add_argument("--idle", type=float, default=15, help="seconds of idle measured")
    args = parser.parse_args()

    server, display_name = start_xvfb()
    home = tempfile.mkdtemp(prefix="dovrenta-bench-")
    try:
        env = program_environment(display_name, home)
        session = Session(display_name)
        programs = {"Dovrenta": [args.program], "floor": [args.floor]}
        for command in programs.values():
            run_once(session, command, env, 1, 1)
        results = {name: [] for name in programs}
        for run in range(args.runs):
            for name, command in programs.items():
                result = run_once(session, command, env, args.settle, args.idle)
                results[name].append(result)
                print(f"run {run + 1} {name}: " + ", ".join(
                    f"{key} {result[key]:.2f}" for _, key, _ in FIGURES), flush=True)
        report(results, list(programs))
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
