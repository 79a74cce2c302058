#!/usr/bin/env bash
# The stall probe over a click-through of the real game under a virtual X server: a new game,
# 真道's duel played by brute-force clicks while the duel's analyst solves it in the background,
# the result's messages, then the review board of that duel (V in deck selection), stepped
# through by keys while it is worked out, and closed. Prints every pause of the window's thread
# longer than KORVANE_STALL_MS (default 20), longest first, and leaves screenshots in OUT.
#   xvfb-run -a -s "-screen 0 1280x800x24" tests/review/xvfb_duel_review_stalls.sh BUILD [OUT]
# KORVANE_STALL_CLOCK=cpu counts the pauses in the thread's CPU time instead of the wall clock.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
OUT=${2:-$BUILD/shots}
mkdir -p "$OUT"
source "$(dirname "$0")/../support/xvfb_game.sh"
fresh_homes
export KORVANE_STALL_MS=${KORVANE_STALL_MS:-20}
LOG=$XDG_DATA_HOME/game.log
SQUARES="3,1 2,2 3,2 4,2 1,3 2,3 3,3 4,3 5,3 2,4 3,4 4,4 3,5"
start_game

click 172 368; click 260 330; xdotool type --delay 50 "Taro"; sleep 0.3
click 292 368 2                                   # 始める
click 180 270 3                                   # 真道くんの家
for _ in 1 2 3 4 5 6 7 8; do click 300 150 1.5; done
click 180 270 3                                   # "勝負するかい？"
click 70 190 3                                    # 勝負！
duel_window
dbl 120 48; dbl 120 48; dbl 200 48; dbl 200 48; dbl 280 48
click 40 344 2                                    # 勝負！: the analyst starts on the deal
for _ in 1 2 3 4 5 6 7; do
  place_cards "0 1 2 3 4" "$SQUARES" 0
  xdotool key h; sleep 2                          # the hint, from the analyst once it is ready
done
for _ in $(seq 12); do
  [ "$(pixel $((X + 500)) $((Y + 100)))" = "#000000" ] && break
  xdotool key Return; sleep 0.7                   # the result's message boxes
done
import -window root "$OUT/stalls_deck_after.png"
xdotool windowfocus "$DW"; sleep 0.3             # no window manager: focus by hand
xdotool key v; sleep 1                            # the review board of the duel just played
RW=$(xdotool search --onlyvisible --name "^振り返り$" | head -1)
[ -n "$RW" ] && xdotool windowfocus "$RW" || echo "no review window"
for _ in $(seq 10); do xdotool key Left; sleep 0.3; done
sleep 6
xdotool key End; sleep 0.5
for _ in $(seq 10); do xdotool key Left; sleep 0.2; done
[ -n "$RW" ] && import -window "$RW" "$OUT/stalls_review.png"
xdotool key Escape; sleep 1
kill $GAME
sleep 1
grep -E 'GUI停止の監視|最初のウィンドウ' "$LOG"
echo "pauses over $KORVANE_STALL_MS ms, longest first:"
grep -E 'GUI停止 ' "$LOG" | sort -t' ' -k3 -n -r | head -20
