#!/usr/bin/env bash
# Builds Barkmoor (installing what is missing) and runs every test, headless.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/tools/bootstrap.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
