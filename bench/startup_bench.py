#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whole-process start-up of the program until its window is mapped, under Xvfb with the xcb platform.

Usage: bench/startup_bench.py PROGRAM [REFERENCE...] [RUNS]   (needs Debian's xvfb and python3-xlib)
Each run starts the program from a fresh temporary copy of its folder (a first run, no settings, its
font files beside it) and waits for the MapNotify of its window on the root window; the process is
then killed. Each REFERENCE (the build's bench/bare_window, a bare Qt window of the same size, and
bench/text_window, the same with one label) is timed in the same runs, alternating with the
program, on the same server. Prints the median, the fastest and the slowest run of each in
milliseconds, and the ratio of the program's median to each reference's.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display


def stop_xvfb(server):
    """Ends the server the way that lets it remove its lock file, so that the display is free again."""
    server.terminate()
    try:
        server.wait(timeout=5)
    except subprocess.TimeoutExpired:
        server.kill()
        server.wait()


def start_xvfb():
    for number in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return server, f":{number}"
                time.sleep(0.05)
            stop_xvfb(server)
    raise SystemExit("no free display for Xvfb")


def one_run(program, name, x_display, environment):
    root = x_display.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x_display.sync()
    folder = tempfile.mkdtemp(prefix="sorvane-startup-")
    try:
        copy = os.path.join(folder, name)
        shutil.copy2(program, copy)
        source_folder = os.path.dirname(program)
        for extra in ("pass.ttf", "tahoma.ttf"):
            if os.path.exists(os.path.join(source_folder, extra)):
                shutil.copy2(os.path.join(source_folder, extra), folder)
        start = time.perf_counter()
        process = subprocess.Popen([copy], cwd=folder, env=environment,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            while True:
                event = x_display.next_event()
                if event.type == X.MapNotify:
                    elapsed = time.perf_counter() - start
                    break
        finally:
            process.kill()
            process.wait()
        return elapsed * 1000.0
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def measure(programs, runs):
    """Start-up times in milliseconds, one list per program, runs alternating between them."""
    programs = [os.path.abspath(program) for program in programs]
    server, name = start_xvfb()
    try:
        environment = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb")
        x_display = display.Display(name)
        for program in programs:  # warm the file cache
            one_run(program, os.path.basename(program), x_display, environment)
        times = [[] for _ in programs]
        for _ in range(runs):
            for program, program_times in zip(programs, times):
                program_times.append(one_run(program, os.path.basename(program), x_display, environment))
        x_display.close()
        return times
    finally:
        stop_xvfb(server)


def summary(times):
    return (f"median {statistics.median(times):.1f} ms, fastest {min(times):.1f} ms, "
            f"slowest {max(times):.1f} ms over {len(times)} runs")


def main():
    arguments = sys.argv[1:]
    runs = int(arguments.pop()) if arguments and arguments[-1].isdigit() else 20
    times = measure(arguments, runs)
    for program, program_times in zip(arguments, times):
        print(f"{os.path.basename(program)}: start-up to mapped window: {summary(program_times)}")
    for program, program_times in zip(arguments[1:], times[1:]):
        print(f"ratio of the medians to {os.path.basename(program)}: "
              f"{statistics.median(times[0]) / statistics.median(program_times):.2f}")


if __name__ == "__main__":
    main()
