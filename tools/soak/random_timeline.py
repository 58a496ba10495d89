#!/usr/bin/env python3
"""Writes a seeded random key timeline for zem-headless: stretches of play with every key
of the stage, each ended by leaving the stage or by playing on, followed by presses of every
menu key, so that a long run passes through the title, the stage, the result and the
game-over screens, continues and new games included. The same seed gives the same file."""
import argparse
import random
import sys

PLAY_KEYS = ["Right", "Left", "Up", "Space", "Down", "A", "Z"]
PLAY_WEIGHTS = [8, 3, 5, 4, 3, 1, 1]
MENU_KEYS = ["Enter", "G", "M"]


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


def timeline(seed, frames):
    rng = random.Random(seed)
    lines = [f"# zem soak timeline, seed {seed}, {frames} frames", "1"]
    frame = press(60, ["Enter"], lines)
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
        frame = press(frame, ["Enter"], lines)
    kept = [line for line in lines if line.startswith("#") or int(line.split()[0]) <= frames]
    return "\n".join(kept) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--frames", type=int, required=True)
    args = parser.parse_args()
    sys.stdout.write(timeline(args.seed, args.frames))


if __name__ == "__main__":
    main()
