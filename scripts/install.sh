#!/usr/bin/env bash
# Builds what is installed (the game, korvane-tool, the data, the icons and the manual pages)
# and then either installs it for this user (default prefix ~/.local, or the prefix given) or,
# with --deb, makes the Debian package build/korvane_<version>_<arch>.deb.
#   bash scripts/install.sh [PREFIX]
#   bash scripts/install.sh --deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target korvane korvane-tool icons manpages

if [ "${1:-}" = "--deb" ]; then
  rm -f build/korvane_*.deb
  (cd build && cpack -G DEB)
  echo "install it with: sudo apt install ./$(ls build/korvane_*.deb)"
  exit 0
fi

prefix="${1:-$HOME/.local}"
cmake --install build --prefix "$prefix" --strip
echo "installed into $prefix; the game is in the applications menu under Games"
echo "remove it again with: xargs -d '\\n' rm -f < build/install_manifest.txt"
