#!/usr/bin/env python3
"""Every #include of every C++ source against the table of rooms: each include names its room
from the repository's root ("engine/GeoPoint.h"), and a room includes only itself and the rooms
below it. Nothing below the window's rooms includes a Win32 header, except a platform seam whose
header says that it is one.
    include_test.py REPOSITORY"""
import os
import re
import sys

# The rooms each room may include besides itself: arrows point down only. base/ is below every
# room; net/ (sockets) stands on base/ alone; the window's side is framework <- controls <- app,
# and app, like the command line, also uses calc, map and net.
BELOW = {
    'base': set(),
    'engine': {'base'},
    'formats': {'base', 'engine'},
    'map': {'base', 'engine'},
    'calc': {'base', 'engine', 'formats', 'map'},
    'cli': {'base', 'engine', 'formats', 'map', 'calc', 'net'},
    'net': {'base'},
    'framework': {'base'},
    'controls': {'base', 'framework'},
    'res': set(),
    'app': {'base', 'engine', 'formats', 'map', 'calc', 'net', 'framework', 'controls', 'res'},
}
WINDOW = {'framework', 'controls', 'app', 'res'}
# What is not a room: tests take their room's table, the benchmarks and fuzzers may use any
# room of their build tree.
OTHERS = {'fuzz': set(BELOW) - WINDOW, 'bench': set(BELOW)}
# Headers the build writes into its tree, at the same paths.
GENERATED = {'res/Version.h', 'res/HomePageUrl.h'}
WIN32_HEADERS = {'windows.h', 'winbase.h', 'winuser.h', 'wingdi.h', 'winreg.h', 'commctrl.h', 'commdlg.h',
                 'shellapi.h', 'shlobj.h', 'shlwapi.h', 'windowsx.h', 'sddl.h', 'oleacc.h', 'ole2.h', 'objbase.h',
                 'uxtheme.h', 'winsock2.h', 'ws2tcpip.h', 'mmsystem.h'}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def room_of(path):
    """base, engine, ..., or tests/ROOM."""
    parts = path.split('/')
    return '/'.join(parts[:2]) if parts[0] == 'tests' else parts[0]


def allowed(source):
    """The rooms a source may include, and whether it may include Win32 headers."""
    parts = source.split('/')
    if parts[0] == 'tests':
        room = parts[1]
        if room == 'support':
            return set(BELOW) | {'tests/support'}, True
        rooms = BELOW.get(room, set()) | {room}
        return rooms | {'tests/' + r for r in rooms} | {'tests/support'}, room in WINDOW or room == 'app'
    if parts[0] in OTHERS:
        return OTHERS[parts[0]], parts[0] == 'bench'
    return BELOW[parts[0]] | {parts[0]}, parts[0] in WINDOW


def says_platform_seam(root, source):
    """Its header says so, or the source itself when it has none (a program of its own)."""
    header = os.path.splitext(os.path.join(root, source))[0] + '.h'
    if not os.path.isfile(header):
        header = os.path.join(root, source)
    return 'platform seam' in open(header, errors='replace').read().lower()


def main():
    root = os.path.abspath(sys.argv[1])
    faults = []
    checked = 0
    for top in sorted(set(BELOW) | set(OTHERS) | {'tests'}):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                source = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, '/')
                own = room_of(source)
                rooms, win32 = allowed(source)
                for kind, path in INCLUDE.findall(open(os.path.join(root, source), errors='replace').read()):
                    checked += 1
                    if kind == '<':
                        if path.lower() in WIN32_HEADERS and not win32 and not says_platform_seam(root, source):
                            faults.append('%s: <%s> outside the window\'s rooms, and its header does not say it is '
                                          'a platform seam' % (source, path))
                        continue
                    if not os.path.isfile(os.path.join(root, path)) and path not in GENERATED:
                        faults.append('%s: "%s" is no file from the repository\'s root: name its room' % (source, path))
                        continue
                    room = room_of(path)
                    if room not in rooms:
                        faults.append('%s: "%s": %s may not include %s' % (source, path, own, room))
    for fault in faults:
        print('FAIL: ' + fault)
    if faults or checked == 0:
        print('%d of %d includes break the table of rooms (tests/rooms/include_test.py): include only rooms below, '
              'by their path from the repository\'s root' % (len(faults), checked))
        sys.exit(1)
    print('%d includes, each of a room below its own' % checked)


main()
