#!/usr/bin/env python3
"""Finds include cycles among the program's own modules.

A module is a header and the source of the same name (ui/unit_win32.h with ui/unit_win32.cpp),
or a source alone. Module A depends on module B when a file of A has an `#include "..."` line naming
a file of B. Prints every cycle of that graph (a module that reaches itself again: a header may
include nothing of a module whose source includes it). Exit code 1 when there is one.

    scripts/includes/cycles.py [folder ...]     # default: the whole tree but build/
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = ('.h', '.cpp')


def module_of(name):
    """ui/unit_win32.h and ui/unit_win32.cpp are both module ui/unit_win32."""
    return name.rsplit('.', 1)[0]


def include_graph(root, folders):
    """Each module (relative to root, without suffix) -> the other modules its files include."""
    graph = {}
    for folder in folders:
        for path in sorted((root / folder).rglob('*')):
            if path.suffix not in SOURCES:
                continue
            module = module_of(path.relative_to(root).as_posix())
            edges = graph.setdefault(module, [])
            for inc in INCLUDE.findall(path.read_text(encoding='utf-8', errors='replace')):
                if (root / inc).is_file() and module_of(inc) != module and module_of(inc) not in edges:
                    edges.append(module_of(inc))
    return graph


def cycles(graph):
    """Every cycle once, as a list of files starting and ending with the same one."""
    found, seen = [], set()
    state = {}  # file -> 'open' while on the path, 'done' after

    def visit(node, path):
        state[node] = 'open'
        path.append(node)
        for nxt in graph.get(node, []):
            if state.get(nxt) == 'open':
                cycle = path[path.index(nxt):] + [nxt]
                key = frozenset(cycle)
                if key not in seen:
                    seen.add(key)
                    found.append(cycle)
            elif nxt not in state:
                visit(nxt, path)
        path.pop()
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return found


def main(argv):
    root = pathlib.Path(__file__).resolve().parents[2]
    folders = argv or [p.name for p in root.iterdir() if p.is_dir() and p.name not in ('build', '.git')]
    found = cycles(include_graph(root, folders))
    for cycle in found:
        print('include cycle: ' + ' -> '.join(cycle))
    if not found:
        print('no include cycle in ' + ', '.join(folders))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
