#!/usr/bin/env bash
# Installs whatever the build needs that this Debian machine lacks, then configures and
# builds into build/ (BUILD_DIR): everything, or only the targets named in BUILD_TARGETS.
# Sourced by play.sh and test.sh.
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev libwayland-dev libgtest-dev
          fonts-wine fonts-liberation clang libclang-rt-14-dev
          libxcb1-dev python3 xvfb x11-utils xdotool xclip desktop-file-utils appstream dpkg-dev file lintian
          openbox dbus-daemon at-spi2-core python3-pyatspi orca qt6-wayland weston)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" > /dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
