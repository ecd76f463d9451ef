#!/usr/bin/env bash
# Installs the Debian packages Nalo needs to build, test, benchmark, fuzz and package.
# Idempotent: packages already present are skipped, and apt is not touched at all
# when nothing is missing. Only Debian packages are installed; nothing is downloaded
# from anywhere else.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libpcre2-dev libre2-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  clang libclang-rt-14-dev clang-format
  fonts-ipafont-gothic fontconfig
  perl
  desktop-file-utils appstream scdoc librsvg2-bin dpkg-dev bash-completion man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
