#!/usr/bin/env python3
"""Lists the include arrows between the rooms of src/ and fails on a cycle between rooms, or on a
library file outside src/platform/ that includes SQLite, libsodium, ICU, dlopen or POSIX file calls,
or outside src/qt/ that includes Qt.

A room is a folder of src/ one level below its library: vutils, platform/registry,
connectdialog/session, qt ... Usage: check_rooms.py SRC_DIR [--print]
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]')
# Headers that only the platform layer may use: its seam is what keeps these replaceable.
PLATFORM_ONLY = re.compile(
    r'^(sqlite3\.h|sodium\.h|sodium/.*|unicode/.*|xkbcommon/.*|dlfcn\.h|fcntl\.h|unistd\.h|dirent\.h|glob\.h|sys/(stat|file|mman|types)\.h)$')
# Qt's headers: only the Qt front end may use them, so the models stay free of any toolkit.
QT_HEADER = re.compile(r'^Q[A-Za-z]*(/.*)?$')
NESTED_LIBRARIES = ('platform', 'connectdialog')


def room_of(relative):
    parts = relative.split('/')
    if parts[0] in NESTED_LIBRARIES and len(parts) > 2:
        return '/'.join(parts[:2])
    return parts[0]


def source_files(src):
    for folder, _, names in os.walk(src):
        for name in names:
            if name.endswith(('.h', '.cpp', '.inc')):
                yield os.path.relpath(os.path.join(folder, name), src)


def resolve(included, including, files, search_roots):
    """The file of src/ that a quoted include names, looked up as the compiler would."""
    here = os.path.dirname(including)
    for base in [here] + search_roots:
        candidate = os.path.normpath(os.path.join(base, included))
        if candidate in files:
            return candidate
    return None


def scan(src):
    files = set(source_files(src))
    # The include directories the build gives: src/, and each library's own folder.
    search_roots = ['', 'vutils', 'connectdialog']
    arrows, forbidden = {}, []
    for path in sorted(files):
        with open(os.path.join(src, path), encoding='utf-8', errors='replace') as text:
            for number, line in enumerate(text, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, name = match.groups()
                if kind == '<':
                    if PLATFORM_ONLY.match(name) and not path.startswith('platform/'):
                        forbidden.append(f'{path}:{number}: includes <{name}>, which only src/platform/ may use')
                    if QT_HEADER.match(name) and not path.startswith('qt/'):
                        forbidden.append(f'{path}:{number}: includes <{name}>, which only src/qt/ may use')
                    continue
                target = resolve(name, path, files, search_roots)
                if target and room_of(target) != room_of(path):
                    arrows.setdefault(room_of(path), {}).setdefault(room_of(target), f'{path}:{number}')
    return arrows, forbidden


def find_cycle(arrows):
    """One cycle of rooms as a list that starts and ends with the same room, or None."""
    state = {}
    stack = []

    def visit(room):
        state[room] = 'open'
        stack.append(room)
        for target in sorted(arrows.get(room, {})):
            if state.get(target) == 'open':
                return stack[stack.index(target):] + [target]
            if target not in state:
                cycle = visit(target)
                if cycle:
                    return cycle
        stack.pop()
        state[room] = 'done'
        return None

    for room in sorted(arrows):
        if room not in state:
            cycle = visit(room)
            if cycle:
                return cycle
    return None


def main():
    src = sys.argv[1]
    arrows, forbidden = scan(src)
    if '--print' in sys.argv:
        for room in sorted(arrows):
            print(f'{room} -> {", ".join(sorted(arrows[room]))}')
    failed = False
    cycle = find_cycle(arrows)
    if cycle:
        failed = True
        print('cycle between rooms: ' + ' -> '.join(cycle))
        for source, target in zip(cycle, cycle[1:]):
            print(f'  {source} -> {target} first at {arrows[source][target]}')
    for line in forbidden:
        failed = True
        print(line)
    if not failed:
        print(f'{len(arrows)} rooms include others; no cycle, no platform header outside src/platform/, no Qt outside src/qt/')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
