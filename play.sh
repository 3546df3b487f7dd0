#!/usr/bin/env bash
# Builds the game alone, not its tests (installing what is missing), and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
BUILD_TARGETS=barkmoor source "$root/tools/bootstrap.sh"
exec "$root/build/barkmoor"
