#!/usr/bin/env python3
"""Inputs for the before/after corpus: batches, NMEA and ADIF fixtures (malformed ones too),
and the case list. Deterministic: the same files on every run.
    prepare.py REPO DIR [REAL-DATA]
REAL-DATA (a folder of NMEA and ADIF logs, nmea/ and adif/ below it) is copied in flat once.
"""
import gzip
import os
import random
import shlex
import subprocess
import sys

if len(sys.argv) < 3:
    sys.exit('usage: prepare.py REPO DIR [REAL-DATA]')
repo, top = sys.argv[1:3]
fix = os.path.join(top, 'inputs', 'fix')
real = os.path.join(top, 'inputs', 'real')
os.makedirs(fix, exist_ok=True)
os.makedirs(real, exist_ok=True)
if len(sys.argv) > 3:
    source = sys.argv[3]
    for kind in ('nmea', 'adif'):
        for folder, _, names in os.walk(os.path.join(source, kind)):
            for name in names:
                if name.startswith('.'):
                    continue
                flat = '_'.join([kind] + os.path.relpath(os.path.join(folder, name), os.path.join(source, kind)).split(os.sep))
                opener = gzip.open if flat.endswith('.gz') else open
                with opener(os.path.join(folder, name), 'rb') as f, open(os.path.join(real, flat.removesuffix('.gz')), 'wb') as g:
                    g.write(f.read())
rng = random.Random(19)


def write(name, data):
    path = os.path.join(fix, name)
    with open(path, 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('latin-1'))
    return path


# 1. The million-line mixed batch, and a batch of bad lines.
big = os.path.join(fix, 'batch-1M.txt')
if not os.path.exists(big):
    with open(big, 'wb') as f:
        subprocess.run([sys.executable, os.path.join(repo, 'bench/cli/make_batch.py'), '1000000'], stdout=f, check=True)

bad_lines = [
    '', '   ', '\t', 'decimal 52.5 13.4\r', 'nonsense', 'dms', 'dms 1 2 3 N 4 5 6', 'dms 1 2 3 X 4 5 6 E',
    'dms 1 2 3 N 4 5 6 Q', 'dms 1.5 2 3 N 4 5 6 E', 'dms 1 2.5 3 N 4 5 6 E', 'dms 1 2 3.5 N 4 5 6.25 E',
    'dms + 2 3 N 4 5 6 E', 'dms 89 59 59.99 N 179 59 59.99 W', 'dms 90 0 0 N 0 0 0 E', 'dms 0 0 0 s 0 0 0 w',
    'dms 45 30 60 N 1 1 1 E', 'dms 45 30 "" N 1 1 "" E', 'dms -1 0 0 N 0 0 0 E', 'dms 89 60 0 N 0 0 0 E',
    'decimal', 'decimal 1', 'decimal 1 2 3', 'decimal 90 180', 'decimal -90 -180', 'decimal 90.0000001 0',
    'decimal 0 180.0000001', 'decimal 1e5 2', 'decimal 0x10 2', 'decimal .5 .5', 'decimal 5. 5.', 'decimal - +',
    'decimal -0 -0', 'decimal -0.0000001 -0.0000004', 'decimal 52.520833333 13.375', 'decimal 1..2 3',
    'locator', 'locator JO62QM', 'locator jo62qm', 'locator JO62QM5', 'locator JO62QM55', 'locator JO62QM55AA',
    'locator JO62QM55AAX', 'locator RR99XX99XX', 'locator SS00AA', 'locator JO62', 'locator 1O62QM',
    'locator JO62QM55A', 'locator JO62QM55AA11',
    'distance JO62QM KO85TS', 'distance jo62qm ko85ts', 'distance JO62QM JO62QM', 'distance AA00AA RR99XX',
    'distance JO62QM55AA KO85TS55AA', 'distance JO62 KO85TS', 'distance JO62QM KO8', 'distance JO62QM',
    'distance JO62QM KO85TS extra', '--chars 8 locator JO62QM', '--chars=10 decimal 1 2', '--chars 7 decimal 1 2',
    '--chars', '--chars=', '--verbose decimal 1 2', '--format json decimal 1 2', '--batch', '--help',
    'decimal 1 2 --chars 8', 'x' * 200, 'locator ' + 'J' * 100, 'decimal \x7f 1', 'decimal 1\x01 2',
    'decimal \xc3\xa9 1', 'bearing JO62QM KO85TS', 'DMS 1 2 3 N 4 5 6 E', 'decimal 1\t2', 'decimal  1   2  ',
    'locator \x00', '\x1a', 'distance AR09XX JR00AA', 'decimal 89.9999999 179.9999999', 'decimal -89.99999 -179.99999',
]
for k in range(3000):
    bad_lines.append(rng.choice(bad_lines[:90]) if k % 3 else
                     ' '.join(rng.choice(['dms', 'decimal', 'locator', 'distance', '1', '-2', '3.5', 'N', 'S', 'E',
                                          'W', 'JO62QM', 'ko85ts', '--chars', '8', '"', '\\', '60', '90', '180'])
                              for _ in range(rng.randrange(0, 10))))
