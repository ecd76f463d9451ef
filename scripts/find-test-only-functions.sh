#!/usr/bin/env bash
# Lists the functions declared in the headers of src/ that no code of src/ uses:
# the name occurs in the code of src/ (comments left out) only where ctags finds it
# declared or defined. Each line says where the name is still used (tests, bench,
# fuzz) or "unused". Overrides (called through their base class) and constructors,
# destructors and operators are left out. The check is by name, so a function that
# shares its name with another one in use is not listed: read the list as a floor,
# not a proof.
# Usage: scripts/find-test-only-functions.sh
set -euo pipefail
cd "$(dirname "$0")/.."

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
    printf '%-40s %-40s %s\n' "$name" "$file" "${where[*]}"
  done
