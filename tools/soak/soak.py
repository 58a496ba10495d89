#!/usr/bin/env python3
"""Soak test of zem-headless: runs it on a seeded random key timeline while sampling its
resident memory, reads its trace as it is written, and fails when the run reports a
sanitizer finding or a leak, exits non-zero, misses a part of the game it should pass
through, or when its peak memory keeps growing after the warm-up."""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import random_timeline  # noqa: E402

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "SUMMARY: ")


class Coverage:
    """What the trace shows the run went through."""

    def __init__(self):
        self.frames = 0
        self.scenes = {}
        self.continues = 0
        self.new_games = 0
        self.trapped = 0
        self.bullets = 0
        self.has_enemies = False
        self.has_bullets = False
        self.has_bubbles = False
        self.goals = 0
        self.monas = 0
        self.stages = {}  # frames played in each stage
        self._previous = None

    def add(self, line):
        self.frames += 1
        scene = line.get("scene")
        self.scenes[scene] = self.scenes.get(scene, 0) + 1
        previous = self._previous
        if previous is not None and previous.get("scene") == "over" and scene == "game":
            # A continue leaves its mark on the new stage's first frame, before the stage takes it.
            if line.get("retry"):
                self.continues += 1
            else:
                self.new_games += 1
        if scene == "game" and "stage" in line:
            self.stages[line["stage"]] = self.stages.get(line["stage"], 0) + 1
        if "enemies" in line:
            self.has_enemies = True
            self.trapped += sum(1 for enemy in line["enemies"] if enemy.get("state") == 3)
        self.has_bubbles = self.has_bubbles or "bubbles" in line
        # The goal touched in play (the testing key C leaves without it), and bubble platforms.
        if line.get("goal") and not (previous or {}).get("goal"):
            self.goals += 1
        self.monas += 1 if line.get("monas") else 0
        if "bullets" in line:
            self.has_bullets = True
            self.bullets += 1 if line["bullets"] else 0
        self._previous = {"scene": scene, "retry": line.get("retry"), "goal": line.get("goal")}

    def missing(self, strict, routes=False, route_stages=()):
        gaps = [f"scene {name}" for name in ("title", "game", "clear", "over") if not self.scenes.get(name)]
        if not self.continues:
            gaps.append("a continue from the game-over screen")
        if not self.new_games:
            gaps.append("a new game from the game-over screen")
        # Trapping needs bubbles: required once the trace shows both.
        if strict and self.has_enemies and self.has_bubbles and not self.trapped:
            gaps.append("a trapped enemy")
        if strict and self.has_bullets and not self.bullets:
            gaps.append("a bullet in flight")
        # Following recorded routes, the soak must also reach the goal by play and blow platforms.
        if strict and routes and not self.goals:
            gaps.append("the goal, reached in play")
        if strict and routes and not self.monas:
            gaps.append("a bubble platform")
        gaps += [f"stage {stage}, which a route plays" for stage in sorted(set(route_stages))
                 if not self.stages.get(stage)]
        return gaps


def opening_best_results(last_stage):
    """A best-results file in which stages 1 to last_stage - 1 are cleared."""
    text = "frames 5000\n" if last_stage > 1 else ""
    for stage in range(2, last_stage):
        text += f"[{stage}]\nframes 5000\n"
    return text


def resident_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for row in status:
                if row.startswith("VmRSS:"):
                    return int(row.split()[1])
    except OSError:
        pass
    return None