batch_bad = write('batch-bad.txt', '\n'.join(bad_lines))  # the last line without its newline
write('batch-cr.txt', 'decimal 1 2\r\nlocator JO62QM\r\n\r\n--chars 10 dms 1 2 3 N 4 5 6 E\r\n')

# 2. NMEA: a stream with every kind of fault, and noise.
def nmea(body):
    s = 0
    for c in body.encode('latin-1'):
        s ^= c
    return '$%s*%02X' % (body, s)


sentences = [
    nmea('GPGGA,092750.000,5231.2500,N,01322.5000,E,1,8,1.03,61.7,M,55.2,M,,'),
    nmea('GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A'),
    nmea('GLGLL,5231.25,N,01322.5,E,225444,A,D'),
    nmea('GAGLL,0000,N,18000,W'), nmea('GPGGA,1,9000.000,S,18000.000,W,1,08'),
    nmea('GPGGA,1,0000.000,N,00000.000,E,1,08'), nmea('GPGGA,1,3502.500,N,01322.500,E,1,08'),
    nmea('GPGGA,1,4807.038,N,01131.000,E,0,08'), nmea('GPRMC,1,V,4807.038,N,01131.000,E,,,230394,,'),
    nmea('GPGLL,4807.038,N,01131.000,E,225444,V,N'), nmea('GPRMC,1,A,4807.038,N,01131.000,E,0,0,230394,,,N'),
    nmea('GPGGA,1,4860.000,N,01131.000,E,1,08'), nmea('GPGGA,1,9100.000,N,01131.000,E,1,08'),
    nmea('GPGGA,1,4807.038,X,01131.000,E,1,08'), nmea('GPGGA,1,4807.038,N,1131.000,E,1,08'),
    nmea('GPGGA,1,4807.,N,01131.000,E,1,08'), nmea('GPGGA,1,48a7.038,N,01131.000,E,1,08'),
    nmea('GPGGA,1,4807.038,N'), nmea('GP GGA,1'), nmea('PGRME,1,M'), nmea('GPGSV,1,1,00'),
    nmea('GPGGA,1,,N,,E,1,08'), nmea('GPGGA,1,4807.038,N,01131.000,E,,08'),
    '$GPGGA,1,4807.038,N,01131.000,E,1,08*00', '$GPGGA,1,4807.038,N,01131.000,E,1,08',
    '$GPGGA,1,4807.038,N,01131.000,E,1,08*G1', '$GPGGA,1,4807.038,N,01131.000,E,1,08*1',
    'garbage $GPGGA,1,4807.038,N,01131.000,E,1,08', '$$GNGSA,A,3', 'no dollar here', '',
    nmea('GPGGA,1,5231.2500,n,01322.5000,e,1,08'), nmea('GPGGA,1,5231.25000000001,N,01322.49999999999,E,1,08'),
    nmea('GNGGA,1,0030.000,S,00030.000,W,6,08'), nmea('GNGGA,1,0030.000,S,00030.000,W,7,08'),
    nmea('GPRMC,1,A,4807.038,N,01131.000,E,0,0,230394,,,E'), nmea('PSRFTXT,Version'), 'A' * 5000,
    nmea('GPGGA,1,4807.038,N,01131.000,E,1,08') + 'trailing', '\x00' + nmea('GPGLL,0100.000,S,00100.000,W'),
]
stream = ''
for k in range(4000):
    s = rng.choice(sentences)
    stream += s + rng.choice(['\r\n', '\n', '\r\n', '\r\r\n'])
    if k % 97 == 0:
        stream += s[:rng.randrange(len(s) + 1)]  # cut short, runs into the next
