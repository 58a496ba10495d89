#!/usr/bin/env python3
"""Finds a key timeline that plays one of the game's stages from the title to the result screen.

A thin wrapper over the game's own solver, `zem-stage --solve FOLDER --out FILE`, which searches
from snapshots of the stage in one process (well under a second of CPU a stage) and writes the
route as an ordinary recording: its "open N" line opens the stage on the title, where the route
chooses it with Right before Enter, and its clock readings make it replay exactly.

    tools/route/find_route.py [--stage N] [--dir build/run] [--out FILE]

The default output is tests/e2e/data/stage-N.keys. tools/route/route_figures.py measures a route.
"""
import argparse
import os
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--dir", default="build/run", help="the run directory (zem-stage and the game's data)")
    parser.add_argument("--stage", type=int, default=1, help="the game's stage to play (1-based)")
    parser.add_argument("--out", help="default: tests/e2e/data/stage-N.keys")
    args = parser.parse_args()
    if args.stage < 1:
        parser.error("--stage counts from 1")
    out = os.path.abspath(args.out or f"tests/e2e/data/stage-{args.stage}.keys")
    folder = os.path.join(args.dir, "Resource/Data" if args.stage == 1 else f"Resource/Stages/{args.stage}")
    command = [os.path.join(args.dir, "zem-stage"), "--solve", os.path.abspath(folder), "--out", out]
    return subprocess.run(command, stdout=sys.stderr).returncode


if __name__ == "__main__":
    sys.exit(main())
