#!/usr/bin/env bash
# Installs what is missing, builds the tests a second time optimised and without the
# sanitizers (as a packager would build the program) and runs all but the desktop tests.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/deps.sh"
cd "$here"
cmake --preset optimised >/dev/null
cmake --build --preset optimised
ctest --preset optimised
