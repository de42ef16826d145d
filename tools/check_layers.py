#!/usr/bin/env python3
"""Checks the layering of src/: the core folders never include Qt or a qt/
header, and each core folder includes only the folders below it.

Usage: check_layers.py SRC_DIR    exit 0 when the layering holds, 1 otherwise.
"""
import pathlib
import re
import sys

# Which core folders each core folder may include, besides itself. Together
# they must form no cycle: app -> editor -> html, project, io.
ALLOWED = {
    "io": set(),
    "html": {"io"},
    "project": {"io"},
    "dialogs": set(),
    "editor": {"html", "io"},
    "app": {"editor", "html", "project", "dialogs", "io"},
    "cli": {"app", "editor", "html", "project", "dialogs", "io"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z0-9]*(/|$)|^qt[a-z0-9]*/")


def core_files(src):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or "qt" in path.relative_to(src).parts:
            continue
        yield path


def folder_of(src, path):
    parts = path.relative_to(src).parts
    return parts[0] if len(parts) > 1 else None


def included_folder(src, path, name):
    """The core folder an include names, or None for the standard library."""
    for base in (src, path.parent):
        target = (base / name).resolve()
        if target.exists() and src.resolve() in target.parents:
            return folder_of(src.resolve(), target)
    return None


def problems_of(src, path):
    folder = folder_of(src, path)
    if folder is None:
        return  # main.cpp: the editor's own start, a Qt program
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        name = match.group(2)
        where = f"{path.relative_to(src)}:{number}"
        if QT_HEADER.match(name) or "/qt/" in f"/{name}":
            yield f"{where}: the core includes a Qt header: {name}"
            continue
        target = included_folder(src, path, name)
        if target is None or target == folder:
            continue
        if target not in ALLOWED.get(folder, set()):
            yield f"{where}: {folder}/ may not include {target}/: {name}"


def cycle_in(graph):
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in graph.get(node, ()):
            if state.get(nxt) == "open":
                return trail + [node, nxt]
            if nxt not in state:
                found = visit(nxt, trail + [node])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in graph:
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    problems = []
    for path in core_files(src):
        problems.extend(problems_of(src, path))
    cycle = cycle_in(ALLOWED)
    if cycle:
        problems.append("the allowed dependencies form a cycle: " + " -> ".join(cycle))
    unknown = {p.name for p in src.iterdir() if p.is_dir()} - set(ALLOWED)
    for name in sorted(unknown):
        problems.append(f"{name}/ is not in the layer table of this script")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
