#!/usr/bin/env python3
"""geodesic_test.py [--count N] [--native NATIVE_LINES] GEODESIC_LINES...: our WGS84 geodesic
(geodesic_lines, or the command that runs it, such as the emulator and the Windows build)
against geographiclib's on N (10000) pairs from a fixed seed, among them near-antipodal pairs, pairs at and near the poles
and the equator, along and beside meridians, very short and coincident ones. Fails when a
distance is off by more than a millimetre, or a start azimuth by more than would move the far
end a millimetre sideways; or when the long path, followed by geographiclib from its start
azimuth for its length, ends more than a millimetre from the far end. With --native, the
native build's paths must be within a micrometre of the Windows build's (they differ only where
the runtimes' trigonometry differs in its last bit). Skips (77) without geographiclib."""
import math
import os
import random
import subprocess
import sys

try:
    from geographiclib.geodesic import Geodesic
except ImportError:
    # Debian's package belongs to Debian's interpreter, which may not be the one CMake found.
    if os.path.exists('/usr/bin/python3') and os.path.realpath(sys.executable) != os.path.realpath('/usr/bin/python3'):
        os.execv('/usr/bin/python3', ['/usr/bin/python3'] + sys.argv)
    print('geodesic_test: geographiclib is not installed (Debian: python3-geographiclib, scripts/setup.sh '
          'installs it); skipped')
    sys.exit(77)

args = sys.argv[1:]
count, native = 10000, None
while args and args[0] in ('--count', '--native'):
    if args[0] == '--count':
        count = int(args[1])
    else:
        native = args[1]
    args = args[2:]
r = random.Random(20261207)
TOLERANCE_M = 0.001


def tiny():
    # Offsets from 1e-12 to 1 degree, either sign.
    return r.choice((-1, 1)) * 10 ** r.uniform(-12, 0)


def anywhere():
    return math.degrees(math.asin(r.uniform(-1, 1))), r.uniform(-180, 180)


def pair(kind):
    lat1, lon1 = anywhere()
    if kind == 0:
        lat2, lon2 = anywhere()
    elif kind == 1:  # near the antipode, often on or near the equator
        if r.random() < 0.3:
            lat1 = r.choice((0.0, tiny()))
        lat2 = -lat1 + r.choice((0.0, tiny()))
        lon2 = lon1 + 180 + r.choice((0.0, tiny()))
    elif kind == 2:  # along or beside a meridian, either way over a pole
        lat2 = anywhere()[0]
        lon2 = lon1 + r.choice((0.0, 180.0)) + r.choice((0.0, 0.0, tiny()))
    elif kind == 3:  # on or near the equator
        lat1, lat2 = r.choice((0.0, tiny())), r.choice((0.0, tiny()))
        lon2 = lon1 + r.uniform(-180, 180)
    elif kind == 4:  # at or beside a pole
        lat1 = r.choice((90.0, -90.0)) - r.choice((0.0, math.copysign(abs(tiny()), 1)))
        lat2, lon2 = anywhere()
        if r.random() < 0.3:
            lat2 = r.choice((90.0, -90.0))
    elif kind == 5:  # very short or coincident
        lat2 = lat1 + r.choice((0.0, tiny() * 1e-3))
        lon2 = lon1 + r.choice((0.0, tiny() * 1e-3))
    lat2 = max(-90.0, min(90.0, lat2))
    lat1 = max(-90.0, min(90.0, lat1))
    lon2 = (lon2 + 180) % 360 - 180
    return lat1, lon1, lat2, lon2


pairs = [pair(i % 6) for i in range(count)]
text = ''.join('%.17g %.17g %.17g %.17g\n' % p for p in pairs)


def answers(program):
    done = subprocess.run(program, input=text, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f'geodesic_test: {program} failed with status {done.returncode}: {done.stderr}')
    lines = done.stdout.replace('\r', '').split('\n')[:-1]
    if len(lines) != count:
        sys.exit(f'geodesic_test: {program} answered {len(lines)} lines for {count} pairs')
    return lines


lines = answers(args)
# With --native: how far apart the two builds' paths are, in metres: the distances, and the far
# end moved sideways by the difference of the start azimuths (a bit of difference in the
# runtimes' trigonometry grows where the azimuth is ill-conditioned, near the antipode).
natives = answers([native]) if native else lines
apart = [0.0, None]

worst = [0.0, None]
worst_side = [0.0, None]
worst_long = [0.0, None]
mask = Geodesic.DISTANCE | Geodesic.AZIMUTH | Geodesic.REDUCEDLENGTH
for p, line, native_line in zip(pairs, lines, natives):
    metres, azimuth1, _, long_metres, long_azimuth1, _ = map(float, line.split())
    native_metres, native_azimuth1, _, native_long_metres, _, _ = map(float, native_line.split())
    ref = Geodesic.WGS84.Inverse(*p, outmask=mask)
    error = abs(metres - ref['s12'])
    if not error <= worst[0]:
        worst = [error, p]
    # A start azimuth off by d radians moves the far end m12 d sideways.
    turn = math.radians((azimuth1 - ref['azi1'] + 180) % 360 - 180)
    side = abs(turn * ref['m12'])
    if not side <= worst_side[0]:
        worst_side = [side, p]
    turn = math.radians((azimuth1 - native_azimuth1 + 180) % 360 - 180)
    gap = max(abs(metres - native_metres), abs(long_metres - native_long_metres), abs(turn * ref['m12']))
    if not gap <= apart[0]:
        apart = [gap, p]
    end = Geodesic.WGS84.Direct(p[0], p[1], long_azimuth1, long_metres)
    miss = Geodesic.WGS84.Inverse(end['lat2'], end['lon2'], p[2], p[3])['s12']
    # Antipodes: both ways are equally long.
    shorter = long_metres < metres - TOLERANCE_M
    if not (miss <= worst_long[0] and not shorter):
        worst_long = [math.inf if shorter else miss, p]

print('geodesic_test: %d pairs: largest distance error %.3g mm at %s; largest sideways miss from the start '
      'azimuth %.3g mm at %s; long path ends at most %.3g mm from the far end (at %s)'
      % (count, worst[0] * 1000, worst[1], worst_side[0] * 1000, worst_side[1], worst_long[0] * 1000, worst_long[1]))
if native:
    print('geodesic_test: the native and the Windows build at most %.3g mm apart (at %s)' % (apart[0] * 1000, apart[1]))
if not max(worst[0], worst_side[0], worst_long[0]) <= TOLERANCE_M:
    sys.exit('geodesic_test: more than %g mm off geographiclib' % (TOLERANCE_M * 1000))
if not apart[0] <= 1e-6:
    sys.exit('geodesic_test: the native and the Windows build more than a micrometre apart')
