#!/usr/bin/env python3
"""Writes a mixed batch for locatrix-cli --batch: the four kinds of request in about equal
shares, some with a locator length of their own, about 1% that a check refuses. The same
lines for the same seed on every machine.

    make_batch.py LINES [SEED] > batch.txt
"""
import random
import sys

LETTERS_FIELD = "ABCDEFGHIJKLMNOPQR"
LETTERS_SUB = "ABCDEFGHIJKLMNOPQRSTUVWX"


def locator(rng, length):
    pairs = [LETTERS_FIELD, "0123456789", LETTERS_SUB, "0123456789", LETTERS_SUB]
    text = "".join(rng.choice(p) + rng.choice(p) for p in pairs)[:length]
    return text.lower() if rng.random() < 0.2 else text


def request(rng):
    kind = rng.randrange(4)
    if kind == 0:
        lat = rng.randrange(90)
        lon = rng.randrange(180)
        return "dms %d %d %.2f %s %d %d %.2f %s" % (
            lat, rng.randrange(60), rng.uniform(0, 60), rng.choice("NS"),
            lon, rng.randrange(60), rng.uniform(0, 60), rng.choice("EW"))
    if kind == 1:
        return "decimal %.*f %.*f" % (rng.randrange(1, 9), rng.uniform(-90, 90),
                                      rng.randrange(1, 9), rng.uniform(-180, 180))
    if kind == 2:
        return "locator " + locator(rng, rng.choice((6, 8, 10)))
    return "distance %s %s" % (locator(rng, rng.choice((6, 8, 10))), locator(rng, rng.choice((6, 8, 10))))


# Requests that a check refuses, each with its own complaint.
REFUSED = ("dms 90 0 0 N 13 0 0 E", "dms 52 60 0 N 13 0 0 E", "dms 52 0 0 N 180 0 0 E",
           "decimal 90.5 13", "decimal 52 -180.25", "locator JO62Q", "locator J062QM",
           "distance JO62 KO85TS", "distance JO62QM KO8", "dms -5 0 0 N 13 0 0 E")


def main():
    lines = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 20261207)
    out = []
    for _ in range(lines):
        if rng.random() < 0.01:
            text = rng.choice(REFUSED)
        else:
            text = request(rng)
        if rng.random() < 0.1:
            text = "--chars %s %s" % (rng.choice(("6", "8", "10")), text)
        out.append(text)
    sys.stdout.write("\n".join(out) + "\n")


main()
