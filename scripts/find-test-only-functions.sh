#!/usr/bin/env bash
# Lists the functions declared in the headers of src/ that no code of src/ uses:
# the name occurs in the code of src/ (comments left out) only where ctags finds it
# declared or defined. Each line says where the name is still used (tests, bench,
# fuzz) or "unused". Overrides (called through their base class) and constructors,
# destructors and operators are left out. The check is by name, so a function that
# shares its name with another one in use is not listed: read the list as a floor,
# not a proof. A few functions stay on purpose: the table below gives each its
# reason, and they are listed as "kept" with it.
# Usage: scripts/find-test-only-functions.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# name<TAB>why it stays though only tests call it
kept_list='
CacheSize	the awk regex cache shows what it holds: the cache tests see eviction through it
CachedPattern	the awk regex cache shows what it holds: the cache tests see eviction through it
CompileCount	the awk regex cache counts compiles: the cache tests see hits through it
FirstFrameOffset	where the MP3 frame search stopped: nothing the user sees tells it apart
SetChooser	replaces the modal colour dialog, so tests answer it without a user
SetChoice	sets the save choice as a click would; the dialog runs modally otherwise
CountText	the confirmation window'"'"'s count text as shown, read by the offscreen tests
CurrentTab	the main window'"'"'s tab state, read by the offscreen tests
Panel0Text	the main window'"'"'s status bar as shown, read by the offscreen tests
Panel1Text	the main window'"'"'s status bar as shown, read by the offscreen tests
Records	the main window'"'"'s tab records, read by the offscreen tests
SelectedFolder	the folder tree'"'"'s selection, read by the offscreen tests
StatusText	the live preview'"'"'s status text, read by the offscreen tests
StepCount	the journal plan'"'"'s size, part of the journal writer that the batch history extends
'

tags="$(mktemp)"
code="$(mktemp)"
trap 'rm -f "$tags" "$code"' EXIT
# name kind line file text, one line per declaration or definition in src/.
find src -name '*.h' -o -name '*.cpp' | sort |
  ctags -x --language-force=c++ --c++-kinds=pf -L - >"$tags"
# Every line of src/ without its // comment.
find src -name '*.h' -o -name '*.cpp' | sort | xargs sed 's|//.*||' >"$code"

awk '$4 ~ /\.h$/ && $0 !~ /[ \t]override[ \t;{]|= *delete|= *default/ { print $1 }' "$tags" |
  grep -v -E '^(operator|~)' | sort -u |
  while read -r name; do
    # Constructors: the name of a class or struct declared in src/.
    if grep -rqE "^\s*(class|struct) ${name}\b" src; then continue; fi
    declared=$(awk -v n="$name" '$1 == n' "$tags" | wc -l)
    used=$(grep -owE "\b${name}\b" "$code" | wc -l)
    [ "$used" -gt "$declared" ] && continue
    where=()
    for dir in tests bench fuzz; do
      if grep -rqwE "\b${name}\b" "$dir" 2>/dev/null; then where+=("$dir"); fi
    done
    [ ${#where[@]} -eq 0 ] && where=(unused)
    file=$(awk -v n="$name" '$1 == n && $4 ~ /\.h$/ { print $4 ":" $3; exit }' "$tags")
    reason=$(printf '%s' "$kept_list" | awk -F '\t' -v n="$name" '$1 == n { print $2; exit }')
    [ -n "$reason" ] && where=("kept: $reason")
    printf '%-40s %-40s %s\n' "$name" "$file" "${where[*]}"
  done
