#!/usr/bin/env bash
# Plays the real game the way a player does, under a virtual X server, and leaves screenshots in
# BUILD/shots/x_*.png: title, profile, town, 真道's greeting, his duel (won or lost by brute-force
# clicks), the result line, "終わる" (saves), a second start with "続きから".
#   xvfb-run -a -s "-screen 0 800x600x24" tests/adventure/xvfb_click_through.sh BUILD
# The save goes to a temporary XDG_DATA_HOME, never to the player's own.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
source "$(dirname "$0")/../support/xvfb_game.sh"
fresh_homes
mkdir -p "$BUILD/shots"
shot() { import -window root "$BUILD/shots/x_$1.png"; }
SQUARES="3,1 2,2 3,2 4,2 1,3 2,3 3,3 4,3 5,3 2,4 3,4 4,4 3,5"

start_game
shot title
click 172 368; click 260 330; xdotool type --delay 50 "Taro"; sleep 0.3
shot profile
click 292 368 2                                   # 始める
shot town
click 180 270 3                                   # 真道くんの家
shot shindo
for _ in 1 2 3 4 5 6 7 8; do click 300 150 1.5; done  # his greeting, then the map
click 180 270 3                                   # again: "勝負するかい？"
click 70 190 3                                    # 勝負！
duel_window
dbl 120 48; dbl 120 48; dbl 200 48; dbl 200 48; dbl 280 48
click 40 344 2                                    # 勝負！
for _ in 1 2 3 4 5 6 7; do
  place_cards "0 1 2 3 4" "$SQUARES" 0
  sleep 3
done
for _ in $(seq 12); do
  [ "$(pixel $((X + 500)) $((Y + 100)))" = "#000000" ] && break
  xdotool key Return; sleep 0.7                   # the result's message boxes
done
shot duel_after
click 504 360 3                                   # 終わり
eval "$(xdotool getwindowgeometry --shell "$WIN")"
shot result_line
for _ in 1 2 3 4 5 6; do click 300 150 1.5; done   # through his answer back to the map
click 60 230 2                                    # the player's own house
click 130 200 2                                   # 終わる: saves and ends
kill -0 $GAME 2>/dev/null && echo "still running after 終わる" || echo "ended after 終わる"
ls "$XDG_DATA_HOME/korvane"
start_game
shot continue_title
click 292 368 2                                   # 続きから
shot continued
ls "$XDG_DATA_HOME/korvane"
kill $GAME
# With KORVANE_STALL_MS=N set, the pauses of both runs that the stall probe saw, longest first.
if [ -n "${KORVANE_STALL_MS:-}" ]; then
  sleep 1
  grep -E 'GUI停止 |最初のウィンドウ' "$XDG_DATA_HOME/game.log" | sort -t' ' -k3 -n -r
fi
