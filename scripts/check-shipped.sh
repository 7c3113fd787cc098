#!/usr/bin/env bash
# Checks what a Windows build tree ships without running any Windows program: processor,
# subsystem, imports, version block, manifest, icons and dialogs. The test command uses it for
# the 32-bit build where this machine cannot run it.
#   scripts/check-shipped.sh build/win32
set -euo pipefail
tree=${1:?usage: scripts/check-shipped.sh BUILD_TREE}
[ -f "$tree/tests/shipped/CTestTestfile.cmake" ] \
    || { echo "check-shipped.sh: $tree is no built Windows tree: run scripts/build.sh win32 (or win64) first" >&2; exit 1; }
# Only this directory: reading any other would start its test programs to list their tests.
ctest --test-dir "$tree/tests/shipped" --output-on-failure --no-tests=error
