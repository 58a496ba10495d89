#!/usr/bin/env python3
"""The figures of a recorded route that say whether it plays like a person would.

Replays the timeline in zem-headless --no-render and reports, over the frames of play (from
the first frame of the stage to the goal touch): its length, the score and its share, the
frames off the ground (the share and the longest stretch), the frames with ground in view
(any tile a hero stands on inside the screen: the share and the longest stretch without),
the frame and x where the hero first reaches each sign of the stage, and where the stage is
hardest: for every stretch of 25 columns, its dangers (enemies weighted by how hard they are
to pass, spikes a hero can land on, columns of pit) and the frames the route spent there.

    tools/route/route_figures.py [--headless build/run/zem-headless] [--dir build/run] [--stage N] [KEYS]

Stage N's route is replayed with the best-results fixture that opens it
(tests/e2e/data/opens-stage-N.best), as the end-to-end test does.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

SIGNS = {1: "walk", 2: "jump", 3: "bubble", 4: "change form", 5: "bubble platform", 6: "pit ahead",
         7: "goal ahead"}
CELL, SCREEN_W, SCREEN_H = 40, 1280, 720
STRETCH = 25  # columns: a screen is 32
# How hard each enemy is to pass, by its spawn code: a walker, a jumper, a flyer, a slime.
ENEMY_WEIGHT = {1: 1, 2: 2, 3: 3, 5: 2}
SOLID = {1, 2, 3, 4, 5}


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


def dangers(tiles, enemies):
    """The danger of each stretch of STRETCH columns: weighted enemies, spikes open to the sky,
    and columns of pit (no tile a hero can stand on anywhere in the column)."""
    columns = len(tiles[0])
    score = [0] * ((columns + STRETCH - 1) // STRETCH)
    for c in range(columns):
        stretch = c // STRETCH
        if not any(row[c] in SOLID for row in tiles):
            score[stretch] += 1
        for r, row in enumerate(tiles):
            if row[c] == 5 and (r == 0 or tiles[r - 1][c] == 0):
                score[stretch] += 1
        for row in enemies:
            score[stretch] += 2 * ENEMY_WEIGHT.get(row[c], 0)
    return score


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--headless", default="build/run/zem-headless")
    parser.add_argument("--dir", default="build/run")
    parser.add_argument("--stage", type=int, default=1, help="the game's stage the route plays (1-based)")
    parser.add_argument("keys", nargs="?", help="default: tests/e2e/data/stage-N.keys")
    args = parser.parse_args()
    data = "tests/e2e/data"
    keys = args.keys or os.path.join(data, f"stage-{args.stage}.keys")
    folder = os.path.join(args.dir, "Resource/Data" if args.stage == 1 else f"Resource/Stages/{args.stage}")
    tiles = read_grid(os.path.join(folder, "Map005.csv"))
    enemies = read_grid(os.path.join(folder, "EnemyMap005.csv"))
    signs = read_grid(os.path.join(folder, "SignMap005.csv")) if os.path.exists(
        os.path.join(folder, "SignMap005.csv")) else []
    last = max(int(line.split("#")[0].split()[0]) for line in open(keys) if line.split("#")[0].split())
    with tempfile.TemporaryDirectory() as tmp:
        trace = os.path.join(tmp, "trace.jsonl")
        command = [os.path.abspath(args.headless), "--dir", os.path.abspath(args.dir), "--no-render",
                   "--frames", str(last), "--keys", os.path.abspath(keys), "--trace", trace]
        if args.stage > 1:
            best = os.path.join(tmp, "best.txt")
            shutil.copyfile(os.path.join(data, f"opens-stage-{args.stage}.best"), best)
            command += ["--best", best]
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
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
    danger = dangers(tiles, enemies)
    spent = [0] * len(danger)
    for line in play:
        spent[min(len(spent) - 1, max(0, int(line["player"]["x"] // CELL) // STRETCH))] += 1
    ranked = sorted(range(len(danger)), key=lambda s: -danger[s])[:3]
    print(f"hardest stretches of {STRETCH} columns (danger: 2 per walker, 4 per jumper or slime, 6 per flyer, "
          f"1 per open spike, 1 per pit column; frames the route spent there):")
    for s in ranked:
        print(f"  columns {s * STRETCH:3d}-{s * STRETCH + STRETCH - 1:3d}: danger {danger[s]:3d}, "
              f"{spent[s]} frames")
    slowest = max(range(len(spent)), key=lambda s: spent[s])
    print(f"  the route's slowest stretch: columns {slowest * STRETCH}-{slowest * STRETCH + STRETCH - 1}, "
          f"{spent[slowest]} frames (danger {danger[slowest]})")
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
