#!/usr/bin/env python3
"""Writes a seeded random key timeline for zem-headless: stretches of play with every key
of the stage, each ended by leaving the stage or by playing on, followed by presses of every
menu key, so that a long run passes through the title, the stage, the result and the
game-over screens, continues and new games included. Given recorded routes, most stages are
started from the title and follow a route for a random part of it first, so the soak reaches
the whole stage (its flyers, slimes, platforms, the goal and the result). The same seed gives
the same file."""
import argparse
import random
import sys

PLAY_KEYS = ["Right", "Left", "Up", "Space", "Down", "A", "Z"]
PLAY_WEIGHTS = [8, 3, 5, 4, 3, 1, 1]
MENU_KEYS = ["Enter", "G", "M"]
MAX_STAGES = 3  # the game's own stages: Left this often on the title reaches the first


def play_stretch(rng, frame, length, lines):
    """Random chords of the stage keys, each held for a random while."""
    end = frame + length
    while frame < end:
        count = rng.choice([0, 1, 1, 2, 2, 3])
        keys = sorted(set(rng.choices(PLAY_KEYS, PLAY_WEIGHTS, k=count)))
        lines.append(f"{frame} {' '.join(keys)}".rstrip())
        frame += rng.randint(1, 45)
    return frame


def press(frame, keys, lines, hold=3, gap=90):
    """Holds `keys` for a few frames, then lets go for a while."""
    lines.append(f"{frame} {' '.join(keys)}")
    lines.append(f"{frame + hold}")
    return frame + hold + gap


def read_route(path):
    """A recorded route: the game's stage it plays (Right pressed on the title before Enter
    chooses it) and its key lines after the title's Enter, as (frames after it, keys)."""
    lines = []
    enter = None
    stage = 1
    right_held = False
    with open(path) as source:
        for row in source:
            row = row.split("#")[0].strip()
            if not row or not row[0].isdigit():
                continue
            frame, _, keys = row.partition(" ")
            keys = keys.split()
            if enter is None:
                if "Enter" in keys:
                    enter = int(frame)
                elif "Right" in keys and not right_held:
                    stage += 1
                right_held = "Right" in keys
                continue
            if "Escape" in keys:
                break
            lines.append((int(frame) - enter, " ".join(keys)))
    return stage, lines


def route_stretch(rng, frame, route, lines):
    """On the title, the route's stage chosen and Enter, then the recorded route's keys for a
    random part of it, so that the soak gets as deep into the stage as the route does before it
    plays at random from there (the enemies that act at random soon make it part ways with the
    route). The title keeps the last stage chosen: Left goes back to the first one."""
    stage, route = route
    for key in ["Left"] * MAX_STAGES + ["Right"] * (stage - 1):
        frame = press(frame, [key], lines, hold=2, gap=4)
    lines.append(f"{frame} Enter")
    # Half the time the whole route (the goal, when the enemies let it), else a part of it.
    whole = route[-1][0] if route else 0
    end = whole if rng.random() < 0.5 else rng.randint(whole // 4, whole)
    for offset, keys in route:
        if offset > end:
            break
        lines.append(f"{frame + offset} {keys}".rstrip())
    return frame + end + 1


def timeline(seed, frames, routes=()):
    rng = random.Random(seed)
    loaded = [read_route(path) for path in routes]
    loaded = [route for route in loaded if route[1]]
    lines = [f"# zem soak timeline, seed {seed}, {frames} frames", "1"]
    frame = 60
    if loaded:
        frame = route_stretch(rng, frame, rng.choice(loaded), lines)
    else:
        frame = press(frame, ["Enter"], lines)
    while frame < frames:
        frame = play_stretch(rng, frame, rng.randint(300, 2400), lines)
        lines.append(f"{frame}")
        ending = rng.random()
        if ending < 0.25:
            frame = press(frame + 30, ["C"], lines, gap=240)   # to the result screen
        elif ending < 0.35:
            frame = press(frame + 30, ["M"], lines)            # back to the title
        else:
            frame += 240                                       # played on: maybe defeated
        # Whatever screen is showing now, its keys: continue, new game, title, start.
        for key in rng.sample(MENU_KEYS, k=len(MENU_KEYS)):
            frame = press(frame, [key], lines, gap=rng.randint(60, 150))
        # Mostly a stage from its start along a recorded route; else Enter and random play.
        if loaded and rng.random() < 0.6:
            frame = press(frame, ["M"], lines, gap=120)
            frame = route_stretch(rng, frame, rng.choice(loaded), lines)
        else:
            frame = press(frame, ["Enter"], lines)
    kept = [line for line in lines if line.startswith("#") or int(line.split()[0]) <= frames]
    return "\n".join(kept) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--frames", type=int, required=True)
    parser.add_argument("--route", action="append", default=[], help="a recorded route to follow at times")
    args = parser.parse_args()
    sys.stdout.write(timeline(args.seed, args.frames, args.route))


if __name__ == "__main__":
    main()
