#!/usr/bin/env python3
"""Checks the include graph of src/: the folders form layers without circles, the objects of
the stage never see the game scene, and only the platform layer includes SDL.

    tools/layers/check_layers.py [SRC_DIR]

Prints the folder graph and exits non-zero, naming the offending includes, on any violation."""
import re
import sys
from pathlib import Path

src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src")
include = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]')
# What sits below the game scene: none of it may include a header of scenes/.
OBJECT_FOLDERS = {"map", "player", "enemies", "items"}

edges = {}  # (from folder, to folder) -> first include seen
units = {}  # a source and its header are one unit: "map/Map" -> units it includes
problems = []
files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
for path in files:
    folder = path.relative_to(src).parts[0] if len(path.relative_to(src).parts) > 1 else "."
    for line in path.read_text(encoding="utf-8").splitlines():
        m = include.match(line)
        if not m:
            continue
        target = m.group(1)
        if target.startswith("SDL") and folder != "platform":
            problems.append(f"{path.relative_to(src)}: includes {target} outside platform/")
        unit = str(path.relative_to(src).with_suffix(""))
        if (src / target).exists():
            units.setdefault(unit, set()).add(str(Path(target).with_suffix("")))
        parts = target.split("/")
        if len(parts) < 2 or not (src / parts[0]).is_dir():
            continue
        to = parts[0]
        if folder in OBJECT_FOLDERS and to == "scenes":
            problems.append(f"{path.relative_to(src)}: an object of the stage includes {target}")
        if to != folder:
            edges.setdefault((folder, to), f"{path.relative_to(src)} -> {target}")

graph = {}
for (a, b) in edges:
    graph.setdefault(a, set()).add(b)

# A circle among folders: any edge whose target reaches back to its source.
def reaches(start, goal, seen):
    for nxt in graph.get(start, ()):
        if nxt == goal:
            return True
        if nxt not in seen:
            seen.add(nxt)
            if reaches(nxt, goal, seen):
                return True
    return False

for (a, b), example in sorted(edges.items()):
    if reaches(b, a, set()):
        problems.append(f"circle between {a}/ and {b}/: {example}")

# Circles among units (a header and its source together), by Tarjan's strongly connected parts.
index, low, stack, on_stack, counter = {}, {}, [], set(), [0]
def connect(v):
    index[v] = low[v] = counter[0]
    counter[0] += 1
    stack.append(v)
    on_stack.add(v)
    for w in units.get(v, ()):
        if w == v:
            continue
        if w not in index:
            connect(w)
            low[v] = min(low[v], low[w])
        elif w in on_stack:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        part = []
        while True:
            w = stack.pop()
            on_stack.discard(w)
            part.append(w)
            if w == v:
                break
        if len(part) > 1:
            problems.append("circle of files: " + ", ".join(sorted(part)))

sys.setrecursionlimit(10000)
for v in sorted(units):
    if v not in index:
        connect(v)

for a in sorted(graph):
    print(f"{a}/ -> {', '.join(sorted(x + '/' for x in graph[a]))}")
for p in problems:
    print(f"check_layers: {p}", file=sys.stderr)
sys.exit(1 if problems else 0)
