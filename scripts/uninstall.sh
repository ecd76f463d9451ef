#!/usr/bin/env bash
# Removes what `make install` put in place, by the list of files it saved, under the
# same DESTDIR. A folder of Nalo's own (share/doc/nalo) left empty goes too; shared
# folders such as bin or share/applications stay.
set -euo pipefail
manifest=${1:?usage: uninstall.sh INSTALLED_FILES_LIST}
if [ ! -f "$manifest" ]; then
  echo "uninstall: $manifest not found: nothing was installed from this build" >&2
  exit 1
fi
while IFS= read -r file || [ -n "$file" ]; do
  [ -n "$file" ] || continue
  path="${DESTDIR:-}$file"
  if [ -e "$path" ] || [ -L "$path" ]; then
    rm -f -- "$path"
    echo "removed $path"
  fi
  folder=$(dirname -- "$path")
  if [ "$(basename -- "$folder")" = nalo ] && [ -d "$folder" ]; then
    rmdir --ignore-fail-on-non-empty -- "$folder"
  fi
done <"$manifest"
