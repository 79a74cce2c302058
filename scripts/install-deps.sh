#!/usr/bin/env bash
# Installs every Debian 12 package the game, its tools and its tests need. Safe to run again.
set -euo pipefail

PACKAGES=(
  cmake g++ pkg-config ninja-build ccache
  qt6-base-dev qt6-base-dev-tools
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont fluidsynth libfluidsynth-dev
  qt6-translations-l10n
  fonts-ipafont-gothic fonts-klee
  qt6-l10n-tools
  googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-apps sox openbox
  dbus dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file groff-base
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