write('nmea-mixed.log', stream + sentences[0])  # the last line without its end
write('nmea-empty.log', '')
write('nmea-binary.log', bytes(rng.randrange(256) for _ in range(20000)))

# 3. ADIF: good logs in many shapes and malformed ones.
good = ('Made for the corpus\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:6>Corpus\r\n<EOH>\r\n'
        '<call:4>DL1X <GRIDSQUARE:6:S>KO85ts <my_gridsquare:6>JO62QM <MODE:2>CW <eor>\r\n\r\n'
        '<CALL:4>W1AW<GRIDSQUARE:4>FN31<EOR>\r\n'
        '<CALL:4>VK2X<GRIDSQUARE:4>QF56<DISTANCE:3>123<EOR>\r\n'
        '<CALL:4>XX1X<GRIDSQUARE:4>ZZ99<EOR>\r\n'
        '<CALL:4>NO1G<NAME:6>A <B>C<EOR>\r\n'
        '<CALL:2>K1<GRIDSQUARE:8>FN31PR21<GRIDSQUARE_EXT:2>AB<MY_GRIDSQUARE:2>JO<EOR>\n'
        '<CALL:2>K2<GRIDSQUARE:8>FN31PR21<MY_GRIDSQUARE:8>JO62QM55<MY_GRIDSQUARE_EXT:2>AA<EOR>\n'
        '<CALL:2>K3<GRIDSQUARE:5>FN31P<EOR>\n<CALL:2>K4<GRIDSQUARE:6>AA00AA<MY_GRIDSQUARE:6>RR99XX<EOR>\n'
        '<CALL:2>K5<GRIDSQUARE:6>JO62QM<MY_GRIDSQUARE:6>JO62QM<EOR>\n'
        '<CALL:2>K6<GRIDSQUARE:12>JO62QM55AA00<DISTANCE:0><EOR>\n'
        '<CALL:2>K7<GRIDSQUARE:4>KO85<MY_GRIDSQUARE:4>ZZ00<EOR>\n'
        '<CALL:2>K8<GRIDSQUARE:4>KO85<distance:3>0.0<EOR>\n'
        '<CALL:3>\xe9\xe8\xe0<GRIDSQUARE:4>KO85<COMMENT:3>a\x00b<EOR>\n'
        '<APP_X_Y:1:N>5<CALL:2>K9<GRIDSQUARE:6>IO91WM<EOR>\n<CALL:2>KA<GRIDSQUARE:4>FN31')
write('adif-good.adi', good)
write('adif-nohead.adi', '<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n<CALL:4>DL2X<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:4>IO91<EOR>\n')
write('adif-unterminated.adi', '<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n<CALL:4>DL2X<GRIDSQUARE:4>JO62')
write('adif-empty.adi', '')
write('adif-only-header.adi', 'header only\n<EOH>\n')
malformed = {
    'noeoh': 'header without end\n<ADIF_VER:5>3.1.4\n',
    'badlen': '<CALL:x>DL1X<EOR>',
    'spacetag': '<CALL:4>DL1X\n\n< EOR>',
    'eohinbody': '<CALL:4>DL1X<EOH>',
    'tagheader': 'text\n<APP_X>\n<EOH>',
    'toolong': '<CALL:4>DL1X<EOR>\n<CALL:9>X',
    'tendigits': '<CALL:1234567890>X<EOR>',
    'notype': '<CALL:4:>DL1X<EOR>',
    'nogt': '<CALL:4 DL1X<EOR>',
    'lonelt': '<CALL:4>DL1X<EOR><',
    'colonspace': '<COMMENT: 12>hello<EOR>',
    'eof': '<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n<APP_LoTW_EOF>\n',
    'fieldheader': '<ADIF_VER:5>3.1.4 <PROGRAMID:5>HAMRS <EOH>\n<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n',
    'utf8chars': 'h\n<EOH>\n<NAME:10>Juán Muñoz<CALL:4>DL1X<GRIDSQUARE:4>KO85<EOR>\n'.encode('utf-8').decode('latin-1'),
}
for name, text in malformed.items():
    write('adif-bad-' + name + '.adi', text)
