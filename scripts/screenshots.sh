#!/usr/bin/env bash
# Renders the main window on every tab in file and folder mode and at 1366x768,
# the confirmation window (also with a row that would fail), the list of a folder
# holding names of every kind with the encoding conversion's confirmation, the scan
# and apply progress windows, the delete and rename dialogs, the regex help
# windows and the history window after three batches
# into docs/screenshots/*.png, offscreen.
# Usage: scripts/screenshots.sh BUILD_DIR
set -euo pipefail
build_dir="${1:-build}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/screenshots"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$build_dir/src/app/nalo-screenshots" "$out" 2> >(grep -v "propagateSizeHints" >&2)
echo "screenshots written to $out"
