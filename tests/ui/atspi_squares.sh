#!/usr/bin/env bash
# The game as a screen reader meets it: under a virtual X server and a session bus of its own
# (xvfb-run -a dbus-run-session -- atspi_squares.sh BUILD), with Qt's AT-SPI bridge always on, the
# duel's squares are found by name through AT-SPI (atspi_squares.py). Its own HOME and data
# folders, never the player's.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
export HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
# The real X server of xvfb-run, whatever platform the test run chose for the others.
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$BUILD/bin/korvane" >"$HOME/game.log" 2>&1 &
GAME=$!
/usr/bin/python3 "$HERE/atspi_squares.py"
rc=$?
kill "$GAME" 2>/dev/null
wait "$GAME" 2>/dev/null
[ $rc -eq 0 ] || cat "$HOME/game.log"
exit $rc