big_log = ['bench log\n<ADIF_VER:5>3.1.4\n<EOH>\n']
for i in range(20000):
    grid = ''.join([chr(65 + i % 18), chr(65 + (i // 18) % 18), str(i % 10), str((i // 10) % 10),
                    chr(65 + i % 24), chr(65 + (i // 24) % 24)])
    big_log.append('<CALL:5>K%04d <GRIDSQUARE:6>%s <MODE:2>CW <QSO_DATE:8>20261207 %s<EOR>\n' %
                   (i % 10000, grid, '<DISTANCE:3>1.5 ' if i % 7 == 0 else ''))
write('adif-big.adi', ''.join(big_log))

# 4. The cases: NAME \t STDIN \t ARGS (shell words; OUTFILE: the file the case writes, COPYIN: a
# copy of the file before OUTFILE, made before the run, for in-place writes).
cases = []


def case(name, args, stdin='/dev/null'):
    cases.append('%s\t%s\t%s' % (name, stdin, args))


def q(*words):
    return ' '.join(shlex.quote(w) for w in words)


# The batch in each format, and its options.
for fmt in ['', '--format text', '--format csv', '--format json', '--format=json --chars 8', '--format=csv --chars=10']:
    tag = fmt.replace(' ', '').replace('-', '').replace('=', '') or 'plain'
    case('batch1M-' + tag, fmt + ' --batch', big)
for fmt in ['', '--chars 8', '--format csv', '--format json', '--format text --chars 10', '--chars=6 --format json']:
    tag = fmt.replace(' ', '').replace('-', '').replace('=', '') or 'plain'
    case('batchbad-' + tag, fmt + ' --batch', batch_bad)
    case('batchcr-' + tag, '--batch ' + fmt, os.path.join(fix, 'batch-cr.txt'))
for k, extra in enumerate(['--batch locator JO62QM', '--batch --chars 7', '--batch --verbose', '--batch --chars',
                           '--format xml --batch', '--format --batch', '--batch --format json --chars 7',
                           '--batch --format json decimal 1 2', '--batch --batch', '--chars 8 --batch --chars 10']):
    case('batchopt%02d' % k, extra, os.path.join(fix, 'batch-cr.txt'))

# Single requests in each format.
singles = [l for l in bad_lines[:95] if '\x00' not in l and '\x1a' not in l and '\r' not in l]
for k, line in enumerate(singles):
    words = line.split()
    for fmt in [[], ['--format', 'csv'], ['--format=json'], ['--format', 'text']]:
        case('req%03d%s' % (k, ''.join(fmt).replace('-', '').replace('=', '')), q(*(fmt + words)))
for k, args in enumerate([[], ['--help'], ['-h'], ['--version'], ['square', '--help'], ['--version', 'x'],
                          ['decimal', '0', ''], ['dms', '52', '31', '', 'N', '13', '22', '', 'E'], ['--format'],
                          ['--format', 'csv'], ['--format', 'csv', 'nonsense'], ['-o'], ['-x'], ['--'], ['-'],
                          ['--format', 'geojson', 'decimal', '1', '2'], ['--precision', '3', 'decimal', '1', '2'],
                          ['decimal', '1', '2', '--format', 'json'], ['--chars', '8', '--format', 'csv', 'dms', '1', '2',
                                                                      '3', 'N', '4', '5', '6', 'E']]):
    case('misc%02d' % k, q(*args))

# square
locs = ['JO', 'jo', 'AA', 'RR', 'JO62', 'AA00', 'RR99', 'JO62QM', 'jo62qm', 'AA00AA', 'RR99XX', 'JO62QM55',
        'JO62QM55AA', 'RR99XX99XX', 'JO62QM55AA00', 'RR99XX99XX99', 'aa00aa00aa00', 'JJ00', 'II99XX']
bad_locs = ['J', 'JO6', 'JO6X', 'SS', 'JO62QM55AA001', 'JO62YY', 'JO62QM5A', '', '12', 'JO62QM55AA0A', 'J\xe9']
for fmt in ['', '--format csv', '--format json', '--format geojson', '--format text']:
    for prec in ['', '--precision 0', '--precision 12', '--precision=3']:
        case('square-%s-%s' % (fmt[9:] or 'plain', prec[12:].lstrip('=') or 'd'), fmt + ' ' + prec + ' square ' + q(*locs))
for k, loc in enumerate(bad_locs):
    case('squarebad%02d' % k, q('square', 'JO62', loc))
    case('squarebadj%02d' % k, q('--format', 'json', 'square', loc, 'JO62'))
for k, args in enumerate([['square'], ['square', '--radius', '6371', 'JO'], ['square', '--chars', '6', 'JO'],
                          ['square', '-o', 'x', 'JO'], ['square', '--format', 'xml', 'JO'], ['square', '--precision', '13', 'JO'],
                          ['square', '--precision', '-1', 'JO'], ['square', '--precision', '0012', 'JO'],
                          ['square', '--precision', '1234', 'JO'], ['--format=csv', 'square', 'JO', '--precision', '2'],
                          ['square', '--overwrite', 'JO'], ['square', '--unknown', 'JO'], ['square', '--precision'],
                          ['square', '--format='], ['square', '--changes=1', 'JO'], ['square', '-', 'JO']]):
    case('squareopt%02d' % k, q(*args))

# path
places = ['JO62QM', 'FN20XR', 'PF95', 'QF56OD', 'BL11', 'AA00AA', 'RR99XX', 'JJ00', 'JO', 'RR', 'JO62QM55AA00',
          '0,0', '0,180', '0,-180', '90,0', '-90,0', '52.5,13.4', '-33.9,151.2', '-52.5,-166.6', '89.999999,0',
          '0.0000001,0', '+1,+1', '1.,2.', '.5,.5', '-0,-0', '10,179.9999', '-10,-179.9999', '40.7,-74']
pairs = set()
while len(pairs) < 70:
    pairs.add((rng.choice(places), rng.choice(places)))
pairs |= {('JO62QM', 'FN20XR'), ('0,0', '0,180'), ('90,0', '-90,0'), ('JO62QM', 'JO62QM'), ('0,0', '0,90'),
          ('52.5,13.4', '-52.5,-166.6'), ('JO62QM', 'BL11')}
for k, (a, b) in enumerate(sorted(pairs)):
    for fmt in ['', '--format csv', '--format json', '--format geojson']:
        extra = ['', '--precision 3', '--radius 6371', '--radius=6371.291 --precision 0'][k % 4]
        case('path%03d-%s' % (k, fmt[9:] or 'plain'), fmt + ' ' + extra + ' path ' + q(a, b))
for k, args in enumerate([['path'], ['path', 'JO62QM'], ['path', 'JO62QM', 'FN20XR', 'PF95'], ['path', 'JO6', 'FN20'],
                          ['path', 'JO62', 'FN2'], ['path', '91,0', 'JO62'], ['path', 'JO62', '0,181'],
                          ['path', 'JO62', 'a,b'], ['path', 'JO62', '1,'], ['path', 'JO62', ',1'], ['path', 'JO62', '1,2,3'],
                          ['path', '--radius', '0', 'JO', 'FN'], ['path', '--radius', '-1', 'JO', 'FN'],
                          ['path', '--radius', '1e3', 'JO', 'FN'], ['path', '--radius', '1000000001', 'JO', 'FN'],
                          ['path', '--radius', '1000000000', 'JO', 'FN'], ['path', '--radius', '0.001', 'JO', 'FN'],
                          ['path', '--chars', '6', 'JO', 'FN'], ['path', '-o', 'x', 'JO', 'FN'], ['path', '--from', 'JO', 'JO', 'FN'],
                          ['path', 'JO62QM', '-33.9,151.2', '--format', 'geojson', '--precision', '12'],
                          ['path', 'NaN,0', 'JO'], ['path', 'inf,0', 'JO'], ['path', '1e1,0', 'JO']]):
    case('pathopt%02d' % k, q(*args))

# map
for k, (a, b) in enumerate([('JO62QM', 'FN20XR'), ('JO62QM', 'PF95'), ('0,0', '0,180'), ('90,0', '-90,0'),
                            ('JO62QM', 'JO62QM'), ('-33.9,151.2', 'BL11'), ('AA00AA', 'RR99XX'), ('52.5,13.4', '-52.5,-166.6'),
                            ('"A&B"<', 'JO'), ('IO91WM', 'QF56OD')]):
    extra = ['', '--precision 3', '--radius 6371', '--radius=6371.291 --precision 0'][k % 4]
    case('map%02d' % k, extra + ' map ' + q(a, b) + ' -o OUTFILE')
for k, args in enumerate([['map', 'JO62QM', 'FN20XR'], ['map', '--format', 'csv', 'JO62QM', 'FN20XR', '-o', 'OUTFILE'],
                          ['map', 'JO62QM', '-o', 'OUTFILE'], ['map', 'JO62QM', 'FN2', '-o', 'OUTFILE'],
                          ['map', 'JO62QM', 'FN20XR', '-o', '/nonexistent/dir/map.svg'], ['map', 'JO62QM', 'FN20XR', '-o', ''],
                          ['map', 'JO62QM', 'FN20XR', '-o'], ['map', '--chars', '6', 'JO', 'FN', '-o', 'OUTFILE'],
                          ['map', 'JO62QM', 'FN20XR', '-o=OUTFILE'], ['map', 'JO62QM', 'FN20XR', '--o', 'OUTFILE']]):
    case('mapopt%02d' % k, q(*args))

# nmea: every real log and the fixtures, from a file and from standard input
nmea_files = sorted(os.path.join(real, f) for f in os.listdir(real) if f.startswith('nmea_'))
nmea_files += [os.path.join(fix, f) for f in ['nmea-mixed.log', 'nmea-empty.log', 'nmea-binary.log']]
for k, path in enumerate(nmea_files):
    case('nmea%03d-plain' % k, q('nmea', path))
    case('nmea%03d-csv' % k, '--format csv --chars 10 --changes nmea', path)
    case('nmea%03d-json' % k, q('nmea', '--format=json', '--chars', '12', '--precision', '9', path))
for k, args in enumerate([['nmea', '--chars', '2'], ['nmea', '--chars', '4', '--changes'], ['nmea', '--precision', '0', '--format', 'csv'],
                          ['nmea', '--format', 'text', '--chars', '8']]):
    case('nmeastd%02d' % k, q(*args), os.path.join(fix, 'nmea-mixed.log'))
for k, args in enumerate([['nmea', '/nonexistent/nmea.log'], ['nmea', 'a', 'b'], ['nmea', '--format', 'geojson'],
                          ['nmea', '--chars', '7'], ['nmea', '--chars', '14'], ['nmea', '--radius', '6371'],
                          ['nmea', '-o', 'x'], ['nmea', '--changes=yes'], ['nmea', '/tmp']]):
    case('nmeaopt%02d' % k, q(*args), os.path.join(fix, 'nmea-mixed.log'))

# adif: every real log and the fixtures
adif_files = sorted(os.path.join(real, f) for f in os.listdir(real) if f.startswith('adif_'))
adif_files += sorted(os.path.join(fix, f) for f in os.listdir(fix) if f.startswith('adif-'))
for k, path in enumerate(adif_files):
    case('adif%03d-from' % k, q('adif', '--from', 'JO62QM', path))
    case('adif%03d-over' % k, q('adif', '--overwrite', '--radius', '6371', '--precision', '3', path, '-o', 'OUTFILE'))
    case('adif%03d-stdin' % k, 'adif', path)
for k, args in enumerate([['adif', '--from', 'JO6', 'x'], ['adif', '--from', 'jo62qm55aa00', '-o', 'OUTFILE'],
                          ['adif', '/nonexistent/log.adi'], ['adif', 'a', 'b'], ['adif', '--format', 'json'],
                          ['adif', '--chars', '6'], ['adif', '-o', '/nonexistent/dir/out.adi'], ['adif', '--overwrite=1'],
                          ['adif', '/tmp'], ['adif', '--from', '', '--precision', '0'], ['adif', '--from=ZZ99']]):
    case('adifopt%02d' % k, q(*args), os.path.join(fix, 'adif-good.adi'))
case('adif-inplace', 'adif --from JO62QM COPYIN -o OUTFILE', os.path.join(fix, 'adif-good.adi'))
case('adif-inplace-bad', 'adif --from JO62QM COPYIN -o OUTFILE', os.path.join(fix, 'adif-bad-toolong.adi'))

with open(os.path.join(top, 'cases.txt'), 'w') as f:
    f.write('\n'.join(cases) + '\n')
print('%d cases' % len(cases))
