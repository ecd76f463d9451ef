#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary folder and checks
# its control data (the library dependencies dpkg-shlibdeps found), its files and
# its changelog's version, then runs nalo-cli unpacked from it.
set -euo pipefail
build=$1 gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/nalo_*.deb)

[ "$(dpkg-deb -f "$deb" Package)" = nalo ] || fail "package is not named nalo"
depends=$(dpkg-deb -f "$deb" Depends)
required=(libc6 libstdc++6 libpcre2-8-0)
[ "$gui" = ON ] && required+=(libqt6core6 libqt6gui6 libqt6widgets6)
# "libc6 (>= 2.34), libgcc-s1 (>= 3.0), ..." as one package name a line.
dependency_names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for lib in "${required[@]}"; do
  grep -qxF -- "$lib" <<<"$dependency_names" || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
files=(./usr/bin/nalo-cli ./usr/share/man/man1/nalo-cli.1.gz ./usr/share/doc/nalo/copyright
  ./usr/share/doc/nalo/changelog.gz
  ./usr/share/bash-completion/completions/nalo-cli)
[ "$gui" = ON ] && files+=(./usr/bin/nalo ./usr/share/applications/org.nalo.Nalo.desktop
  ./usr/share/metainfo/org.nalo.Nalo.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/org.nalo.Nalo.svg)
for f in "${files[@]}"; do
  grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "package holds files outside /usr: $outside"

dpkg-deb -x "$deb" "$work/root"
version=$(dpkg-deb -f "$deb" Version)
newest=$(zcat "$work/root/usr/share/doc/nalo/changelog.gz" | sed -n '1s/^nalo (\([^)]*\)).*/\1/p')
[ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, the package is $version"
"$work/root/usr/bin/nalo-cli" --version >/dev/null || fail "unpacked nalo-cli does not run"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "Debian package: OK"
