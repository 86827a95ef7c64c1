#!/usr/bin/env python3
"""Checks that includes run one way, downward through the layers of the tree.

Each folder belongs to a layer; a file may include files of its own folder and of layers below
its own, never of a layer above it or of another folder on the same level. The core (every layer
below the platforms) never includes a window system's headers, and an edition reaches the core
only through base/, interfaces/ and app/.

    check_layers.py [--counts]     exits 1 and names each upward include; --counts also prints
                                   how many includes run from each folder to each other folder
"""
import re
import subprocess
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]

# Folder and level, lowest first. The longest folder that holds a file decides its layer. The
# build refuses most upward includes by itself (each layer's library sees only the layers below
# it); this check also covers the trees where symbolic links could not be made, and the toolkits.
LAYERS = [
    ("core/base", 0),        # plain types and helpers every layer uses
    ("resources", 0),        # resource identifiers and generated media
    ("core/interfaces", 1),  # what the core asks of a system
    ("board", 1),            # the practice board's portable model
    ("core/wizard", 2),      # the floor: program-wide state, the steps' handle, what steps ask of the frame
    ("core/picture", 3),     # the steps, side by side on the floor: none includes another,
    ("core/pixels", 3),      # but drawing/ (step 7) stands on targeting/ (steps 4 to 6)
    ("core/targeting", 3),
    ("core/drawing", 4),
    ("core/app", 5),         # the top of the core: frame, step dispatch, the control map
    ("editions", 6),         # the editions and the programs built on the core
    ("board/win32", 6),
    ("tests/sim", 6),        # the simulated desktop the tests run the core on
    ("tests", 7),
]
CORE_TOP = 5
# An edition reaches the core through its interfaces and its top alone, never a step's folder.
EDITION_MAY_INCLUDE = ("core/base", "core/interfaces", "core/app")
TOOLKIT = re.compile(r'#\s*include\s*<(windows\.h|gtk/|gdk/|X11/|glib|cairo)')
INCLUDE = re.compile(r'#\s*include\s*"([^"]+)"')
SOURCES = (".h", ".hpp", ".cpp", ".cc", ".in")


def layer_of(path):
    parts = Path(path).parts
    best = None
    for name, level in LAYERS:
        folder = Path(name).parts
        if parts[:len(folder)] != folder:
            continue
        if best is None or len(folder) > len(Path(best[0]).parts):
            best = (name, level)
    return best


def tracked_sources():
    """The sources git knows of (committed or new), or every source outside build/ without git."""
    try:
        listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard"],
                                cwd=ROOT, capture_output=True, text=True, check=True).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        listed = [str(p.relative_to(ROOT)) for p in ROOT.rglob("*")
                  if p.relative_to(ROOT).parts[0] not in ("build", ".git")]
    return [p for p in listed if p.endswith(SOURCES) and (ROOT / p).is_file()]


def resolve(including, target):
    """The included file's path from the root: a layer's own name first (the core's folders are
    included as "wizard/state.h"), then root-relative, else beside the includer."""
    if (ROOT / "core" / target).is_file():
        return str(Path("core") / target)
    if (ROOT / target).is_file():
        return target
    beside = Path(including).parent / target
    return str(beside) if (ROOT / beside).is_file() else None


def main():
    problems = []
    counts = Counter()
    for path in tracked_sources():
        own = layer_of(path)
        if own is None:
            continue
        text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            if own[1] <= CORE_TOP and TOOLKIT.search(line):
                problems.append(f"{path}:{number}: the core includes a window system: {line.strip()}")
            found = INCLUDE.search(line)
            if not found:
                continue
            target = resolve(path, found.group(1))
            other = layer_of(target) if target else None
            if other is None:
                continue
            counts[(own[0], other[0])] += 1
            if other[0] != own[0] and other[1] >= own[1]:
                problems.append(f"{path}:{number}: {own[0]}/ includes {target} of {other[0]}/, "
                                f"which is not below it")
            elif own[0] == "editions" and other[0].startswith("core/") and other[0] not in EDITION_MAY_INCLUDE:
                problems.append(f"{path}:{number}: an edition includes {target} of {other[0]}/, "
                                f"which is not one of {', '.join(EDITION_MAY_INCLUDE)}")
    if "--counts" in sys.argv:
        for (src, dst), n in sorted(counts.items()):
            if src != dst:
                print(f"{n:4d}  {src}/ -> {dst}/")
    for p in problems:
        print(p)
    print(f"layers: {len(problems)} upward include(s)" if problems else "layers: every include runs downward")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
