#!/usr/bin/env python3
"""The floor of a link check: one stat for each path of a list (one a line),
whether or not the path is there.
    statfloor.py LIST"""
import os
import sys


def main():
    with open(sys.argv[1], encoding="utf-8", errors="surrogateescape") as paths:
        for path in paths.read().splitlines():
            try:
                os.stat(path)
            except OSError:
                pass


if __name__ == "__main__":
    main()
