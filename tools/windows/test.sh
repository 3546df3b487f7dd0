#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the rules tests, one trip in the zipped game on a
# private X server, and the installer in and out. Run tools/windows/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${BUILD_DIR:-$root/build-windows}
missing=()
for p in xvfb xdotool x11-utils imagemagick tesseract-ocr; do
  dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
ctest --test-dir "$build_dir" --output-on-failure
python3 "$root/tests/windows/play_under_wine.py" "$build_dir/barkmoor-1.00b-win64.zip" "$build_dir/screenshots"
python3 "$root/tests/windows/install_under_wine.py" "$build_dir/barkmoor-1.00b-setup.exe" \
  "$build_dir/barkmoor-1.00b-win64.zip"
echo "Windows tests under Wine: 3 passed, 0 failed"
