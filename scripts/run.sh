#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the program in the
# current directory (where it keeps test.dat and setting.ini).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/deps.sh"
cmake -S "$here" --preset release >/dev/null
cmake --build "$here/build/release"
exec "$here/build/release/src/baibao"