def flat(samples, warmup_s, tolerance):
    """Peak memory of the second half after the warm-up against that of the first half."""
    kept = [kib for at, kib in samples if at >= warmup_s]
    if len(kept) < 4:
        return None, None, "too few memory samples after the warm-up to judge"
    half = len(kept) // 2
    early, late = max(kept[:half]), max(kept[half:])
    if late > early * (1 + tolerance):
        return early, late, f"peak memory grew from {early} KiB to {late} KiB after the warm-up"
    return early, late, None


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--headless", required=True, help="the zem-headless binary")
    parser.add_argument("--dir", required=True, help="the run directory with the game data")
    parser.add_argument("--frames", type=int, default=200000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--render", action="store_true", help="render every frame offscreen")
    parser.add_argument("--warmup", type=float, default=60.0,
                        help="seconds before memory must be flat, at most a third of the run")
    parser.add_argument("--tolerance", type=float, default=0.05)
    parser.add_argument("--max-mib", type=int, default=0, help="fail when the peak memory passes this")
    parser.add_argument("--route", action="append", default=[],
                        help="a recorded route (a key timeline from the title) that stages follow for a while")
    parser.add_argument("--strict", action="store_true",
                        help="also require a trapped enemy and a bullet once the trace shows them")
    args = parser.parse_args()

    route_stages = [random_timeline.read_route(path)[0] for path in args.route]
    with tempfile.TemporaryDirectory() as work:
        keys = os.path.join(work, "soak.keys")
        with open(keys, "w") as out:
            out.write(random_timeline.timeline(args.seed, args.frames, args.route))
        trace = os.path.join(work, "trace.fifo")
        os.mkfifo(trace)
        command = [args.headless, "--dir", args.dir, "--frames", str(args.frames), "--keys", keys, "--trace", trace]
        if route_stages:
            # Best results in which every stage before the last a route plays is cleared, so
            # the title opens them all; the run adds its own results and ghosts beside it.
            best = os.path.join(work, "best-results.txt")
            with open(best, "w") as out:
                out.write(opening_best_results(max(route_stages)))
            command += ["--best", best]
        if not args.render:
            command.append("--no-render")
        env = dict(os.environ)
        env.setdefault("SDL_VIDEODRIVER", "offscreen")
        env.setdefault("SDL_AUDIODRIVER", "dummy")
        # A small quarantine fills within seconds, so the sanitizer's own memory is flat early.
        env.setdefault("ASAN_OPTIONS", "detect_leaks=1:quarantine_size_mb=16")
        env.setdefault("UBSAN_OPTIONS", "halt_on_error=1:print_stacktrace=1")
        started = time.monotonic()
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        errors = []
        reader = threading.Thread(target=lambda: errors.extend(process.stderr), daemon=True)
        reader.start()

        samples = []
        stop = threading.Event()

        def sample():
            while not stop.is_set():
                kib = resident_kib(process.pid)
                if kib is not None:
                    samples.append((time.monotonic() - started, kib))
                stop.wait(0.05)

        sampler = threading.Thread(target=sample, daemon=True)
        sampler.start()
        coverage = Coverage()
        with open(trace) as lines:
            for text in lines:
                coverage.add(json.loads(text))
        status = process.wait()
        stop.set()
        sampler.join()
        reader.join()
        elapsed = time.monotonic() - started

    failures = []
    if status != 0:
        failures.append(f"zem-headless exited with status {status}")
    if any(mark in row for row in errors for mark in SANITIZER_MARKS):
        failures.append("the sanitizers reported a finding")
    if coverage.frames != args.frames:
        failures.append(f"the trace holds {coverage.frames} frames, not {args.frames}")
    failures += [f"never reached: {gap}" for gap in coverage.missing(args.strict, bool(args.route), route_stages)]
    early, late, growth = flat(samples, min(args.warmup, elapsed / 3), args.tolerance)
    if growth:
        failures.append(growth)

    peak = max((kib for _, kib in samples), default=0)
    if args.max_mib and peak > args.max_mib * 1024:
        failures.append(f"peak memory {peak} KiB is above {args.max_mib} MiB")
    print(f"soak: {coverage.frames} frames{' rendered' if args.render else ''} in {elapsed:.0f} s, seed {args.seed}; "
          f"scenes {coverage.scenes}; continues {coverage.continues}, new games {coverage.new_games}, "
          f"trapped-enemy frames {coverage.trapped}, bullet frames {coverage.bullets}, "
          f"goals reached {coverage.goals}, bubble-platform frames {coverage.monas}, "
          f"frames by stage {dict(sorted(coverage.stages.items()))}; "
          f"peak memory {peak} KiB, after the warm-up {early} KiB then {late} KiB")
    tenths = [max((kib for at, kib in samples if i * elapsed / 10 <= at < (i + 1) * elapsed / 10), default=0)
              for i in range(10)]
    print(f"soak: peak memory by tenth of the run (KiB): {tenths}")
    sys.stdout.writelines(row for row in errors[:40])
    for failure in failures:
        print(f"soak: FAILED: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
