#!/usr/bin/env python3
"""Finds (or repairs) a key timeline that plays a whole stage from the title to the result.

The game is deterministic for a given timeline, so every candidate is checked by replaying
the whole timeline in zem-headless --no-render and reading its trace. The route grows in
short segments; each segment tries a handful of moves (walk, jumps, shots, a bubble platform
at the top of a jump, a change of form, waiting, stepping back), ranks them by how far right
the hero got, what it collected, the height it stands on and the frames it spent in the air,
and keeps the best one that survives a short wait afterwards. A person mostly walks: a move
that keeps the hero off the ground for more than MAX_AIRBORNE frames in a row is refused, and
every frame in the air costs progress, so a jump is taken only where walking does not go on.
When no move of a segment is safe, the previous segment takes its next best move
(backtracking). Testing keys (C, A, Z) are never used.

    tools/route/find_route.py --headless build/run/zem-headless --dir build/run \
        --out tests/e2e/data/stage-1.keys

With --stage N the route plays the game's stage N: every replay gets a best-results file in
which stages 1 to N-1 are cleared, so the title shows stage N open, and the route starts by
pressing Right N-1 times on the title before Enter. Its default output is
tests/e2e/data/stage-N.keys:

    tools/route/find_route.py --stage 2 --workers 1

With --repair, an existing route is kept up to a few segments before the first frame where
it now loses a heart or stalls, and the search continues from there.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

SEGMENT = 24          # frames per search step
LOOKAHEAD = 40        # frames of waiting that a kept step must survive unhurt
SCORE_WEIGHT = 25     # pixels of progress one point of score is worth
HEIGHT_WEIGHT = 1     # against a wall: pixels of progress one pixel of height stood on is worth
AIR_WEIGHT = 3        # pixels of progress one frame off the ground costs
MAX_AIRBORNE = 240    # the longest stretch off the ground a route may hold (4 s)
STALL_LIMIT = 14      # steps without new ground before the search backs off further

R, L, U, D, S = "Right", "Left", "Up", "Down", "Space"


def hold(keys, n):
    return [frozenset(keys)] * n


def move(*parts):
    """A move: (keys, frames) pairs, padded to one segment with the last pair's keys."""
    frames = []
    for keys, n in parts:
        frames += hold(keys, n)
    return frames


# Each move starts from released Up, Down and Space so that its presses are new presses.
MOVES = {
    "right": move(((R,), SEGMENT)),
    "jump": move(((R, U), 2), ((R,), SEGMENT - 2)),
    "jump-late": move(((R,), 8), ((R, U), 2), ((R,), SEGMENT - 10)),
    "hop": move(((U,), 2), ((), SEGMENT - 2)),
    "wait": move(((), SEGMENT)),
    "shoot": move(((R,), 1), ((S,), 2), ((), SEGMENT - 3)),
    "turn-shoot": move(((L,), 1), ((S,), 2), ((), SEGMENT - 3)),
    "jump-shoot": move(((R, U), 2), ((R,), 14), ((S,), 2), ((), SEGMENT - 18)),
    "hop-shoot": move(((U,), 2), ((), 14), ((S,), 2), ((), SEGMENT - 18)),
    "jump-mona": move(((R, U), 2), ((R,), 17), ((R, D), 2), ((R,), SEGMENT - 21)),
    "hop-mona": move(((U,), 2), ((), 17), ((D,), 2), ((), SEGMENT - 21)),
    "form": move(((D,), 2), ((), SEGMENT - 2)),
    "left": move(((L,), SEGMENT)),
    "jump-left": move(((L, U), 2), ((L,), SEGMENT - 2)),
}
ALL_MOVES = list(MOVES)
# A change of form takes over 30 frames, so this move walks on after it (two segments long).
# It is tried only where no move above gets the hero further right (a tunnel only the mini
# form fits, a wall only the big form climbs), and wins a tie there.
BLOCKED_MOVES = {"form-go": move(((D,), 2), ((), 38), ((R,), 2 * SEGMENT - 40))}
MOVES.update(BLOCKED_MOVES)
BLOCKED_BONUS = 10
BLOCKED_GAIN = 10     # pixels right below which the hero counts as blocked
WALK_GAIN = 100       # pixels right that walking on must make to be taken without weighing the rest
MORE = ("more",)      # in a level's ranking: the moves not weighed yet


