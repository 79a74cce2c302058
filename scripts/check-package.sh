#!/usr/bin/env bash
# The game as a desktop application, checked from a finished build (default build/): the Debian
# package is made and unpacked into a temporary root; the menu entry and the AppStream metadata
# in it pass their validators, the manual pages format cleanly, and the game from that root
# answers --version without a display and comes up to its title window headless, reading the
# data of the unpacked tree.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
started=$SECONDS

echo "== cpack -G DEB"
rm -f "$BUILD"/korvane_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null 2>&1) || (cd "$BUILD" && cpack -G DEB)
deb=$(echo "$BUILD"/korvane_*.deb)
dpkg-deb -f "$deb" Package Version Depends
# The libraries the game opens at run time rather than links are named by hand; without them the
# installed game would be silent and deaf to controllers.
for lib in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfluidsynth3; do
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qE "^ *$lib( |$)" ||
    { echo "check-package: Depends lacks $lib"; exit 1; }
done
echo "$(dpkg-deb -c "$deb" | grep -vc '/$') files in $(basename "$deb")"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
# What the package ships, as it ships it.
desktop=$(echo "$tmp"/root/usr/share/applications/*.desktop)
metainfo=$(echo "$tmp"/root/usr/share/metainfo/*.metainfo.xml)

echo "== desktop-file-validate $desktop"
# It exits 0 on warnings and hints; ours must have none, so any message fails the check.
messages=$(desktop-file-validate "$desktop" 2>&1) || { echo "$messages"; exit 1; }
[ -z "$messages" ] || { echo "$messages"; exit 1; }
echo "desktop-file-validate: no errors, warnings or hints"
# Installed under /usr the entry starts the program through the PATH, never by a build path.
grep -qx 'Exec=korvane' "$desktop" || { echo "check-package: Exec is not 'korvane'"; exit 1; }

echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo"
echo "== appstreamcli validate-tree --no-net (metadata, menu entry and icons together)"
appstreamcli validate-tree --no-net "$tmp/root"

echo "== manual pages"
for page in "$tmp"/root/usr/share/man/man6/*.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
  echo "$(basename "$page"): formats without warnings"
done

mkdir -p "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
game="$tmp/root/usr/bin/korvane"

echo "== korvane --version, no display"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --version)
echo "$version"
[ "$version" = "korvane $(dpkg-deb -f "$deb" Version)" ]

echo "== korvane --quit-after-title, offscreen"
title=$(env HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/data" XDG_CONFIG_HOME="$tmp/home/config" \
  XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  timeout 60 "$game" --quit-after-title)
echo "$title"
case "$title" in
  *"title window shown"*"data from $tmp/root/usr/share/korvane/data") ;;
  *) echo "check-package: the game did not come up from the unpacked tree"; exit 1 ;;
esac
if [ -n "$(find "$tmp/home" -type f)" ]; then
  echo "check-package: the check start wrote into the player's folders"; exit 1
fi

echo "== korvane-tool carddata dump"
cards=$("$tmp/root/usr/bin/korvane-tool" carddata dump | wc -l)
echo "$cards cards in the installed card file"
[ "$cards" -eq 40 ]

echo "check-package: all passed in $((SECONDS - started)) s"
