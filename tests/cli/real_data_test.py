#!/usr/bin/env python3
"""locatrix-cli over logs that real loggers and receivers wrote (a folder outside the
repository; skipped, status 77, when it is not there). Every ADIF log must be read, with no
byte outside DISTANCE changed; every NMEA fix must be the square that the sentence's decimal
text lies in, worked out here in exact fractions.
  real_data_test.py CLI DATA_DIR [--report]
--report prints a line per file with the counts the program gave."""
import gzip
import os
import re
import subprocess
import sys
import tempfile
from fractions import Fraction

cli, data = sys.argv[1], sys.argv[2]
report = '--report' in sys.argv[3:]
if not os.path.isdir(data):
    print(f'real_data_test.py: no real logs at {data}: skipped (a fresh clone has none; '
          'give the folder as the second argument to run this check)')
    sys.exit(77)

failures = []


def files(kind):
    for root, _, names in sorted(os.walk(os.path.join(data, kind))):
        for name in sorted(names):
            if name.endswith(('.md', '.tsv')):
                continue
            path = os.path.join(root, name)
            raw = open(path, 'rb').read()
            yield os.path.relpath(path, data), gzip.decompress(raw) if name.endswith('.gz') else raw


DISTANCE = re.compile(rb'<distance:(\d+)(:[a-z]+)?>', re.I)


def distance_field(text, at):
    """Length of the DISTANCE field at `at` (0 if none), in bytes, character-counted
    data read as UTF-8 characters where the byte count would not reach the next "<"."""
    m = DISTANCE.match(text, at)
    if not m:
        return 0
    return m.end() - at + int(m.group(1))


def only_distance_differs(before, after):
    i = j = 0
    while i < len(before) or j < len(after):
        # A field we wrote (and its blank when it was added), or one the log had.
        m = distance_field(before, i)
        i += m
        n = distance_field(after, j)
        if n:
            j += n
            if after[j:j + 1] == b' ' and before[i:i + 1] != b' ':
                j += 1
        if n or m:
            continue
        if i < len(before) and j < len(after) and before[i] == after[j]:
            i += 1
            j += 1
            continue
        return f'byte {i} of the log changed: {before[i:i + 30]!r} became {after[j:j + 30]!r}'
    return None


def run(args, stdin):
    p = subprocess.run([cli] + args, input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return p.returncode, p.stdout, p.stderr.decode('latin-1')


# Logs refused on purpose, and what the message must tell the user to change.
REFUSED = {'2019-04-19-Red-Screes-SOTA.adi': 'right after the ":", without blanks'}

adif_logs = adif_qsos = adif_read = adif_read_qsos = 0
for name, log in files('adif'):
    # Logs without MY_GRIDSQUARE get a locator of their own, so that every QSO is tried.
    rc, out, err = run(['adif', '--from', 'JO62QM'], log)
    adif_logs += 1
    summary = err.strip().splitlines()[-1] if err.strip() else ''
    m = re.search(r'adif: (\d+) QSOs', summary)
    qsos = int(m.group(1)) if m else len(re.findall(rb'<eor>', log, re.I))
    adif_qsos += qsos
    refusal = REFUSED.get(os.path.basename(name))
    if refusal:
        if rc != 1 or refusal not in err:
            failures.append(f'{name}: adif exit {rc}, but it should refuse with "{refusal}": {err.strip()}')
    elif rc != 0:
        failures.append(f'{name}: adif exit {rc}: {err.strip()}')
    else:
        adif_read += 1
        adif_read_qsos += qsos
        why = only_distance_differs(log, out)
        if why:
            failures.append(f'{name}: {why}')
    if report:
        print(f'{name}: exit {rc}: {summary}')

# Exact squares from the sentence's own digits: ddmm.mmmm is a decimal fraction.
PAIR_STEPS = [576000, 57600, 2400, 240, 10, 1]  # finest squares in one square of each pair
FINEST = 18 * 576000


def exact_locator(lat, lon, chars):
    x = min(max(int((lon + 180) * 28800 // 1), 0), FINEST - 1)
    y = min(max(int((lat + 90) * 57600 // 1), 0), FINEST - 1)
    text = ''
    for pair, step in enumerate(PAIR_STEPS[:chars // 2]):
        first = 'A' if pair % 2 == 0 else '0'
        text += chr(ord(first) + x // step) + chr(ord(first) + y // step)
        x, y = x % step, y % step
    return text


def coordinate(text, hemisphere, degree_digits):
    whole = text.split('.')[0]
    if len(whole) != degree_digits + 2:
        return None
    value = int(text[:degree_digits]) + Fraction(text[degree_digits:]) / 60
    return -value if hemisphere in ('S', 'W') else value


def positions(line):
    """The positions on a line's GGA, RMC and GLL sentences, exact."""
    found = []
    for sentence in line.split('$')[1:]:
        f = sentence.split('*')[0].split(',')
        kind = f[0][2:] if len(f[0]) == 5 else ''
        at = {'GGA': 2, 'RMC': 3, 'GLL': 1}.get(kind)
        if at is None or len(f) < at + 4:
            continue
        try:
            lat = coordinate(f[at], f[at + 1], 2)
            lon = coordinate(f[at + 2], f[at + 3], 3)
        except (ValueError, ZeroDivisionError):
            continue
        if lat is not None and lon is not None:
            found.append((lat, lon))
    return found


fixes = nmea_files = 0
skipped = {'without a fix': 0, 'by dead reckoning': 0, 'typed in or simulated': 0, 'bad checksums': 0,
           'malformed': 0, 'stray': 0}
for name, log in files('nmea'):
    nmea_files += 1
    rc, out, err = run(['nmea', '--format', 'csv', '--chars', '12'], log)
    summary = err.strip().splitlines()[-1] if err.strip() else ''
    if rc != 0:
        failures.append(f'{name}: nmea exit {rc}: {summary}')
    lines = log.split(b'\n')
    rows = out.decode('latin-1').splitlines()[1:]
    for row in rows:
        number, locator = row.split(',')[:2]
        text = lines[int(number) - 1].decode('latin-1')
        exact = [exact_locator(lat, lon, 12) for lat, lon in positions(text)]
        if locator not in exact:
            failures.append(f'{name}: line {number}: {locator}, but the sentence lies in {" or ".join(exact) or "none"}')
    fixes += len(rows)
    for what in skipped:
        m = re.search(r'(\d+) ' + re.escape(what), summary)
        skipped[what] += int(m.group(1)) if m else 0
    if report:
        print(f'{name}: exit {rc}: {summary}')

print(f'adif: {adif_read} of {adif_logs} logs read ({adif_read_qsos} of {adif_qsos} QSOs), '
      f'every byte outside DISTANCE kept in those read; {len(REFUSED)} refused on purpose, saying what to change')
print(f'nmea: {nmea_files} logs, {fixes} fixes, each in the square its digits lie in; skipped: '
      + ', '.join(f'{n} {what}' for what, n in skipped.items()))
for failure in failures:
    print('FAIL: ' + failure)
if failures:
    print(f'real_data_test.py: {len(failures)} failures; see the lines above for the file and what to change')
sys.exit(1 if failures else 0)
