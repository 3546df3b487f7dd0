#!/usr/bin/env bash
# Builds the game alone, not its tests (installing only what building and playing need),
# and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/tools/packages.sh"

later=""
[ -f "$root/build/CMakeCache.txt" ] || later=$(missing_packages sound_fonts)
if [ -n "$later" ]; then
  # A new machine: Qt Multimedia and the fonts are half of what it installs, so they go in
  # while the program compiles without its sound module, which is built once they are there.
  install_missing program
  [ "$(id -u)" -eq 0 ] || sudo -v # asks for the password now, not in the middle of the build
  log=$(mktemp)
  echo "Installing in the background: ${later//$'\n'/ }"
  install_missing sound_fonts > "$log" 2>&1 &
  installer=$!
  # Should the build fail, apt still finishes before the script ends.
  trap 'wait "$installer"; rm -f "$log"' EXIT
  PACKAGE_SETS=program BUILD_TARGETS=barkmoor source "$root/tools/bootstrap.sh" \
    -DBARKMOOR_SOUND=OFF
  trap - EXIT
  if ! wait "$installer"; then
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
fi
PACKAGE_SETS=play BUILD_TARGETS=barkmoor source "$root/tools/bootstrap.sh" -DBARKMOOR_SOUND=ON
exec "$root/build/barkmoor"
