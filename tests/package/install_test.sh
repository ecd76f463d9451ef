#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under the prefix /usr, as the Debian
# package does, and checks what a system gets: exactly the expected files, a valid
# desktop entry and AppStream file, icons of the sizes their folders name, readable
# manual pages, installed programs that run and keep their settings in the XDG
# folder, a completion bash loads; then removes it all by the saved file list.
set -euo pipefail
build=$1 source=$2 gui=$3
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage usr=$work/stage/usr
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
cp "$build/install_manifest.txt" "$work/manifest"

app=org.nalo.Nalo
icon_sizes=(16 22 24 32 48 64 128 256)
expected=(bin/nalo-cli share/man/man1/nalo-cli.1.gz share/bash-completion/completions/nalo-cli
  share/doc/nalo/copyright share/doc/nalo/changelog.gz share/doc/nalo/README.md)
if [ "$gui" = ON ]; then
  expected+=(bin/nalo share/man/man1/nalo.1.gz share/applications/$app.desktop
    share/metainfo/$app.metainfo.xml share/icons/hicolor/scalable/apps/$app.svg)
  for s in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/$app.png"); done
fi

# Layout: exactly the expected files, all under the prefix.
diff <(printf '%s\n' "${expected[@]}" | sed 's|^|./usr/|' | sort) \
  <(cd "$stage" && find . -type f -o -type l | sort) || fail "installed files differ (- expected, + installed)"

# The installed command-line program runs and, installed in a bin folder, keeps its
# settings in the XDG folder of the user, not beside itself.
home=$work/home folder=$work/folder
mkdir -p "$home" "$folder" && touch "$folder/a.txt"
version=$("$usr/bin/nalo-cli" --version) || fail "nalo-cli --version failed"
[[ $version =~ ^nalo-cli\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "nalo-cli --version printed '$version'"
listed=$(env -u NALO_SETTINGS_DIR -u XDG_CONFIG_HOME HOME="$home" "$usr/bin/nalo-cli" list "$folder" | cut -f1)
[ "$listed" = a.txt ] || fail "installed nalo-cli listed '$listed'"
[ -d "$home/.config/Nalo" ] || fail "installed nalo-cli did not choose \$HOME/.config/Nalo"
[ -z "$(ls "$usr/bin" | grep -v '^nalo')" ] || fail "settings were written beside the installed program"

pages=(nalo-cli)
if [ "$gui" = ON ]; then
  pages+=(nalo)
  gui_version=$("$usr/bin/nalo" --version) || fail "nalo --version failed"
  [ "$gui_version" = "nalo ${version#nalo-cli }" ] || fail "nalo --version printed '$gui_version'"
  gui_options=$("$usr/bin/nalo" --help | grep -oE '^  --[a-z-]+' | sed 's/^  //') || fail "nalo --help failed"
  [ -n "$gui_options" ] || fail "nalo --help lists no option"
  for option in $gui_options; do
    grep -qF -- "*$option*" "$source/src/app/nalo.1.scd" || fail "$option of nalo is not a term of nalo(1)"
  done
  for term in $(grep -oE '\*--[a-z][a-z0-9-]*\*' "$source/src/app/nalo.1.scd" | tr -d '*' | sort -u); do
    grep -qx -- "$term" <<<"$gui_options" || fail "nalo(1) describes $term, which nalo --help does not list"
  done

  desktop-file-validate "$usr/share/applications/$app.desktop" || fail "desktop entry is not valid"
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$usr/share/applications/$app.desktop")
  [ -x "$usr/bin/$exec_program" ] || fail "desktop entry runs '$exec_program', which is not installed"
  grep -qx "Icon=$app" "$usr/share/applications/$app.desktop" || fail "desktop entry names another icon"

  metainfo=$usr/share/metainfo/$app.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "AppStream file is not valid"; }
  grep -q "<release version=\"${version#nalo-cli }\"" "$metainfo" ||
    fail "AppStream file has no release entry for version ${version#nalo-cli }"
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "AppStream file does not launch the installed desktop entry"
  shots=$(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
  [ -n "$shots" ] || fail "AppStream file shows no screenshot"
  for shot in $shots; do
    [ -f "$source/docs/screenshots/$shot" ] || fail "AppStream screenshot $shot is not in docs/screenshots"
  done

  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  for s in "${icon_sizes[@]}"; do
    png=$usr/share/icons/hicolor/${s}x${s}/apps/$app.png
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$s $s" ] || fail "icon of ${s}x${s} is ${w}x${h}"
  done
fi

# Manual pages: readable by man without a warning, each naming its program.
for page in "${pages[@]}"; do
  file=$usr/share/man/man1/$page.1.gz
  text=$(MANWIDTH=80 man --warnings -l -P cat "$file" 2>"$work/man.err") || fail "man -l $page failed"
  [ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "man warns about $page(1)"; }
  grep -q "^ *$page - " <<<"$text" || fail "$page(1) has no NAME line for $page"
done

bash -c "source '$usr/share/bash-completion/completions/nalo-cli' && complete -p nalo-cli" >/dev/null ||
  fail "the bash completion does not register nalo-cli"
grep -q '^License: MIT$' "$usr/share/doc/nalo/copyright" || fail "copyright file names no MIT licence"

# Uninstalling by the saved list leaves no file behind.
DESTDIR=$stage bash "$source/scripts/uninstall.sh" "$work/manifest" >/dev/null
left=$(cd "$stage" && find . -type f -o -type l)
[ -z "$left" ] || fail "uninstall left: $left"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "install layout, validation, programs, manual pages and uninstall: OK"
