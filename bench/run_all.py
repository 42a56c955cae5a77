#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every benchmark of the project and prints one table (Markdown), with the command-line tool a
Linux user would otherwise use for the same step, timed in the same run, where one exists.

Usage: bench/run_all.py [BUILD_DIR]   (scripts/bench.sh builds first, then calls this)
"""
import json
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cli_bench  # noqa: E402
import startup_bench  # noqa: E402


def run_benchmark(binary):
    output = subprocess.run([binary, "--benchmark_format=json"], check=True, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    return {b["name"]: b for b in json.loads(output)["benchmarks"]}


def ms(seconds):
    return f"{seconds * 1e3:.2f} ms"


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    bench = os.path.join(build, "bench")
    rows = []

    cipher = run_benchmark(os.path.join(bench, "cipher_bench"))
    for name, label in (("BM_Passway", "`Passway`, 1 MiB text, random draws included"),
                        ("BM_Depassway", "`Depassway`, 1 MiB encoded text")):
        b = cipher[name]
        rows.append((label, f"{b['real_time']:.2f} ms: {b['bytes_per_second'] / 2**20:.0f} MiB/s, "
                            f"{b['items_per_second'] / 1e6:.1f} M characters/s", "none (our own cipher)", ""))

    keyline = run_benchmark(os.path.join(bench, "keyline_bench"))
    b = keyline["BM_ReadKeyLine_100MB_NoLineBreak/iterations:5"]
    rows.append(("`ReadKeyLine`, 100 MB file without a line break",
                 f"{b['real_time']:.0f} ms, peak memory {b['peak_vs_line']:.2f} times the line's UTF-16 size",
                 f"`head -n1`: {b['head_n1_ms']:.0f} ms", f"{b['real_time'] / b['head_n1_ms']:.2f}"))
    b = keyline["BM_ReadKeyLine_1GB_ShortFirstLine"]
    rows.append(("`ReadKeyLine`, 1 GB file, first line 20 characters", f"{b['real_time']:.1f} µs",
                 f"`head -n1`: {b['head_n1_ms']:.2f} ms", f"{b['real_time'] / 1e3 / b['head_n1_ms']:.3f}"))

    folder = run_benchmark(os.path.join(bench, "folder_bench"))["BM_FileList_Open100kFolder/iterations:10"]
    rows.append(("File list: folder of 100,000 \".key\" files, filled and sorted", f"{folder['ours_ms']:.0f} ms",
                 f"`ls -f`: {folder['ls_f_ms']:.0f} ms; `ls`: {folder['ls_ms']:.0f} ms",
                 f"{folder['ours_ms'] / folder['ls_f_ms']:.2f}; {folder['ours_ms'] / folder['ls_ms']:.2f}"))

    copy = run_benchmark(os.path.join(bench, "copy_bench"))["BM_CopyKeyUnderMasterKeyFile"]
    rows.append(("Copy a key under a master key file (`Button1Click` to clipboard)", f"{copy['real_time']:.0f} µs",
                 f"`head -n1` of the key file: {copy['head_n1_ms']:.2f} ms",
                 f"{copy['real_time'] / 1e3 / copy['head_n1_ms']:.3f}"))

    ours, bare, text = startup_bench.measure([os.path.join(build, "src", "app", "sorvane"),
                                              os.path.join(bench, "bare_window"), os.path.join(bench, "text_window")], 20)
    rows.append(("Start-up until the window is mapped (Xvfb, xcb, 20 runs each, alternating)",
                 f"median {statistics.median(ours):.0f} ms (fastest {min(ours):.0f}, slowest {max(ours):.0f})",
                 f"a bare Qt window of the same size: median {statistics.median(bare):.0f} ms "
                 f"(fastest {min(bare):.0f}, slowest {max(bare):.0f}); with one label: median "
                 f"{statistics.median(text):.0f} ms",
                 f"{statistics.median(ours) / statistics.median(bare):.2f}; "
                 f"{statistics.median(ours) / statistics.median(text):.2f}"))

    cli = cli_bench.measure(os.path.join(build, "src", "app", "sorvane-cli"), 50)
    head = cli["head -n1"]["median"]
    peers = "; ".join(f"`{tool}`: not installed" if cli[tool] is None else f"`{tool}`: {cli[tool]}"
                      for tool in ("pass", "keepassxc-cli"))

    def cli_ms(row):
        return f"median {row['median']:.2f} ms (fastest {row['fastest']:.2f})"

    for name, label in (("show", "`sorvane-cli show`, plain key file, whole process (50 runs)"),
                        ("show under a master key file", "`sorvane-cli show --master-file`, whole process (50 runs)")):
        rows.append((label, cli_ms(cli[name]), f"`head -n1`: {cli_ms(cli['head -n1'])}; {peers}",
                     f"{cli[name]['median'] / head:.2f}"))
    generate_tools = f"`head -n1`: {cli_ms(cli['head -n1'])}"
    generate_ratio = f"{cli['generate 20']['median'] / head:.2f}"
    if "pwgen -s 20 1" in cli:
        generate_tools = f"`pwgen -s 20 1`: {cli_ms(cli['pwgen -s 20 1'])}; " + generate_tools
        generate_ratio = f"{cli['generate 20']['median'] / cli['pwgen -s 20 1']['median']:.2f}; " + generate_ratio
    rows.append(("`sorvane-cli generate --length 20`, whole process (50 runs)", cli_ms(cli["generate 20"]),
                 generate_tools + "; `keepassxc-cli`: " + ("not installed" if cli["keepassxc-cli"] is None
                                                           else str(cli["keepassxc-cli"])), generate_ratio))
    xclip = cli["xclip -selection clipboard"]
    rows.append(("`sorvane-cli copy` until the clipboard holds the key (Xvfb, xcb, 50 runs)", cli_ms(cli["copy"]),
                 f"`xclip -selection clipboard`: {cli_ms(xclip)}", f"{cli['copy']['median'] / xclip['median']:.2f}"))

    print("| Step | Sorvane | Command-line tool or reference, same run | Ratio (Sorvane / reference) |")
    print("|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
