#!/usr/bin/env bash
# The review board on the real game under a virtual X server, at the blunder of a recorded duel
# with its best alternative marked: Japanese at 1x, the English edition at 1x, Japanese at 2x.
# The record (one duel against 風見 誠 with a mistake and a blunder of the player's) is written
# into a temporary data folder; the game is reached as a player reaches it: a new game, the
# album (A), its list of recorded duels (D), Enter, then End and ← ← to the eighth placement.
#   xvfb-run -a -s "-screen 0 2000x1300x24" tests/review/xvfb_review_shots.sh BUILD [OUT]
# Leaves OUT/review_ja_1x.png, review_en_1x.png, review_ja_2x.png (OUT: BUILD/shots).
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
OUT=${2:-$BUILD/shots}
mkdir -p "$OUT"
RECORD='{"count":{"enemy":3,"player":2},"enemy":[13,14,16,10,0],"first":"enemy","forfeit":false,"master":false,"moves":["e2@3,5","p2@3,3","e3@3,1","p1@3,2","e0@1,3","p3@2,4","e1@4,4","p4@2,3","e4@2,2","p0@4,3"],"opponent":3,"player":[11,31,39,19,15],"practice":false,"result":"loss","v":1,"when":"2026-12-09T10:15:00Z"}'

shoot() {  # LANG ZOOM NAME
  local lang=$1 z=$2 name=$3
  export HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
  export SDL_AUDIODRIVER=dummy
  mkdir -p "$XDG_DATA_HOME/korvane" "$XDG_CONFIG_HOME/korvane"
  printf '%s\n' "$RECORD" >"$XDG_DATA_HOME/korvane/duels.jsonl"
  printf '[view]\nzoom=%s\n' "$z" >"$XDG_CONFIG_HOME/korvane/preferences.ini"
  "$BUILD/bin/korvane" --lang "$lang" >>"$XDG_DATA_HOME/game.log" 2>&1 &
  local game=$!
  sleep 4
  local win
  win=$(xdotool search --onlyvisible --name "^(ＫＯＲＶＡＮＥ|KORVANE)$" | head -1)
  [ -n "$win" ] || { echo "no title window"; kill $game; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  click() { xdotool mousemove $((X + $1 * z)) $((Y + $2 * z)) click 1; sleep "${3:-0.5}"; }
  click 172 368; click 260 330; xdotool type --delay 50 "Taro"; sleep 0.3
  click 292 368 2                                 # start the new game: the town
  xdotool key a; sleep 2                          # the album
  xdotool key d; sleep 1.5                        # the recorded duels
  xdotool key Return; sleep 8                     # the review board, reviewed meanwhile
  xdotool key End Left Left; sleep 1.5            # the eighth placement: the blunder
  local rw
  rw=$(xdotool search --onlyvisible --name "^(振り返り|Review)$" | head -1)
  [ -n "$rw" ] && import -window "$rw" "$OUT/$name.png" || echo "no review window"
  kill $game 2>/dev/null
  sleep 1
  kill -9 $game 2>/dev/null
  wait $game 2>/dev/null
}

shoot ja 1 review_ja_1x
shoot en 1 review_en_1x
shoot ja 2 review_ja_2x
ls -l "$OUT"/review_*.png
