#!/usr/bin/env bash
# Cross-builds Barkmoor for 64-bit Windows on Debian 12: installs the MinGW-w64 compilers,
# Wine and NSIS, builds a lean Qt from Debian's source package once into a cache folder
# outside the tree, then configures and builds the game and packs its zip and installer
# with CPack.
#
#   tools/windows/build.sh           everything
#   tools/windows/build.sh --qt-only  only the cached Qt (the slow part)
#   tools/windows/build.sh --qt-ready says whether that Qt is cached (exit 0) or not (1)
#
# BARKMOOR_WINDOWS_CACHE moves the cache (default ~/.cache/barkmoor-windows); the results go
# to build-windows/ (BUILD_DIR moves it).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache=${BARKMOOR_WINDOWS_CACHE:-${HOME:-/root}/.cache/barkmoor-windows}
build_dir=${BUILD_DIR:-$root/build-windows}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
qt_version=6.4.2
# The project's own mends to Qt, applied in name order after Debian's.
qt_patches=("$root"/tools/windows/qt-patches/*.patch)
jobs=$(nproc)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

source "$root/tools/packages.sh"

# The Qt source package that apt offers for 6.4.2, with its exact Debian revision: apt takes
# no pattern in a source version.
qt_source_version() {
  apt-cache showsrc qt6-base 2> /dev/null | sed -n 's/^Version: //p' |
    grep -m1 "^$qt_version+" || true
}

ensure_source_entries() {
  [ -n "$(qt_source_version)" ] && return 0
  echo "Adding Debian's source entries for bookworm main"
  $sudo tee /etc/apt/sources.list.d/bookworm-src.sources > /dev/null << 'EOF2'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF2
  $sudo apt-get update -qq
  [ -n "$(qt_source_version)" ] && return 0
  echo "No source of qt6-base $qt_version is offered by apt (apt-cache showsrc qt6-base);" \
    "the Windows build needs exactly that Qt." >&2
  exit 1
}

# Qt's source comes only from Debian's own source package, downloaded once.
fetch_qt_source() {
  local src=$cache/src-$source_version
  [ -f "$src/$qt_dsc" ] && return 0
  rm -rf "$src"
  mkdir -p "$src"
  (cd "$src" && apt-get source -qq --download-only "qt6-base=$source_version" 2>&1 |
    grep -v 'Download is performed unsandboxed' || true)
  [ -f "$src/$qt_dsc" ] || { echo "Downloading qt6-base $source_version failed" >&2; exit 1; }
}

# Unpacked afresh for each build with Debian's patches, then the project's own on top.
unpack_qt_source() {
  rm -rf "$1"
  dpkg-source --no-copy -x "$cache/src-$source_version/$qt_dsc" "$1" > /dev/null
  [ -f "$1/CMakeLists.txt" ] || { echo "Unpacking qt6-base $source_version failed" >&2; exit 1; }
  local p
  for p in "${qt_patches[@]}"; do
    echo "Applying $(basename "$p")"
    patch -d "$1" -p1 -s --no-backup-if-mismatch < "$p"
  done
}

# Only what the game loads: Core, Gui, Widgets, the Windows platform plugin and the Vista
# style. Everything below is a module, plugin, bundled library or widget it never uses;
# harfbuzz stays, as it shapes every caption. Drag and drop stays too: without it
# qapplication.cpp does not compile in 6.4.2; so does the input dialog, which the Vista style
# names.
qt_options=(
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  # Modules and the OpenGL/Vulkan paths.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_testlib=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_sql_sqlite=OFF
  # Debian's source leaves out the tablet and IAccessible2 sources.
  -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_system_zlib=OFF
  # The Direct2D platform plugin (Direct2D itself stays: 6.4.2 builds the DirectWrite font
  # engine only with it), FreeType and with it the offscreen plugin.
  -DFEATURE_direct2d1_1=OFF -DFEATURE_freetype=OFF
  # Image formats: the game's resources are BMP and PNG.
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_movie=OFF
  -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
  # Documents: PDF, Markdown, ODF; undo; the tray icon and session management.
  -DFEATURE_pdf=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_textodfwriter=OFF -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF
  -DFEATURE_undogroup=OFF -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF
  # Widgets and dialogs the game does not show, and the Fusion style.
  -DFEATURE_style_fusion=OFF -DFEATURE_graphicsview=OFF -DFEATURE_filedialog=OFF
  -DFEATURE_fscompleter=OFF -DFEATURE_filesystemmodel=OFF -DFEATURE_colordialog=OFF
  -DFEATURE_fontdialog=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF
  -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_mdiarea=OFF
  -DFEATURE_dockwidget=OFF -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF
  -DFEATURE_keysequenceedit=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF
  -DFEATURE_splashscreen=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_toolbox=OFF
  -DFEATURE_syntaxhighlighter=OFF -DFEATURE_datawidgetmapper=OFF
)

build_qt() {
  if qt_ready; then
    echo "Qt $qt_version for Windows: cached in $qt_prefix"
    return 0
  fi
  fetch_qt_source
  echo "Building Qt $source_version for Windows into $qt_prefix (about 20-40 minutes on 2 cores)"
  # Named after the Qt they make, so that builds of two different Qts never share a folder.
  local qt_source=$qt_prefix.source qt_build=$qt_prefix.build started=$SECONDS
  unpack_qt_source "$qt_source"
  rm -rf "$qt_build"
  cmake -S "$qt_source" -B "$qt_build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" > "$cache/qt-configure.log"
  cmake --build "$qt_build" -j "$jobs" -- -k 0
  cmake --install "$qt_build" > /dev/null
  # The licence texts and Debian's record of every copyright in the source, which the game's
  # packages ship beside the DLLs.
  local notices=$qt_prefix/share/doc/qt6-base
  mkdir -p "$notices"
  cp "$qt_source"/LICENSES/*.txt "$qt_source/debian/copyright" "$notices"/
  echo "$source_version" > "$notices/source-version"
  printf '%s\n' "${qt_options[@]}" > "$notices/options"
  cp "${qt_patches[@]}" "$notices"/
  rm -rf "$qt_build" "$qt_source"
  echo "Qt for Windows built in $(((SECONDS - started) / 60)) minutes"
}

# The cached Qt is named by its source and by everything that shapes it, so a changed option,
# toolchain or patch builds a new one.
qt_prefix_for() {
  local key
  key=$( (printf '%s\n' "$1" "${qt_options[@]}"; cat "$toolchain" "${qt_patches[@]}") |
    sha256sum | cut -c1-12)
  echo "$cache/qt-$1-mingw-w64-$key"
}
qt_ready() { [ -f "$qt_prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; }
if [ "${1:-}" = "--qt-ready" ]; then
  source_version=$(qt_source_version)
  [ -n "$source_version" ] || exit 1
  qt_prefix=$(qt_prefix_for "$source_version")
  qt_ready
  exit
fi

install_missing windows
ensure_source_entries
source_version=$(qt_source_version)
qt_dsc=qt6-base_${source_version#*:}.dsc
qt_prefix=$(qt_prefix_for "$source_version")
build_qt
[ "${1:-}" = "--qt-only" ] && exit 0

# The game and its rules tests, with the toolchain kept in the tree; then CPack's zip and
# installer from the same install rules as the Debian package.
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_FIND_ROOT_PATH="$qt_prefix" -DCMAKE_PREFIX_PATH="$qt_prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > /dev/null
cmake --build "$build_dir" -j "$jobs"
rm -f "$build_dir"/barkmoor-*-win64.zip "$build_dir"/barkmoor-*-setup.exe
(cd "$build_dir" && cpack > cpack.log) || { cat "$build_dir/cpack.log"; exit 1; }

echo "Windows build done:"
ls "$build_dir"/barkmoor-*-win64.zip "$build_dir"/barkmoor-*-setup.exe | sed 's/^/  /'
