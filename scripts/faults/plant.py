#!/usr/bin/env python3
"""Plants each fault of a list into a built tree, one at a time: builds, runs the tests and
records whether any failed, then puts the source back. Called by scripts/faults/run.sh.
  plant.py TREE WINDOWS_TREE FAULTS RESULTS [ID...]   (WINDOWS_TREE: win32 or win64)
A fault in the list:
  ## ID path/of/file.cpp :: what it breaks
  <<<
  text that stands exactly once in the file
  ===
  what it becomes
  >>>
"""
import os
import re
import subprocess
import sys
import time

tree, windows_tree, faults_file, results = sys.argv[1:5]
only = set(sys.argv[5:])
faults = re.findall(r'^## (\S+) (\S+) :: (.*?)\n<<<\n(.*?)\n===\n(.*?)\n?>>>$', open(faults_file).read(), re.S | re.M)
if not faults:
    sys.exit(f'plant.py: no faults in {faults_file}')


def run(command):
    p = subprocess.run(command, cwd=tree, shell=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                       errors='replace')
    return p.returncode, p.stdout


def suite(build_tree, exclude=''):
    # Status 99: the fault does not build, which makes it no fault to count.
    return run(f'cmake --build build/{build_tree} -j2 >build/fault-build.log 2>&1 || exit 99; '
               f'ctest --test-dir build/{build_tree} -j2 --timeout 300 --stop-on-failure {exclude}')


def failed_tests(output):
    return ' '.join(sorted(set(re.findall(r'\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted)', output))))


logs = os.path.splitext(results)[0] + '-logs'
os.makedirs(logs, exist_ok=True)
with open(results, 'a') as record:
    for fault_id, path, what, before, after in faults:
        if only and fault_id not in only:
            continue
        source_path = os.path.join(tree, path)
        source = open(source_path).read()
        if source.count(before) != 1:
            record.write(f'{fault_id}\tnot-planted ({source.count(before)} places)\t\t{path}\t{what}\n')
            continue
        started = time.time()
        open(source_path, 'w').write(source.replace(before, after))
        try:
            # The window's layers and resources are not in the native tree, and their faults
            # cannot reach the engine's, calculator's or command line's tests.
            window_only = path.startswith(('controls/', 'app/', 'framework/', 'res/'))
            status, output = (0, '') if window_only else suite('native', '-E fuzz')
            where = 'native'
            if status == 0:
                status, output = suite(windows_tree, "-E '^(base|engine|formats|map|calc|cli)[.]'" if window_only else '')
                where = windows_tree
            verdict = {0: 'missed', 99: f'does-not-build ({where})'}.get(status, 'caught')
            caught_by = f'{where}: {failed_tests(output)}' if verdict == 'caught' else ''
        finally:
            open(source_path, 'w').write(source)
        open(os.path.join(logs, fault_id + '.log'), 'w').write(output)
        record.write(f'{fault_id}\t{verdict}\t{int(time.time() - started)}s\t{path}\t{what}\t{caught_by}\n')
        record.flush()
    run(f'cmake --build build/native -j2 >/dev/null 2>&1; cmake --build build/{windows_tree} -j2 >/dev/null 2>&1')
