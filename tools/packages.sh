# The Debian packages the scripts need, in sets, and the one function that installs the
# packages of some sets that this machine lacks. Sourced by tools/bootstrap.sh and
# tools/windows/*.sh.

# Building and playing the game: compiler, CMake and Ninja, Qt Widgets, the Wayland client
# library (to ask the compositor whether it draws frames); then Qt Multimedia for the bark's
# module and the fonts, which ./play.sh installs while the program compiles.
packages_program="build-essential cmake ninja-build pkg-config qt6-base-dev libwayland-dev"
packages_sound_fonts="qt6-multimedia-dev fonts-wine fonts-liberation"
packages_play="$packages_program $packages_sound_fonts"
# The tests on top: GoogleTest, the fuzzer's clang, the X server and window manager they play
# on, the desktop's validators and lintian, the accessibility bus and Orca, Wayland.
packages_test="libgtest-dev clang libclang-rt-14-dev libxcb1-dev python3 xvfb x11-utils
  xdotool xclip desktop-file-utils appstream dpkg-dev file lintian openbox dbus-daemon
  at-spi2-core python3-pyatspi orca weston qt6-wayland"
# The cross-build for Windows: MinGW-w64, the host Qt's tools, Wine and NSIS.
packages_windows="cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools
  g++-mingw-w64-x86-64-posix libgtest-dev wine wine64 nsis"
# Its tests under Wine: Python, a private X server, and pictures read back by OCR.
packages_windows_test="python3 xvfb xdotool x11-utils imagemagick tesseract-ocr"

# missing_packages SET...: the packages of the named sets that are not installed.
missing_packages() {
  local set list p
  for set in "$@"; do
    list=packages_${set//-/_}
    [ -n "${!list+set}" ] || { echo "No package set $set" >&2; return 1; }
    for p in ${!list}; do
      dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q "install ok installed" ||
        echo "$p"
    done
  done
}

# install_missing SET...: installs with apt-get (through sudo unless root) whatever of the
# named sets is not installed yet, and says what. The package lists are fetched once a run.
install_missing() {
  local missing
  missing=$(missing_packages "$@") || return 1
  [ -n "$missing" ] || return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing//$'\n'/ }"
  if [ -z "${packages_lists_fetched:-}" ]; then
    $sudo apt-get update -qq
    packages_lists_fetched=1
  fi
  # shellcheck disable=SC2086 # one word a package
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