def to_timeline(frames, header=""):
    """Per-frame key sets -> timeline text, one line per change."""
    lines = [header] if header else []
    previous = None
    for index, keys in enumerate(frames, start=1):
        if keys != previous:
            lines.append(" ".join([str(index)] + sorted(keys)).rstrip())
            previous = keys
    lines.append(f"{len(frames)}  # the last frame")
    return "\n".join(lines) + "\n"


def from_timeline(text):
    changes = []
    for raw in text.splitlines():
        words = raw.split("#", 1)[0].split()
        if words:
            changes.append((int(words[0]), frozenset(words[1:])))
    frames = []
    for i, (frame, keys) in enumerate(changes):
        end = changes[i + 1][0] if i + 1 < len(changes) else frame
        while len(frames) < frame - 1:
            frames.append(frames[-1] if frames else frozenset())
        frames += [keys] * max(1, end - frame)
    return frames


class Game:
    """Replays timelines in zem-headless and returns the trace lines from a given frame."""

    def __init__(self, headless, run_dir, best=None):
        self.headless = os.path.abspath(headless)
        self.run_dir = os.path.abspath(run_dir)
        self.best = best  # the best-results file each replay starts from (a copy: a clear writes it)
        self.runs = 0

    def play(self, frames, total, first):
        with tempfile.TemporaryDirectory() as tmp:
            keys = os.path.join(tmp, "keys.txt")
            trace = os.path.join(tmp, "trace.jsonl")
            with open(keys, "w") as out:
                out.write(to_timeline(frames))
            command = [self.headless, "--dir", self.run_dir, "--no-render", "--frames", str(total),
                       "--keys", keys, "--trace", trace]
            if self.best:
                best = os.path.join(tmp, "best-results.txt")
                shutil.copyfile(self.best, best)
                command += ["--best", best]
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            self.runs += 1
            with open(trace) as lines:
                return [json.loads(line) for n, line in enumerate(lines, start=1) if n >= first]


def outcome(lines, segment_end_index, hp_before, airborne_before):
    """(value, done, x, hp, airborne run at the segment's end, height) of a candidate, or None
    when it dies, is hit or stays off the ground too long (the wait after the segment included).
    The height is where the hero last stood (its feet, negated), counted only when every move is
    blocked (a wall to climb)."""
    hp = hp_before
    run = airborne_before
    air_frames = 0
    run_at_end = run
    stood = None
    lowest = float("-inf")
    for index, line in enumerate(lines):
        if line["scene"] == "clear" or line.get("goal"):  # the star turns 81 frames before the result
            return (float("inf"), True, 0, hp, 0, 0)
        if line["scene"] != "game":
            return None
        player = line["player"]
        if not player["alive"] or player["hp"] < hp:
            return None
        hp = player["hp"]
        run = 0 if player["onGround"] else run + 1
        if run > MAX_AIRBORNE:
            return None
        if index <= segment_end_index:
            air_frames += 0 if player["onGround"] else 1
            run_at_end = run
        feet = player["y"] + player["h"] / 2
        if player["onGround"]:
            stood = feet
        lowest = max(lowest, feet)
    end = lines[segment_end_index]["player"]
    value = end["x"] + SCORE_WEIGHT * end["score"] - AIR_WEIGHT * air_frames
    height = -(stood if stood is not None else lowest)
    return (value, False, end["x"], end["hp"], run_at_end, height)


