#!/usr/bin/env python3
"""The command-line tool as a whole process against `wc -l` on the same
project file: median wall time of several runs each, and the tool's peak
resident memory per item.
    endtoend.py ATW PAGE ITEMS [RUNS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


TIME = "/usr/bin/time"  # Debian package "time"


def run(argv):
    """Wall seconds and peak resident kilobytes of one run, output discarded.
    The program runs under /usr/bin/time, which reports the peak of the program
    alone: a child of this script would count the script's own pages, which
    the child held until it started the program."""
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        status = subprocess.run([TIME, "-f", "%M", "-o", report.name, *argv],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
        elapsed = time.perf_counter() - start
        if status != 0:
            sys.exit(f"{argv} failed")
        return elapsed, int(report.read().split()[-1])


def measure(argv, runs):
    results = [run(argv) for _ in range(runs)]
    return statistics.median(r[0] for r in results), max(r[1] for r in results)


def main():
    if not os.access(TIME, os.X_OK):
        sys.exit(f"{TIME} is missing (Debian package time)")
    atw, page, items = sys.argv[1], sys.argv[2], int(sys.argv[3])
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 11
    project = os.path.splitext(page)[0] + ".tvx"
    ours, peak = measure([atw, "html", page], runs)
    floor, _ = measure(["wc", "-l", project], runs)
    empty, base = measure([atw, "--help"], runs)
    ratio = ours / floor
    print(f"| `atw html` | {items:,} | wall | {ours * 1e3:.1f} | `wc -l` of the project file "
          f"{floor * 1e3:.1f} | {ratio:.1f} | 12 | {'yes' if ratio <= 12 else '**no**'} |")
    print()
    print(f"Peak resident memory of `atw html` on {items:,} items: {peak / 1024:.1f} MiB, "
          f"{(peak - base) * 1024 / items:.0f} bytes per item above the tool's own {base / 1024:.1f} MiB "
          f"(`atw --help`, {empty * 1e3:.1f} ms).")


if __name__ == "__main__":
    main()
