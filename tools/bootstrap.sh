#!/usr/bin/env bash
# Installs whatever the build needs that this Debian machine lacks, then configures and
# builds into build/ (BUILD_DIR): everything, or only the targets named in BUILD_TARGETS.
# PACKAGE_SETS names the sets of tools/packages.sh to install: "play test" (the default)
# builds the tests too; "play" alone leaves them out of a new build folder.
# Sourced by play.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/packages.sh"
sets=${PACKAGE_SETS:-play test}
install_missing $sets

build_dir=${BUILD_DIR:-$root/build}
options=()
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  # A folder keeps the generator it was made with.
  command -v ninja > /dev/null && options+=(-G Ninja)
fi
if [[ " $sets " == *" test "* ]]; then
  options+=(-DBARKMOOR_TESTS=ON -DBARKMOOR_SOUND=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DCMAKE_UNITY_BUILD=OFF)
elif [ ! -f "$build_dir/CMakeCache.txt" ]; then
  # Playing only: no GoogleTest, no debugging symbols, and each folder's files compiled as
  # one: a first build in a third of the time. A folder that has the tests keeps them.
  options+=(-DBARKMOOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"
    -DCMAKE_UNITY_BUILD=ON)
fi
command -v ccache > /dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build_dir" "${options[@]}" "$@" > /dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
