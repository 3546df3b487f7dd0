#!/usr/bin/env bash
# Undoes `cmake --install build --prefix PREFIX`: removes the files that install listed in
# build/install_manifest.txt (BUILD_DIR moves it), then the folders that leaves empty, up to
# PREFIX. It removes nothing at all if any listed file lies outside PREFIX, as it does when the
# last install went somewhere else.
#
#   tools/uninstall.sh ~/.local
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 PREFIX   (the --prefix of the install to undo)" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
manifest=${BUILD_DIR:-$root/build}/install_manifest.txt
prefix=$(realpath -ms "$1")
[ "$prefix" != / ] || { echo "Refusing to uninstall from /" >&2; exit 1; }
[ -f "$manifest" ] || { echo "No $manifest: nothing was installed from that build" >&2; exit 1; }

# Paths as written, with . and .. worked out but links not followed: the command is a link.
files=()
while IFS= read -r line || [ -n "$line" ]; do
  [ -n "$line" ] || continue
  file=$(realpath -ms "$line")
  if [[ "$file" != "$prefix"/* ]]; then
    echo "$manifest lists $line, outside $prefix: the last install went elsewhere;" \
      "nothing removed" >&2
    exit 1
  fi
  files+=("$file")
done < "$manifest"

removed=0
for file in "${files[@]}"; do
  if [ -f "$file" ] || [ -L "$file" ]; then
    rm -f -- "$file"
    removed=$((removed + 1))
  fi
  dir=$(dirname "$file")
  while [ "$dir" != "$prefix" ] && rmdir -- "$dir" 2> /dev/null; do
    dir=$(dirname "$dir")
  done
done
echo "Removed $removed files from $prefix"
