#!/usr/bin/env bash
# ./play.sh's first build on a new machine, through the same script: the program alone, while
# Qt Multimedia is still being installed. It must build and must not need the sound module.
set -euo pipefail
root=$1 work=$2
rm -rf "$work"
BUILD_DIR=$work PACKAGE_SETS=program BUILD_TARGETS=barkmoor source "$root/tools/bootstrap.sh" \
  -DBARKMOOR_SOUND=OFF > /dev/null
[ -x "$work/barkmoor" ] || { echo "no program built" >&2; exit 1; }
if [ -e "$work/libbarkmoor_sound.so" ]; then
  echo "the sound module was built, so this build needed Qt Multimedia" >&2
  exit 1
fi
