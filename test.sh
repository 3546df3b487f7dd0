#!/usr/bin/env bash
# Builds Barkmoor (installing what is missing) and runs every test, headless: once in the
# ordinary build, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# --quick stops after the ordinary build's tests.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
quick=0
case "${1:-}" in
  "") ;;
  --quick) quick=1; shift ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac
export QT_QPA_PLATFORM=offscreen
source "$root/tools/bootstrap.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
if ((quick)); then
  exit 0
fi

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
BUILD_DIR="$root/build-sanitize" source "$root/tools/bootstrap.sh" -DBARKMOOR_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$(nproc)"
