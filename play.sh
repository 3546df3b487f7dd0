#!/usr/bin/env bash
# Builds Barkmoor (installing what is missing) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/tools/bootstrap.sh"
exec "$root/build/barkmoor"
