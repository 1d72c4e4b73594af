#!/usr/bin/env python3
"""The floor of a save: the files a save writes, with its fsyncs and renames
and nothing else. Each FILE's bytes (read from a save made before) go to a
temporary file in FOLDER, synced and renamed over FOLDER/name; the copies
first, then a journal (written, synced, removed) around the renames of the
last two (the project file and the page), the folder synced after each step,
as `atw save` does it (7 fsyncs and 3 renames for a page, its project file
and the runtime script).
    savefloor.py [--read SOURCE] FOLDER FILE... (copies first, project file and page last)
With --read, SOURCE is read whole first: the floor of an import."""
import os
import sys


def sync_folder(folder):
    fd = os.open(folder, os.O_RDONLY)
    os.fsync(fd)
    os.close(fd)


def stage(folder, source):
    temp = os.path.join(folder, "." + os.path.basename(source) + ".tmpfloor")
    with open(source, "rb") as read:
        data = read.read()
    with open(temp, "wb") as out:
        out.write(data)
        out.flush()
        os.fsync(out.fileno())
    return temp, os.path.join(folder, os.path.basename(source))


def main():
    args = sys.argv[1:]
    if args[0] == "--read":
        with open(args[1], "rb") as source:
            source.read()
        args = args[2:]
    folder, files = args[0], args[1:]
    copies, pair = files[:-2], files[-2:]
    for source in copies:
        os.rename(*stage(folder, source))
    sync_folder(folder)
    staged = [stage(folder, source) for source in pair]
    journal = os.path.join(folder, ".floor.journal")
    with open(journal, "w") as out:
        out.write("\n".join(target for _, target in staged))
        out.flush()
        os.fsync(out.fileno())
    sync_folder(folder)
    for temp, target in staged:
        os.rename(temp, target)
    os.unlink(journal)
    sync_folder(folder)


if __name__ == "__main__":
    main()
