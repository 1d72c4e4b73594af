#!/usr/bin/env python3
"""The command-line tool as a whole process against the floor of each
command, on the projects that the benchmarks generated (floorN.htm and
floorN.tvx in FOLDER, for 100,000 and, where present, 1,000,000 items):

    atw html          `wc -l` of the project file
    atw save          the same files written with the same fsyncs and renames (savefloor.py)
    atw check-links   one stat per distinct local address (statfloor.py)
    atw import        the source read and the same files written (savefloor.py --read)

The runs of a command and of its floor alternate (ours, floor, ours, floor,
...), so that a busy machine slows both alike; each figure is the median.
Peak resident memory is taken with /usr/bin/time for the program alone.
    endtoend.py ATW FOLDER [RUNS]      RUNS at 100,000 items (default 5); at 1,000,000
    ATW_BENCH_BIG_RUNS (default 3)"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

TIME = "/usr/bin/time"  # Debian package "time"
HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (100000, 1000000)


def run(argv, codes=(0,)):
    """Wall seconds and peak resident kilobytes of one run, output discarded.
    The program runs under /usr/bin/time, which reports the peak of the program
    alone: a child of this script would count the script's own pages, which
    the child held until it started the program."""
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        status = subprocess.run([TIME, "-f", "%M", "-o", report.name, *argv],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
        elapsed = time.perf_counter() - start
        if status not in codes:
            sys.exit(f"{argv} failed ({status})")
        return elapsed, int(report.read().split()[-1])


def interleaved(ours, floor, runs, codes):
    """Medians of ours and of the floor, and our peak, from alternating runs."""
    mine, theirs = [], []
    for _ in range(runs):
        mine.append(run(ours, codes))
        theirs.append(run(floor))
    return statistics.median(r[0] for r in mine), max(r[1] for r in mine), statistics.median(r[0] for r in theirs)


def write_list_page(path, items):
    """A site map page: one list of nested lists, ten items in each nested
    list, five levels deep."""
    with open(path, "w") as out:
        out.write("<!DOCTYPE html><html><head><title>Site</title></head><body><nav><ul>\n")
        count = 0
        stack = [0]  # items written in each open list
        while count < items:
            if stack[-1] == 10 and len(stack) > 1:
                stack.pop()
                out.write("</ul></li>\n")
                continue
            count += 1
            stack[-1] += 1
            out.write(f'<li><a href="section{count % 97}/page{count}.html">Page {count} of the catalogue</a>')
            if len(stack) < 5 and count < items:
                out.write("<ul>\n")
                stack.append(0)
            else:
                out.write("</li>\n")
        out.write("</ul></li>\n" * (len(stack) - 1) + "</ul></nav></body></html>\n")


def local_addresses(project, folder, listing):
    """The distinct addresses of the project's items that the check looks up,
    as paths from the page's folder, one a line into listing."""
    seen = set()
    with open(project, encoding="latin-1") as text:
        for line in text:
            if not line.startswith("I") or "=" not in line:
                continue
            fields = line.split("=", 1)[1].split(",")
            for address in [fields[2]] + fields[4:9]:
                if not address or ":" in address.split("/")[0] or address.startswith("//"):
                    continue
                seen.add(address)
    with open(listing, "w", encoding="latin-1") as out:
        for address in seen:
            path = address.split("#")[0].split("?")[0]
            out.write((path if path.startswith("/") else os.path.join(folder, path)) + "\n")
    return len(seen)


def rows_for(atw, folder, items, runs, base):
    page = os.path.join(folder, f"floor{items}.htm")
    project = os.path.splitext(page)[0] + ".tvx"
    out = os.path.join(folder, f"out{items}")
    floor_out = os.path.join(folder, f"floor-out{items}")
    os.makedirs(out, exist_ok=True)
    os.makedirs(floor_out, exist_ok=True)
    source = os.path.join(folder, f"list{items}.html")
    if not os.path.exists(source):
        write_list_page(source, items)
    saved = os.path.join(out, "saved.htm")
    imported = os.path.join(out, "imported.htm")
    # One run each first, for the files the floors write.
    run([atw, "save", page, saved])
    run([atw, "import", source, imported])
    listing = os.path.join(out, "addresses.txt")
    distinct = local_addresses(project, folder, listing)
    copies = [os.path.join(out, name) for name in ("tavelin.class", "tavelin.js")
              if os.path.exists(os.path.join(out, name))]
    pair = lambda htm: [os.path.splitext(htm)[0] + ".tvx", htm]
    saver = [sys.executable, os.path.join(HERE, "savefloor.py")]
    commands = [
        ("`atw html`", [atw, "html", page], "`wc -l` of the project file", ["wc", "-l", project], 12, None),
        ("`atw save`", [atw, "save", page, saved], "same files, fsyncs, renames",
         saver + [floor_out] + copies + pair(saved), 3, 0.7),
        ("`atw check-links`", [atw, "check-links", page], f"one stat for each of {distinct:,} addresses",
         [sys.executable, os.path.join(HERE, "statfloor.py"), listing], 2, 0.6),
        ("`atw import`", [atw, "import", source, imported], "source read, same files written",
         saver + ["--read", source, floor_out] + copies + pair(imported), None, 1.5),
    ]
    rows = []
    for name, ours, floor_name, floor, target, peak_target in commands:
        codes = (0, 1) if "check-links" in name else (0,)
        mine, peak, theirs = interleaved(ours, floor, runs, codes)
        rows.append((name, items, mine, peak - base, floor_name, theirs, target, peak_target))
    return rows


def holds(value, target):
    return "" if target is None else ("yes" if value <= target else "**no**")


def main():
    if not os.access(TIME, os.X_OK):
        sys.exit(f"{TIME} is missing (Debian package time)")
    atw, folder = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    empty, base = interleaved([atw, "--help"], ["true"], 3, (0,))[:2]
    rows = []
    for items in SIZES:
        if os.path.exists(os.path.join(folder, f"floor{items}.htm")):
            big = int(os.environ.get("ATW_BENCH_BIG_RUNS", "3"))
            rows += rows_for(atw, folder, items, runs if items <= 100000 else big, base)
    print("| command | items | ms (median) | floor | floor ms | ratio | target | holds "
          "| KB per item at the peak | target | holds |")
    print("|---|---:|---:|---|---:|---:|---:|---|---:|---:|---|")
    for name, items, mine, peak, floor_name, theirs, target, peak_target in rows:
        ratio = mine / theirs
        per_item = peak / items  # kilobytes above the tool's own
        print(f"| {name} | {items:,} | {mine * 1e3:.0f} | {floor_name} | {theirs * 1e3:.0f} | {ratio:.1f} "
              f"| {'' if target is None else target} | {holds(ratio, target)} | {per_item:.2f} "
              f"| {'' if peak_target is None else peak_target} | {holds(per_item, peak_target)} |")
    print()
    print(f"Peaks are counted above the tool's own {base / 1024:.1f} MiB (`atw --help`, {empty * 1e3:.1f} ms).")
    by_name = {}
    for name, items, mine, *_ in rows:
        by_name.setdefault(name, {})[items] = mine / items
    for name, per_item in by_name.items():
        if len(per_item) == 2:
            growth = per_item[SIZES[1]] / per_item[SIZES[0]]
            print(f"- {name}: per-item time 1,000,000 / 100,000 items = {growth:.2f} "
                  f"(target 1.2: {'holds' if growth <= 1.2 else '**misses**'}).")


if __name__ == "__main__":
    main()
