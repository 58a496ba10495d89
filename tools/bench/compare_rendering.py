#!/usr/bin/env python3
"""Renders the same frames of the recorded whole-stage route with two builds of zem-headless
(SDL's offscreen driver, every frame finished) and compares the CPU time each process used,
its threads and the rasteriser's included. The builds take turns, so a busy machine slows both
alike; the answer is a ratio, not a wall time.

    tools/bench/compare_rendering.py OLD_RUN_DIR NEW_RUN_DIR [--frames N] [--rounds K]

A run directory holds a zem-headless and the data it was built with (build/run)."""
import argparse
import os
import resource
import subprocess
import sys

ROUTE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e", "data",
                     "stage-1.keys")


def cpu_seconds(run_dir, frames):
    """CPU seconds (user and system) of one rendered run of the route's first frames."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen")
    # Mesa's software rasteriser in the calling thread: the CPU time is the drawing itself, without
    # the hand-over between its threads, which varies from run to run (set it to compare threaded).
    env.setdefault("LP_NUM_THREADS", "0")
    result = subprocess.run(["./zem-headless", "--frames", str(frames), "--keys", ROUTE], cwd=run_dir, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if result.returncode != 0:
        sys.exit(f"{run_dir}: zem-headless failed ({result.returncode}): {result.stderr.strip()}")
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--frames", type=int, default=600)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    totals = {"old": 0.0, "new": 0.0}
    for round_ in range(1, args.rounds + 1):
        for name in ("old", "new"):
            seconds = cpu_seconds(getattr(args, name), args.frames)
            totals[name] += seconds
            print(f"round {round_} {name}: {seconds:.2f} s CPU, {1000 * seconds / args.frames:.2f} ms a frame",
                  flush=True)
    old_frame = totals["old"] / (args.rounds * args.frames)
    new_frame = totals["new"] / (args.rounds * args.frames)
    print(f"old {1000 * old_frame:.2f} ms, new {1000 * new_frame:.2f} ms CPU a frame: "
          f"the new build renders {old_frame / new_frame:.2f} x the frames per second of the old one")


if __name__ == "__main__":
    main()
