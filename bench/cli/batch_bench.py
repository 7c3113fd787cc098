#!/usr/bin/env python3
"""CLI throughput: one generated mixed batch (make_batch.py) through each given locatrix-cli,
in turn, RUNS times each, timing whole processes by their CPU time (user + system). Prints each
run, the median requests per CPU-second of each program and the ratios of the first to the
others, and says whether all wrote the same bytes.

    batch_bench.py [--lines N] [--runs R] [--keep DIR] CLI [CLI...]

A CLI may be a command with words, e.g. "scripts/wine-run.sh build/win32/cli/locatrix-cli.exe"
(Wine's own start-up and its server's time then count too).
"""
import argparse
import hashlib
import os
import shlex
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(command, batch, output):
    with open(batch, "rb") as stdin, open(output, "wb") as stdout:
        process = subprocess.Popen(command + ["--batch"], stdin=stdin, stdout=stdout)
        _, status, usage = os.wait4(process.pid, 0)
    # Status 1 only says that some lines were refused, which the batch has on purpose.
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):
        sys.exit("batch_bench: %s ended with status %d" % (" ".join(command), code))
    return usage.ru_utime + usage.ru_stime


def digest(path, line_ends=False):
    with open(path, "rb") as f:
        data = f.read()
    return hashlib.sha256(data.replace(b"\r\n", b"\n") if line_ends else data).hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lines", type=int, default=1000000)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--keep", help="leave the batch and the outputs in this folder")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    commands = [shlex.split(p) for p in args.programs]

    folder = args.keep or tempfile.mkdtemp(prefix="locatrix-batch-")
    os.makedirs(folder, exist_ok=True)
    batch = os.path.join(folder, "batch.txt")
    with open(batch, "w") as f:
        subprocess.run([sys.executable, os.path.join(HERE, "make_batch.py"), str(args.lines)], stdout=f, check=True)

    times = [[] for _ in commands]
    outputs = [os.path.join(folder, "out%d.txt" % k) for k in range(len(commands))]
    for run in range(args.runs):
        row = []
        for k, command in enumerate(commands):
            seconds = run_once(command, batch, outputs[k])
            times[k].append(seconds)
            row.append("%8.3f s" % seconds)
        print("run %2d  %s" % (run + 1, "  ".join(row)), flush=True)

    rates = []
    for k, program in enumerate(args.programs):
        median = statistics.median(times[k])
        rates.append(args.lines / median)
        print("%-60s median %.3f s CPU, %.3f M requests per CPU-second" % (program, median, rates[k] / 1e6))
    for k in range(1, len(commands)):
        print("%s / %s: %.2fx the requests per CPU-second" % (args.programs[0], args.programs[k], rates[0] / rates[k]))
    # Windows programs end their lines with CR LF: compared apart from that, if need be.
    if len({digest(o) for o in outputs}) == 1:
        print("outputs: identical (%s)" % digest(outputs[0]))
    elif len({digest(o, True) for o in outputs}) == 1:
        print("outputs: identical apart from CR LF line ends (%s)" % digest(outputs[0], True))
    else:
        print("outputs: DIFFER, see %s" % folder)
        sys.exit(1)
    if not args.keep:
        for path in outputs + [batch]:
            os.remove(path)
        os.rmdir(folder)


main()
