#!/usr/bin/env bash
# Builds the game alone, not its tests (installing only what building and playing need),
# and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
PACKAGE_SETS=play BUILD_TARGETS=barkmoor source "$root/tools/bootstrap.sh"
exec "$root/build/barkmoor"
