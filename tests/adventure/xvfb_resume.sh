#!/usr/bin/env bash
# The real game under a virtual X server: a continued game's save stays in its place, byte for
# byte, when the player quits without saving (Esc, Yes), after SIGKILL, SIGTERM and SIGINT (the
# last two close the game within a second), and the next start offers it with "続きから" without a
# question; a card file that is a folder ends the game with a message and status 1.
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/adventure/xvfb_resume.sh BUILD
# Everything goes to a temporary home, never to the player's own.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
T=$(mktemp -d)
trap 'kill -KILL ${GAME:-0} 2>/dev/null; rm -rf "$T"' EXIT
export HOME=$T XDG_DATA_HOME=$T/data XDG_CONFIG_HOME=$T/config SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb
SAVES=$XDG_DATA_HOME/korvane
# The windows at 1x, where the clicks below are measured.
mkdir -p "$XDG_CONFIG_HOME/korvane"
printf '[view]\nzoom=1\nfullScreen=false\n' >"$XDG_CONFIG_HOME/korvane/preferences.ini"
failures=0
check() {  # check "what" test-expression...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
window() { timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -1; }
run() { "${EXE:-$BUILD/bin/korvane}" >>"$T/game.log" 2>&1 & GAME=$!; }
start() {
  run
  WIN=$(window "ＫＯＲＶＡＮＥ")
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
}
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.4}"; }
pixel() { import -window root -crop 1x1+$((X + $1))+$((Y + $2)) -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]*'; }
# Waits up to $1 tenths of a second for a condition (the rest of the arguments).
wait_until() {
  local tenths=$1; shift
  while ! "$@" && [ "$tenths" -gt 0 ]; do sleep 0.1; tenths=$((tenths - 1)); done
  "$@"
}
in_town() { [ "$(pixel 50 50)" != "#ECE6D2" ]; }
# Waits up to $2 tenths of a second for the game to end; sets STATUS and TOOK (tenths).
ended_within() {
  TOOK=0
  while kill -0 "$GAME" 2>/dev/null && [ "$TOOK" -lt "$1" ]; do sleep 0.1; TOOK=$((TOOK + 1)); done
  if kill -0 "$GAME" 2>/dev/null; then STATUS=running; return 1; fi
  wait "$GAME"; STATUS=$?; return 0
}

# A saved game: new game, then "終わる" in the player's own house.
start
click 172 368; click 260 330; xdotool type --delay 20 "Taro"; click 292 368 0.2
wait_until 50 in_town
click 60 230 2; click 130 200
ended_within 100
check "終わる saves and ends" test -f "$SAVES/KVData.kvd" -a "$STATUS" = 0

md5() { md5sum "$SAVES/KVData.kvd" 2>/dev/null | cut -d' ' -f1; }
SAVED=$(md5)
# The title shows no question and offers the last save: "続きから" goes into the town.
continues() {
  start
  check "$1: no question at the start" test -z "$(timeout 2 xdotool search --onlyvisible --name 'ゲームの再開' 2>/dev/null)"
  click 292 368 0.2
  check "$1: 続きから offers the last save" wait_until 50 in_town
  check "$1: the save stays in its place during play, byte for byte" test "$(md5)" = "$SAVED"
}

# Continue, then Esc and Yes to "セーブしないで終わりますか？": the program ends, the save stays.
continues "after 終わる"
xdotool key Escape
BOX=$(window "ゲーム終了")
check "Esc asks whether to quit without saving" test -n "$BOX"
sleep 0.3; xdotool key Return
ended_within 50
check "Yes ends the game (status $STATUS)" test "$STATUS" = 0
check "the save is still there, byte for byte" test "$(md5)" = "$SAVED" -a ! -f "$SAVES/KVData.kvd.resume"

# The next start offers it and does not take the quit for a crash; then SIGKILL.
continues "after quitting without saving"
kill -KILL "$GAME"; wait "$GAME" 2>/dev/null
check "SIGKILL leaves the save, byte for byte" test "$(md5)" = "$SAVED"

# SIGTERM: closed within a second through the game's own closing; the save survives.
continues "after SIGKILL"
kill -TERM "$GAME"
ended_within 10
check "SIGTERM ends the game within a second (status $STATUS, ${TOOK}/10 s)" test "$STATUS" = 0
check "the save survives SIGTERM, byte for byte" test "$(md5)" = "$SAVED"
check "the settings are written" test -f "$SAVES/Condition.kvd"

# SIGINT ends it the same way.
continues "after SIGTERM"
kill -INT "$GAME"
ended_within 10
check "SIGINT ends the game within a second (status $STATUS)" test "$STATUS" = 0
check "the save survives SIGINT, byte for byte" test "$(md5)" = "$SAVED"

# A folder where the card file should be: a message, then status 1, never a signal.
mkdir -p "$T/game/bin/data"
cp "$BUILD/bin/korvane" "$T/game/bin/"
for f in "$BUILD"/bin/data/*; do
  [ "$(basename "$f")" = carddata ] || ln -s "$f" "$T/game/bin/data/"
done
mkdir "$T/game/bin/data/carddata"
EXE=$T/game/bin/korvane run
BOX=$(window "KORVANE")
sleep 0.3; xdotool key Return
ended_within 50
check "a card file that is a folder ends with status 1 (status $STATUS)" test "$STATUS" = 1
check "and says so" grep -q "カードデータを読み込めませんでした。「.*carddata」はファイルではなくフォルダです。" "$T/game.log"

[ "$failures" -eq 0 ] || { echo "--- game log"; cat "$T/game.log"; } >&2
exit "$failures"
