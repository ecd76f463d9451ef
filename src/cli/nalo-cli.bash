# Bash completion of nalo-cli: the subcommands, the options each subcommand takes,
# the values of the options that take one of a fixed set, folders for DIR and
# --settings-dir, and files for info and --names-from. It needs nothing but bash;
# the package tests compare its option lists with nalo-cli's own --help.

_nalo_cli_words() {
  mapfile -t COMPREPLY < <(compgen -W "$1" -- "$cur")
}

_nalo_cli_folders() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -d -- "$cur")
}

_nalo_cli_files() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

# The options of each subcommand, the global ones included.
_nalo_cli_options() {
  local global="--settings-dir --encoding --help"
  local selection="--folders --recursive --mask --contains --contains-case --exclude
    --exclude-case --min-size --max-size --unit --since --until --sort --desc --no-trim"
  local rule="--brackets --replace --replace-with-spaces --add --add-info --number
    --extension --name-case --ext-case --convert --move-bracket --move --perl --awk
    --from-settings --fix-encoding --count --full-width --case-sensitive --first-only --at --to --digits
    --start --template --all --not --not-case"
  case $1 in
    list) echo "$global $selection --format --null" ;;
    preview) echo "$global $selection $rule --names-from --format --null" ;;
    apply) echo "$global $selection $rule --yes" ;;
    undo) echo "$global --yes --discard" ;;
    history) echo "$global --format --null" ;;
    info) echo "$global" ;;
    *) echo "$global --version" ;;
  esac
}

# Completes the value of option $1; fails when $1 takes no value.
_nalo_cli_value() {
  case $1 in
    --settings-dir) _nalo_cli_folders ;;
    --names-from) _nalo_cli_files ;;
    --encoding) _nalo_cli_words "utf8 cp932" ;;
    --unit) _nalo_cli_words "byte KB MB" ;;
    --sort) _nalo_cli_words "name size date location" ;;
    --format) _nalo_cli_words "tsv json" ;;
    --add-info) _nalo_cli_words "avi date image mp3 folder" ;;
    --name-case | --ext-case) _nalo_cli_words "upper lower capitalize" ;;
    --convert) _nalo_cli_words "half-to-full full-to-half hira-to-kata kata-to-hira trim" ;;
    --from-settings) _nalo_cli_words "replace add convert move regex" ;;
    --at | --to)
      _nalo_cli_words "start end after-ext before: after:"
      # before: and after: are followed by the text, not by a space.
      if [[ ${COMPREPLY[0]-} == *: ]]; then compopt -o nospace 2>/dev/null || true; fi
      ;;
    --brackets | --replace | --mask | --contains | --exclude | --min-size | --max-size | \
      --since | --until | --replace-with-spaces | --add | --number | --extension | \
      --move-bracket | --move | --perl | --awk | --count | --digits | --start | --template | \
      --not)
      COMPREPLY=()
      ;;
    *) return 1 ;;
  esac
}

_nalo_cli_takes_value() {
  (_nalo_cli_value "$1") >/dev/null 2>&1
}

_nalo_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local before_prev=
  ((COMP_CWORD >= 2)) && before_prev=${COMP_WORDS[COMP_CWORD - 2]}
  COMPREPLY=()
  # "--unit=K" arrives as "--unit" "=" "K" since "=" breaks words.
  if [[ $cur == = ]]; then
    cur=
  elif [[ $prev == = ]]; then
    prev=$before_prev
    before_prev=
  fi

  local sub= i positionals=0 word
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ ${COMP_WORDS[i + 1]-} == = ]]; then
      ((i += 2))
    elif [[ $word == -* ]]; then
      if _nalo_cli_takes_value "$word"; then
        ((i++))
        [[ $word == --brackets || $word == --replace ]] && ((i++))
      fi
    elif [[ -z $sub ]]; then
      sub=$word
    else
      ((positionals++))
    fi
  done

  # The second value of the two-value options.
  case $before_prev in
    --brackets) _nalo_cli_words "delete delete-with-content" && return ;;
    --replace) return ;;
  esac
  _nalo_cli_value "$prev" && return

  if [[ $cur == -* ]]; then
    _nalo_cli_words "$(_nalo_cli_options "$sub")"
    return
  fi
  case $sub in
    '') _nalo_cli_words "list preview apply undo history info" ;;
    list | preview | apply) ((positionals == 0)) && _nalo_cli_folders ;;
    info) if ((positionals == 0)); then _nalo_cli_words "avi date image mp3 folder"; else _nalo_cli_files; fi ;;
  esac
}

complete -F _nalo_cli nalo-cli
