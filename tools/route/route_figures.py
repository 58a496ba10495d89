#!/usr/bin/env python3
"""The figures of a recorded route that say whether it plays like a person would.

Replays the timeline in zem-headless --no-render and reports, over the frames of play (from
the first frame of the stage to the goal touch): its length, the score and its share, the
frames off the ground (the share and the longest stretch), the frames with ground in view
(any tile a hero stands on inside the screen: the share and the longest stretch without),
and the frame and x where the hero first reaches each sign of the stage.

    tools/route/route_figures.py [--headless build/run/zem-headless] [--dir build/run] [KEYS]
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

SIGNS = {1: "walk", 2: "jump", 3: "bubble", 4: "change form", 5: "bubble platform", 6: "pit ahead",
         7: "goal ahead"}
CELL, SCREEN_W, SCREEN_H = 40, 1280, 720


def read_grid(path):
    with open(path) as grid:
        return [[int(field) for field in line.strip().split(",") if field] for line in grid]


def longest(flags):
    best = run = 0
    for flag in flags:
        run = run + 1 if flag else 0
        best = max(best, run)
    return best


def ground_in_view(tiles, camera):
    x0, y0 = camera
    for r in range(max(0, int(y0 // CELL)), min(len(tiles), int((y0 + SCREEN_H) // CELL) + 1)):
        row = tiles[r]
        for c in range(max(0, int(x0 // CELL)), min(len(row), int((x0 + SCREEN_W) // CELL) + 1)):
            if 1 <= row[c] <= 5:
                return True
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--headless", default="build/run/zem-headless")
    parser.add_argument("--dir", default="build/run")
    parser.add_argument("keys", nargs="?", default="tests/e2e/data/whole-stage.keys")
    args = parser.parse_args()
    tiles = read_grid(os.path.join(args.dir, "Resource/Data/Map005.csv"))
    signs = read_grid(os.path.join(args.dir, "Resource/Data/SignMap005.csv"))
    last = max(int(line.split("#")[0].split()[0]) for line in open(args.keys) if line.split("#")[0].split())
    with tempfile.TemporaryDirectory() as tmp:
        trace = os.path.join(tmp, "trace.jsonl")
        subprocess.run([os.path.abspath(args.headless), "--dir", os.path.abspath(args.dir), "--no-render",
                        "--frames", str(last), "--keys", os.path.abspath(args.keys), "--trace", trace],
                       check=True, stdout=subprocess.DEVNULL)
        lines = [json.loads(line) for line in open(trace)]
    play = [line for line in lines if line["scene"] == "game" and "player" in line]
    goal = next((i for i, line in enumerate(play) if line.get("goal")), len(play) - 1)
    play = play[:goal + 1]
    last = lines[-1]
    airborne = [not line["player"]["onGround"] for line in play]
    seen = [ground_in_view(tiles, line["camera"]) for line in play]
    print(f"route: {len(lines)} frames; play from frame {play[0]['frame']} to the goal touch at frame "
          f"{play[-1]['frame']}: {len(play)} frames ({len(play) / 60:.1f} s)")
    print(f"score: {last['score']} of {last['scoreTotal']} ({100 * last['score'] / last['scoreTotal']:.0f} %), "
          f"result shows {last.get('percent')} %; lowest hearts {min(line['player']['hp'] for line in play)}")
    print(f"off the ground: {sum(airborne)} frames ({100 * sum(airborne) / len(play):.1f} %), "
          f"longest {longest(airborne)} frames ({longest(airborne) / 60:.2f} s)")
    print(f"ground in view: {sum(seen)} frames ({100 * sum(seen) / len(play):.1f} %), longest without "
          f"{longest(not s for s in seen)} frames ({longest(not s for s in seen) / 60:.2f} s)")
    print("signs (first frame the hero reaches the sign's column):")
    for r, row in enumerate(signs):
        for c, code in enumerate(row):
            if code in SIGNS:
                x = c * CELL
                frame = next((line["frame"] for line in play if line["player"]["x"] >= x), None)
                print(f"  {SIGNS[code]:16s} column {c:3d} (x {x:5d}): frame {frame}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
