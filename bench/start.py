#!/usr/bin/env python3
"""The editor's start on an X display against a bare Qt window, as a user
meets it: whole processes, each ended once its first window is shown
(ATW_QUIT_AFTER_SHOW), the editor and the bare window started by turns so
that a load on the machine falls on both alike. The time runs from the
process's start to the moment its first window is shown, which each
program notes itself (ATW_SHOWN_AT). Reports the median wall time
and the peak resident memory of each, empty and with a project (the bare
window then shows a tree of the project's top-level shape).
    start.py BINDIR [PAGE MENUS] [--runs N] [--wm] [--items N]
BINDIR holds AppletTavelinWizard and atw_bare_window; PAGE is a project's
page and MENUS the number of its top-level menus. Without a DISPLAY the
script starts Xvfb for itself; --wm starts openbox on it too."""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TIME = "/usr/bin/time"  # Debian package "time"


def run(argv, env):
    """Seconds to the first window, and peak resident kilobytes, of one
    start. The program notes the monotonic clock when its first window is
    shown (ATW_SHOWN_AT), so that its way out is not counted; it runs under
    /usr/bin/time, which reports the program's own peak. A start that does
    not end (a message box waiting for a click) is stopped."""
    with tempfile.NamedTemporaryFile("r") as report, tempfile.NamedTemporaryFile("r") as shown:
        env = dict(env, ATW_SHOWN_AT=shown.name)
        start = time.monotonic()
        process = subprocess.Popen([TIME, "-f", "%M", "-o", report.name, *argv], env=env, start_new_session=True,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            status = process.wait(timeout=120)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            sys.exit(f"{argv} did not end within two minutes (waiting for a click?)")
        if status != 0:
            sys.exit(f"{argv} failed ({status})")
        moment = shown.read().strip()
        if not moment:
            sys.exit(f"{argv} did not note when its window was shown")
        return float(moment) - start, int(report.read().split()[-1])


def interleaved(ours, peer, env, runs):
    """Medians of time and peak of both, started by turns (the first of
    each pair alternating)."""
    results = {0: [], 1: []}
    for i in range(runs):
        order = (0, 1) if i % 2 == 0 else (1, 0)
        for which in order:
            results[which].append(run(ours if which == 0 else peer, env))
    return [(statistics.median(r[0] for r in results[w]), statistics.median(r[1] for r in results[w]))
            for w in (0, 1)]


class Display:
    """Xvfb (and openbox) for the length of the run, when no display is set."""

    def __init__(self, wm):
        self.procs = []
        self.name = os.environ.get("DISPLAY")
        if not self.name:
            if not shutil.which("Xvfb"):
                sys.exit("no DISPLAY and no Xvfb (Debian package xvfb)")
            read, write = os.pipe()
            self.procs.append(subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                                "-nolisten", "tcp"], pass_fds=(write,),
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            os.close(write)
            with os.fdopen(read) as f:
                self.name = ":" + f.readline().strip()
        if wm:
            if not shutil.which("openbox"):
                sys.exit("--wm needs openbox (Debian package openbox)")
            env = dict(os.environ, DISPLAY=self.name)
            self.procs.append(subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
            time.sleep(1)

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            p.wait()


def rows(label, items, target_time, target_peak, measured):
    (ours_t, ours_m), (bare_t, bare_m) = measured
    out = []
    for what, a, b, unit, target in (("start to first window", ours_t * 1e3, bare_t * 1e3, "wall", target_time),
                                     ("peak memory at start", ours_m / 1024, bare_m / 1024, "MiB", target_peak)):
        ratio = a / b
        holds = "-" if target is None else ("yes" if ratio <= target else "**no**")
        out.append(f"| {what}, {label} (X display) | {items} | {unit} | {a:.1f} | {b:.1f} | {ratio:.2f} | "
                   f"{'-' if target is None else f'{target:g}'} | {holds} |")
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bindir")
    parser.add_argument("page", nargs="?")
    parser.add_argument("menus", nargs="?", default="4")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--wm", action="store_true")
    parser.add_argument("--items", type=int, default=100000, help="the project's items, for the table")
    args = parser.parse_args()
    if not os.access(TIME, os.X_OK):
        sys.exit(f"{TIME} is missing (Debian package time)")
    editor = os.path.join(args.bindir, "AppletTavelinWizard")
    bare = os.path.join(args.bindir, "atw_bare_window")
    display = Display(args.wm)
    try:
        with tempfile.TemporaryDirectory() as config:
            env = dict(os.environ, DISPLAY=display.name, ATW_QUIT_AFTER_SHOW="1", XDG_CONFIG_HOME=config)
            env.pop("QT_QPA_PLATFORM", None)
            lines = rows("empty", "-", 1.5, 1.5, interleaved([editor], [bare], env, args.runs))
            if args.page:
                lines += rows("with a project", f"{args.items:,}", 2.5, None,
                              interleaved([editor, args.page], [bare, args.menus], env, max(5, args.runs // 2)))
    finally:
        display.close()
    wm = "openbox" if args.wm else "no window manager"
    print(f"| operation | items | unit | ours (median) | bare Qt window (median) | ratio | target | holds |")
    print("|---|---:|---|---:|---:|---:|---:|---|")
    for line in lines:
        print(line.replace("(X display)", f"(X display, {wm})"))


if __name__ == "__main__":
    main()
