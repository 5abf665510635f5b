#!/usr/bin/env bash
# Installs what is missing, builds the dev preset (sanitizers on) and runs every test.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/deps.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
