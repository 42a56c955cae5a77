#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whole-process times of sorvane-cli against the shell tools for the same step.

Usage: bench/cli_bench.py CLI [RUNS]   (copy is timed under its own Xvfb; needs Debian's xvfb and xclip)
Each command runs RUNS times (50 by default, the commands taking turns) from a fresh temporary folder, spawned directly (no
shell) and timed from spawn to exit; prints one line per command with the median, the fastest and
the slowest run in milliseconds. copy and xclip alternate, each taking the clipboard from the other.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_bench import start_xvfb, stop_xvfb  # noqa: E402


def one_run(argv, folder, environment, stdin_bytes=None):
    read_end, write_end = os.pipe() if stdin_bytes is not None else (None, None)
    null = os.open(os.devnull, os.O_RDWR)
    actions = [(os.POSIX_SPAWN_DUP2, read_end if read_end is not None else null, 0),
               (os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)]
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, environment, file_actions=actions)
    if stdin_bytes is not None:
        os.close(read_end)
        os.write(write_end, stdin_bytes)
        os.close(write_end)
    _, status = os.waitpid(pid, 0)
    elapsed = (time.perf_counter() - start) * 1000.0
    os.close(null)
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit(f"{argv} failed with status {status}")
    return elapsed


def summary(times):
    return {"median": statistics.median(times), "fastest": min(times), "slowest": max(times)}


def measure(cli, runs=50):
    """Times in milliseconds by row name: {"median", "fastest", "slowest"}; None for a tool not installed."""
    cli = os.path.abspath(cli)
    folder = tempfile.mkdtemp(prefix="sorvane-cli-bench-")
    try:
        # A program folder of our own: no remembered master field from a settings file.
        program = os.path.join(folder, "bin")
        os.mkdir(program)
        for name in ("sorvane-cli", "sorvane-cli-clipboard", "sorvane-cli-x11-clipboard"):
            shutil.copy2(os.path.join(os.path.dirname(cli), name), program)
        cli = os.path.join(program, "sorvane-cli")
        environment = dict(os.environ)
        key_file = os.path.join(folder, "a.key")
        master_file = os.path.join(folder, "master.key")
        with open(key_file, "wb") as f:
            f.write(b"Kx7!pQ2vLz9#eR4t\r\n")
        # Any file serves as a master key file: Depassway of its first line is the master key.
        one_run([cli, "store", master_file, "--stdin", "--no-master"], folder, environment, b"master\n")
        encoded_file = os.path.join(folder, "encoded.key")
        rows = {}
        head = shutil.which("head")
        commands = {
            "show": [cli, "show", key_file, "--no-master"],
            "show under a master key file": [cli, "show", encoded_file, "--master-file", master_file],
            "generate 20": [cli, "generate", "--length", "20", "--classes", "latin,digits,signs"],
            "head -n1": [head, "-n1", key_file],
        }
        one_run([cli, "store", encoded_file, "--stdin", "--master-file", master_file], folder, environment,
                b"Kx7!pQ2vLz9#eR4t\n")
        pwgen = shutil.which("pwgen")
        if pwgen:
            commands["pwgen -s 20 1"] = [pwgen, "-s", "20", "1"]
        for argv in commands.values():
            one_run(argv, folder, environment)  # warm the file cache
        # Round by round, so that a busy moment of the machine weighs on every command alike.
        times = {name: [] for name in commands}
        for _ in range(runs):
            for name, argv in commands.items():
                times[name].append(one_run(argv, folder, environment))
        rows.update({name: summary(values) for name, values in times.items()})
        for tool in ("pass", "keepassxc-cli"):
            rows[tool] = None if shutil.which(tool) is None else "installed, not set up for this benchmark"

        server, display_name = start_xvfb()
        try:
            x_environment = dict(environment, DISPLAY=display_name, QT_QPA_PLATFORM="xcb")
            x_environment.pop("WAYLAND_DISPLAY", None)
            xclip = shutil.which("xclip")
            copy = [cli, "copy", key_file, "--no-master"]
            xclip_in = [xclip, "-selection", "clipboard", "-i"]
            one_run(copy, folder, x_environment)
            one_run(xclip_in, folder, x_environment, b"Kx7!pQ2vLz9#eR4t")
            copy_times, xclip_times = [], []
            for _ in range(runs):
                copy_times.append(one_run(copy, folder, x_environment))
                time.sleep(0.05)  # the server settles before the clipboard is taken from it
                xclip_times.append(one_run(xclip_in, folder, x_environment, b"Kx7!pQ2vLz9#eR4t"))
                time.sleep(0.05)
            rows["copy"] = summary(copy_times)
            rows["xclip -selection clipboard"] = summary(xclip_times)
        finally:
            stop_xvfb(server)  # the last clipboard servers end with their display
        return rows
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    for name, row in measure(sys.argv[1], runs).items():
        if isinstance(row, dict):
            print(f"{name}: median {row['median']:.2f} ms, fastest {row['fastest']:.2f}, slowest {row['slowest']:.2f}")
        else:
            print(f"{name}: {row or 'not installed'}")


if __name__ == "__main__":
    main()
