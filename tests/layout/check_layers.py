#!/usr/bin/env python3
"""Fails when an include under src/ runs against the layers: a folder may include itself and the
folders below it, never a sibling or one above; portable code never includes a win32/ folder; the
Windows layer of platform includes only platform."""
import pathlib
import re
import sys

# The layers, lowest first.
RANK = {"platform": 0, "catalogue": 1, "themes": 1, "app": 2,
        "launcher": 3, "editors": 3, "dialogs": 3, "shell": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
faults = []
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    rel = path.relative_to(src).as_posix()
    top, windows = rel.split("/")[0], "/win32/" in "/" + rel
    if top not in RANK:
        faults.append(f"{rel}: folder {top}/ has no layer")
        continue
    for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
        other = target.split("/")[0]
        if other not in RANK:
            continue  # generated headers and the like
        if other != top and RANK[other] >= RANK[top]:
            faults.append(f"{rel}: includes {target} ({other}/ is not below {top}/)")
        elif "/win32/" in "/" + target and not windows:
            faults.append(f"{rel}: portable code includes {target}")
        elif rel.startswith("platform/win32/") and other != "platform":
            faults.append(f"{rel}: the Windows layer includes {target}")

print("\n".join(faults) if faults else f"layers hold under {src}")
sys.exit(1 if faults else 0)
