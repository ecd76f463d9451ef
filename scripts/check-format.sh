#!/usr/bin/env bash
# Checks that every line changed since the base commit in .ci/format-base is laid
# out as .clang-format says. Only changed lines are checked, so older code is left
# as it is until someone edits it. Needs the full history (a normal clone has it).
# Usage: scripts/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."

base="$(tr -d '[:space:]' < .ci/format-base)"
if ! git rev-parse --quiet --verify "${base}^{commit}" >/dev/null; then
  echo "format check: the base commit ${base} named in .ci/format-base is not in this clone" >&2
  echo "(a shallow clone lacks it: clone with the full history)" >&2
  exit 2
fi

# git clang-format 14 exits 0 whether or not it finds something to change, so the
# result is read from its output: a diff means lines to reformat.
rc=0
out="$(git clang-format --diff "$base" -- src tests bench fuzz 2>&1)" || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "format check: git clang-format failed:" >&2
  echo "$out" >&2
  exit "$rc"
fi
if grep -q '^diff --git ' <<<"$out"; then
  echo "format check failed: these files have lines changed since ${base:0:12} that" \
    "clang-format lays out differently:" >&2
  sed -n 's|^diff --git a/\([^ ]*\) .*|  \1|p' <<<"$out" >&2
  echo "Format them with: git add -u && git clang-format ${base:0:12}" >&2
  echo "$out" >&2
  exit 1
fi
echo "format check: the lines changed since ${base:0:12} follow .clang-format"