def search(game, start, hp_start, budget_seconds, workers, log, partial):
    """Extends `start` (per-frame keys) until the stage is cleared; returns the frames."""
    began = time.time()
    # Each level: [frames so far, hearts, remaining candidates ranked best first or None,
    # frames off the ground at its end, the hero's x at its end].
    stack = [[start, hp_start, None, 0, 0.0]]
    furthest = 0.0
    last_gain_depth = 0
    pool = ThreadPoolExecutor(max_workers=workers)
    while stack:
        if time.time() - began > budget_seconds:
            raise SystemExit(f"gave up after {budget_seconds} s at frame {len(stack[-1][0])}")
        frames, hp, ranked, airborne, _ = stack[-1]
        if ranked is None or ranked[:1] == [MORE]:
            first = len(frames) + 1

            def judge(name):
                candidate = frames + MOVES[name]
                lines = game.play(candidate + hold((), LOOKAHEAD), len(candidate) + LOOKAHEAD, first)
                return name, outcome(lines, len(MOVES[name]) - 1, hp, airborne)

            x_before = stack[-1][4]
            walked = judge("right") if ranked is None else ("right", None)
            if walked[1] is not None and not walked[1][1] and walked[1][2] >= x_before + WALK_GAIN and walked[1][4] == 0:
                # Walking on gets on and ends on the ground: a person walks; the other moves are
                # only weighed if the search comes back here.
                _, (_, _, x, end_hp, run, _) = walked
                stack[-1][2] = ranked = [("right", x, end_hp, run), MORE]
            else:
                names = [name for name in ALL_MOVES if ranked is None or name != "right"]
                results = [r for r in pool.map(judge, names) if r[1] is not None]
                if not any(r[1][1] or r[1][2] > x_before + BLOCKED_GAIN for r in results):
                    # Against a wall: climbing is progress, and a change of form may open the way.
                    blocked = [r for r in pool.map(judge, BLOCKED_MOVES) if r[1] is not None]
                    results += [(name, (value + BLOCKED_BONUS,) + tuple(rest)) for name, (value, *rest) in blocked]
                    results = [(name, (value + HEIGHT_WEIGHT * height,) + tuple(rest))
                               for name, (value, *rest) in results for height in [rest[-1]]]
                results.sort(key=lambda r: -r[1][0])
                for name, (value, done, _, _, _, _) in results:
                    if done:
                        log(f"cleared at frame {len(frames) + len(MOVES[name])} ({game.runs} runs, "
                            f"{time.time() - began:.0f} s)")
                        return frames + MOVES[name]
                ranked = [(name, x, end_hp, run) for name, (_, _, x, end_hp, run, _) in results]
                stack[-1][2] = ranked
        if not ranked:
            stack.pop()
            log(f"dead end at frame {len(frames)}, back to {len(stack[-1][0]) if stack else 0}")
            continue
        name, x, end_hp, run = ranked.pop(0)
        if x > furthest + 1:
            furthest = x
            last_gain_depth = len(stack)
        elif len(stack) - last_gain_depth > STALL_LIMIT:
            # Wandering without progress: drop the last few steps and try their alternatives.
            del stack[-(STALL_LIMIT // 2):]
            last_gain_depth = len(stack)
            log(f"stalled near x={furthest:.0f}, back to frame {len(stack[-1][0])}")
            continue
        log(f"frame {len(frames) + len(MOVES[name]):5d} x={x:7.1f} hp={end_hp} {name}")
        stack.append([frames + MOVES[name], end_hp, None, run, x])
        with open(partial, "w") as out:  # a start for --repair if the search is stopped
            out.write(to_timeline(stack[-1][0], "# unfinished route"))
    raise SystemExit("no route: every move dies")


def finish(game, frames, log):
    """Waits on the result screen until its counting has settled."""
    lines = game.play(frames + hold((), 400), len(frames) + 400, len(frames))
    clear = next(i for i, line in enumerate(lines) if line["scene"] == "clear")
    settled = clear
    for i in range(clear + 1, len(lines)):
        if lines[i].get("percent") != lines[i - 1].get("percent"):
            settled = i
    return frames + hold((), settled + 60)


def opening_best_results(stage):
    """A best-results file in which stages 1 to stage-1 are cleared, so stage `stage` is open."""
    text = "# stages cleared so that the route's stage is open on the title\n"
    for number in range(1, stage):
        text += ("" if number == 1 else f"[{number}]\n") + "frames 5000\n"
    return text


def title_start(stage):
    """The frames on the title: Right once per stage to pass over, then Enter."""
    frames = hold((), 1)
    for _ in range(stage - 1):
        frames += hold(("Right",), 1) + hold((), 1)
    return frames + hold(("Enter",), 1) + hold((), 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--headless", default="build/run/zem-headless")
    parser.add_argument("--dir", default="build/run")
    parser.add_argument("--stage", type=int, default=1, help="the game's stage to play (1-based)")
    parser.add_argument("--best", help="where to write the best-results file that opens the stage "
                        "(default: a temporary file; the tests keep it beside the routes)")
    parser.add_argument("--out", help="default: tests/e2e/data/stage-N.keys")
    parser.add_argument("--repair", action="store_true", help="keep the existing route's valid start")
    parser.add_argument("--budget", type=float, default=3600, help="seconds before giving up")
    parser.add_argument("--workers", type=int, default=1, help="replays at a time (the machine is shared)")
    args = parser.parse_args()
    if args.stage < 1:
        parser.error("--stage counts from 1")
    if args.out is None:
        args.out = f"tests/e2e/data/stage-{args.stage}.keys"
    log = lambda text: print(text, file=sys.stderr, flush=True)  # noqa: E731
    best = None
    if args.stage > 1:
        best = args.best or os.path.join(tempfile.mkdtemp(prefix="route-best-"), "best-results.txt")
        with open(best, "w") as out:
            out.write(opening_best_results(args.stage))
    game = Game(args.headless, args.dir, best)
    began = time.time()

    start = title_start(args.stage)
    partial = args.out + ".partial"
    if args.repair:
        old = partial if os.path.exists(partial) else args.out
        start = keep_valid_start(game, from_timeline(open(old).read()), start, log) or start
    frames = search(game, start, 3, args.budget, args.workers, log, partial)
    frames = finish(game, frames, log)
    last = game.play(frames, len(frames), len(frames))[-1]
    elapsed = time.time() - began
    header = (f"# The whole of stage {args.stage} from the title to the result screen, found by "
              f"tools/route/find_route.py --stage {args.stage}\n"
              f"# (its last run: {elapsed:.0f} s, {game.runs} replays). {len(frames)} frames; the result shows score "
              f"{last['score']} of {last['scoreTotal']}\n# ({last.get('percent')} %). Regenerate it with the tool "
              f"(--repair keeps the valid start) when the stage or the game changes.")
    with open(args.out, "w") as out:
        out.write(to_timeline(frames, header))
    if os.path.exists(partial):
        os.remove(partial)
    log(f"wrote {args.out}: {len(frames)} frames, score {last['score']}/{last['scoreTotal']}, "
        f"{last.get('percent')} %, {elapsed:.0f} s, {game.runs} replays")


def keep_valid_start(game, frames, start, log):
    """The longest start of an old route (up to the stage's end) that still plays without a hit."""
    lines = game.play(frames, len(frames), 1)
    hp = 3
    good = len(start)
    for i, line in enumerate(lines):
        if line["scene"] != "game" or "player" not in line:
            continue
        player = line["player"]
        if not player["alive"] or player["hp"] < hp:
            break
        hp = player["hp"]
        good = i + 1
    keep = max(len(start), good - 3 * SEGMENT)
    log(f"keeping the first {keep} frames of the old route")
    return frames[:keep]


if __name__ == "__main__":
    main()
