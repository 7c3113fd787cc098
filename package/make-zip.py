#!/usr/bin/env python3
"""Writes a zip that depends only on the files' names and contents.

    make-zip.py OUTPUT.zip FOLDER

Every file under FOLDER goes in under FOLDER's own name, sorted by path, stamped with
SOURCE_DATE_EPOCH (the time of the commit) and the same permissions, so that two builds of one
commit give the same bytes wherever and whenever they run.
"""
import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-zip.py OUTPUT.zip FOLDER")
    output, folder = sys.argv[1], sys.argv[2].rstrip("/")
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch or not epoch.isdigit():
        sys.exit("make-zip.py: set SOURCE_DATE_EPOCH to the commit time (git log -1 --format=%ct)")
    # A zip holds local times from 1980 on, two seconds apart; UTC keeps it independent of the zone.
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]

    top = os.path.basename(folder)
    paths = []
    for here, dirs, files in os.walk(folder):
        paths += [os.path.relpath(os.path.join(here, name), folder) for name in files]
    if not paths:
        sys.exit("make-zip.py: %s holds no files" % folder)

    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(p.replace(os.sep, "/") for p in paths):
            entry = zipfile.ZipInfo(top + "/" + path, stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0  # MS-DOS: no Unix owner or mode bits
            entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows' own zip writes it
            with open(os.path.join(folder, path), "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    main()
