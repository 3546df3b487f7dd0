#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the rules tests, the zipped game played in a Wine
# desktop on a private X server at two screen resolutions, and the installer in and out. Run
# tools/windows/build.sh first.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${BUILD_DIR:-$root/build-windows}
source "$root/tools/packages.sh"
install_missing windows-test || exit 1
zip_file=$(ls "$build_dir"/barkmoor-*-win64.zip)
setup=$(ls "$build_dir"/barkmoor-*-setup.exe)

passed=0
failed=0
run() {
  echo "== $1"
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}
run "rules tests" ctest --test-dir "$build_dir" --output-on-failure
run "the zipped game in a Wine desktop at 96 and 192 dpi" \
  python3 "$root/tests/windows/play_under_wine.py" "$zip_file" "$build_dir/screenshots" \
  "$build_dir/tests/windows/list_windows.exe"
run "the installer in and out" \
  python3 "$root/tests/windows/install_under_wine.py" "$setup" "$zip_file"
echo "Wine: $passed passed, $failed failed"
((failed == 0))
