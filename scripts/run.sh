#!/usr/bin/env bash
# Sets up, builds and starts Locatrix. For now the command-line companion shows its usage.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/native/cli/locatrix-cli" "${@:---help}"
