#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts an installed or unpacked program as a new user would, closes it, and checks where it went.

Usage: scripts/check_start.py PROGRAM DATA_DIR   (under an X server, e.g. xvfb-run; needs strace and
python3-xlib)
The program runs on the xcb platform with a fresh temporary HOME and no XDG_CONFIG_HOME, under strace.
Once its window is mapped it gets WM_DELETE_WINDOW, as from a window manager's close button, so it
closes the normal way. Checks: the fonts were read from DATA_DIR (tahoma.ttf only when it lies
there), the settings were written to $HOME/.config/sorvane/sorvane.ini (folder 0700, file 0600), and
nothing was written beside the program.
"""
import os
import re
import select
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol

TIMEOUT = 60.0


def fail(message):
    raise SystemExit(f"check_start: {message}")


def wait_for_window(x_display, process, deadline):
    """The program's main window, once it is mapped."""
    while time.monotonic() < deadline:
        if process.poll() is not None:
            fail(f"the program ended before its window was shown (exit status {process.returncode})")
        if not x_display.pending_events():
            select.select([x_display.fileno()], [], [], 0.2)
            continue
        event = x_display.next_event()
        if event.type != X.MapNotify:
            continue
        name = event.window.get_wm_name() or ""
        if "Sorvane" in str(name):
            return event.window
    fail("no window was shown")


def close_window(x_display, window):
    protocols = x_display.intern_atom("WM_PROTOCOLS")
    delete = x_display.intern_atom("WM_DELETE_WINDOW")
    message = protocol.event.ClientMessage(window=window, client_type=protocols,
                                           data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    x_display.flush()


def fonts_read(trace, data_dir):
    """The font files of data_dir that the program opened successfully."""
    opened = set()
    pattern = re.compile(r'openat\([^"]*"([^"]*)"[^)]*\)\s*=\s*\d+')
    with open(trace, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            match = pattern.search(line)
            if match and os.path.dirname(match.group(1)) == data_dir.rstrip("/"):
                opened.add(os.path.basename(match.group(1)))
    return opened


def mode(path):
    return stat.S_IMODE(os.stat(path).st_mode)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    program, data_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    home = tempfile.mkdtemp(prefix="sorvane-home-")
    try:
        environment = {key: value for key, value in os.environ.items() if key != "XDG_CONFIG_HOME"}
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        environment.update(HOME=home, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        trace = os.path.join(home, "openat.trace")
        x_display = display.Display()
        x_display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        x_display.sync()
        process = subprocess.Popen(["strace", "-f", "-qq", "-e", "trace=openat", "-o", trace, program],
                                   cwd=home, env=environment, start_new_session=True)
        try:
            deadline = time.monotonic() + TIMEOUT
            close_window(x_display, wait_for_window(x_display, process, deadline))
            try:
                process.wait(timeout=max(deadline - time.monotonic(), 1))
            except subprocess.TimeoutExpired:
                fail("the program did not end after its window was closed")
        finally:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        if process.returncode != 0:
            fail(f"the program ended with status {process.returncode}")

        expected = {"pass.ttf"} | ({"tahoma.ttf"} if os.path.exists(os.path.join(data_dir, "tahoma.ttf")) else set())
        missing = expected - fonts_read(trace, data_dir)
        if missing:
            fail(f"not read from {data_dir}: {', '.join(sorted(missing))}")
        settings = os.path.join(home, ".config", "sorvane", "sorvane.ini")
        if not os.path.isfile(settings):
            fail(f"no settings at {settings}")
        with open(settings, encoding="utf-8") as file:
            if "[FORM1]" not in file.read():
                fail(f"{settings} holds no [FORM1] section")
        if mode(os.path.dirname(settings)) != 0o700 or mode(settings) != 0o600:
            fail(f"{settings} is not owner-only: folder {mode(os.path.dirname(settings)):o}, "
                 f"file {mode(settings):o}")
        if os.path.exists(os.path.join(os.path.dirname(program), "sorvane.ini")):
            fail("settings were written beside the program")
        print(f"check_start: {program}: fonts from {data_dir} ({', '.join(sorted(expected))}), "
              f"settings in $HOME/.config/sorvane/sorvane.ini")
    finally:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
