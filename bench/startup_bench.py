#!/usr/bin/python3
"""Whole-process start-up of the program until its window is mapped, under Xvfb with the xcb platform.

Usage: bench/startup_bench.py PROGRAM [RUNS]   (needs Debian's xvfb and python3-xlib)
Each run starts the program from a fresh temporary copy of its folder (a first run, no settings) and
waits for the MapNotify of its window on the root window; the process is then killed. Prints the
median, the fastest and the slowest run in milliseconds.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display


def start_xvfb():
    for number in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return server, f":{number}"
                time.sleep(0.05)
            server.kill()
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
        for extra in ("pass.ttf",):
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


def measure(program, runs):
    """Start-up times in milliseconds, one per run."""
    program = os.path.abspath(program)
    server, name = start_xvfb()
    try:
        environment = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb")
        x_display = display.Display(name)
        one_run(program, os.path.basename(program), x_display, environment)  # warm the file cache
        return [one_run(program, os.path.basename(program), x_display, environment) for _ in range(runs)]
    finally:
        server.kill()


def main():
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    times = measure(sys.argv[1], runs)
    print(f"start-up to mapped window: median {statistics.median(times):.1f} ms, "
          f"fastest {min(times):.1f} ms, slowest {max(times):.1f} ms over {runs} runs")


if __name__ == "__main__":
    main()
