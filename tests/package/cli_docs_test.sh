#!/usr/bin/env bash
# nalo-cli's manual page and bash completion against the program itself. The
# options come from each subcommand's --help: every one must be a term of the
# manual page and be offered by the completion, every option term of the page and
# every option the completion offers must be one the program takes, and an option
# (or argument) with a fixed set of values must complete to exactly that set.
set -euo pipefail
cli=$1 page=$2 completion=$3
export LC_ALL=C.UTF-8
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The option column of a --help text, one option a line ("-y", "--yes").
options_in_help() { grep -oE '^  (-[a-zA-Z0-9],)?--[a-z0-9-]+' | sed 's/^  //' | tr ',' '\n' | sort -u; }
long_only() { grep -- '^--' || true; }

top_help=$("$cli" --help)
subcommands=$(sed -n '/^Subcommands:/,/^$/p' <<<"$top_help" | sed -n 's/^  \([a-z]\+\) .*/\1/p')
[ -n "$subcommands" ] || fail "no subcommands found in nalo-cli --help"
global=$(options_in_help <<<"$top_help")

# Completion driven as bash does: the words of the line, the last one being completed.
source "$completion"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _nalo_cli
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort
}
same_set() {  # name expected actual, each sorted one a line
  [ "$2" = "$3" ] && return
  fail "$1: missing [$(comm -23 <(echo "$2") <(echo "$3") | xargs)]," \
    "unexpected [$(comm -13 <(echo "$2") <(echo "$3") | xargs)]"
}

all_options=$global
same_set "subcommands" "$(sort <<<"$subcommands")" "$(complete_words nalo-cli '')"
same_set "options before a subcommand" "$(long_only <<<"$global")" "$(complete_words nalo-cli --)"
for sub in $subcommands; do
  help=$("$cli" "$sub" --help)
  own=$(options_in_help <<<"$help")
  all_options+=$'\n'$own
  # Global options are taken after the subcommand too; --version only before it.
  accepted=$(printf '%s\n%s\n' "$own" "$(grep -vx -- --version <<<"$global")" | sort -u)
  for option in $accepted; do
    grep -qF -- "*$option*" "$page" || fail "$sub: $option is not a term of the manual page"
  done
  same_set "$sub options" "$(long_only <<<"$accepted")" "$(complete_words nalo-cli "$sub" --)"
  # "  --mask TEXT" takes a value, "  --desc      Descending ..." does not; the
  # completion must skip the value to find the subcommand and DIR.
  while read -r option type; do
    if [ -n "$type" ]; then
      _nalo_cli_takes_value "$option" || fail "$sub: the completion takes $option for a flag"
    else
      ! _nalo_cli_takes_value "$option" || fail "$sub: the completion expects a value after $option"
    fi
  done < <(sed -n 's/^  \(-[a-zA-Z0-9],\)\?\(--[a-z0-9-]\+\)\( [A-Z]\+\)\?\( \|:\|$\).*/\2\3/p' <<<"$help" | grep -vx -- --help)
  # "  --unit TEXT:{byte,KB,MB}" and "  KIND TEXT:{avi,...}": the values of a fixed set.
  while read -r name values; do
    values=$(tr ',' '\n' <<<"$values" | sort)
    if [[ $name == --* ]]; then
      same_set "$sub $name values" "$values" "$(complete_words nalo-cli "$sub" "$name" '')"
      same_set "$sub $name= values" "$values" "$(complete_words nalo-cli "$sub" "$name" = '')"
    else
      same_set "$sub $name values" "$values" "$(complete_words nalo-cli "$sub" '')"
    fi
  done < <(sed -n 's/^  \([A-Z]\+\|--[a-z0-9-]\+\) [A-Z]\+:{\([^}]*\)}.*/\1 \2/p' <<<"$help")
done
for option in $global; do
  grep -qF -- "*$option*" "$page" || fail "global: $option is not a term of the manual page"
done
all_options=$(sort -u <<<"$all_options")
for term in $(grep -oE '\*--?[a-zA-Z][a-z0-9-]*\*' "$page" | tr -d '*' | sort -u); do
  grep -qx -- "$term" <<<"$all_options" || fail "the manual page describes $term, which nalo-cli does not take"
done

# Folders and files: DIR and --settings-dir complete folders only, info's files and
# --names-from any file; values of options are skipped when finding the subcommand.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir "$tree/sub folder" && touch "$tree/file.txt"
folder_only="$tree/sub folder"
both=$(printf '%s\n%s\n' "$tree/file.txt" "$tree/sub folder" | sort)
same_set "list DIR" "$folder_only" "$(complete_words nalo-cli list "$tree/")"
same_set "apply DIR after an option value" "$folder_only" "$(complete_words nalo-cli apply --mask '*.txt' "$tree/")"
same_set "--settings-dir" "$folder_only" "$(complete_words nalo-cli --settings-dir "$tree/")"
same_set "subcommand after --settings-dir" "$folder_only" \
  "$(complete_words nalo-cli --settings-dir "$tree" preview "$tree/")"
same_set "info files" "$both" "$(complete_words nalo-cli info image "$tree/")"
same_set "--names-from" "$both" "$(complete_words nalo-cli preview --names-from "$tree/")"
same_set "second DIR" "" "$(complete_words nalo-cli list "$tree" "$tree/")"
same_set "--brackets NEW" "$(printf 'delete\ndelete-with-content')" \
  "$(complete_words nalo-cli preview --brackets '()' '')"
same_set "after --replace OLD NEW" "$(long_only <<<"$(complete_words nalo-cli preview --)")" \
  "$(complete_words nalo-cli preview --replace a b --)"
same_set "--at before:" "before:" "$(complete_words nalo-cli preview --add x --at be)"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "manual page and completion cover every option of nalo-cli: OK"
