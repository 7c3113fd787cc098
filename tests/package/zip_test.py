#!/usr/bin/env python3
"""The portable zip depends only on the files' names and contents and the commit time:
the same files written in another order, at other times, with other permissions and under
another parent folder give the same bytes; entries come sorted, stamped with the commit time."""
import os
import subprocess
import sys
import tempfile
import zipfile

MAKE_ZIP = sys.argv[1]
EPOCH = 1796606542  # 2026-12-07 01:22:22 UTC, even seconds as a zip keeps them
FILES = {"README.txt": b"read me\r\n", "Locatrix.exe": b"MZ" + bytes(range(256)) * 40,
         "LICENSE.txt": b"MIT\r\n"}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def make_zip(parent, order, mtime, mode, epoch=EPOCH):
    folder = os.path.join(parent, "Locatrix-9.9.9.9")
    os.makedirs(folder)
    for name in order:
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(FILES[name])
        os.chmod(path, mode)
        os.utime(path, (mtime, mtime))
    output = os.path.join(parent, "out.zip")
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    subprocess.run([sys.executable, MAKE_ZIP, output, folder], check=True, env=env)
    with open(output, "rb") as f:
        return f.read(), output


with tempfile.TemporaryDirectory() as one, tempfile.TemporaryDirectory(prefix="other place ") as two, \
        tempfile.TemporaryDirectory() as three:
    first, path = make_zip(one, ["README.txt", "Locatrix.exe", "LICENSE.txt"], 1000000000, 0o644)
    second, _ = make_zip(two, ["LICENSE.txt", "README.txt", "Locatrix.exe"], 1700000000, 0o755)
    check(first == second, "two builds of the same files differ")
    later, _ = make_zip(three, ["README.txt", "Locatrix.exe", "LICENSE.txt"], 1000000000, 0o644, EPOCH + 3600)
    check(later != first, "the commit time does not reach the zip")

    with zipfile.ZipFile(path) as archive:
        entries = archive.infolist()
        names = [entry.filename for entry in entries]
        check(names == sorted("Locatrix-9.9.9.9/" + name for name in FILES), "entries not sorted: %s" % names)
        for entry in entries:
            check(entry.date_time == (2026, 12, 7, 1, 22, 22), "%s dated %s" % (entry.filename, entry.date_time))
            check(entry.external_attr >> 16 == 0, "%s carries Unix permissions" % entry.filename)
            check(archive.read(entry) == FILES[entry.filename.split("/", 1)[1]], "%s altered" % entry.filename)

    unset = dict(os.environ)
    unset.pop("SOURCE_DATE_EPOCH", None)
    refused = subprocess.run([sys.executable, MAKE_ZIP, os.path.join(one, "x.zip"), one], env=unset,
                             capture_output=True, text=True)
    check(refused.returncode != 0 and "SOURCE_DATE_EPOCH" in refused.stderr,
          "a zip without a commit time was not refused with a reason")

for failure in failures:
    print("FAIL:", failure)
print("zip_test: %d failed" % len(failures))
sys.exit(1 if failures else 0)
