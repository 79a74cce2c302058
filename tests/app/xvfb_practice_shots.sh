#!/usr/bin/env bash
# Practice duels (練習試合) on the real game under a virtual X server: the set-up in English and
# in Japanese, then a 達人 duel in play (English edition). A save with a collection of the
# player's own and a record with one duel against 風見 誠 (so that he can be chosen) are written
# into temporary folders first.
#   xvfb-run -a -s "-screen 0 1280x800x24" tests/app/xvfb_practice_shots.sh BUILD [OUT]
# Leaves OUT/practice_setup_en.png, practice_setup_ja.png, practice_master_en.png and
# practice_master_end_en.png (OUT: BUILD/shots).
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
OUT=${2:-$BUILD/shots}
mkdir -p "$OUT"
RECORD='{"count":{"enemy":3,"player":2},"enemy":[13,14,16,10,0],"first":"enemy","forfeit":false,"master":false,"moves":["e2@3,5","p2@3,3","e3@3,1","p1@3,2","e0@1,3","p3@2,4","e1@4,4","p4@2,3","e4@2,2","p0@4,3"],"opponent":3,"player":[11,31,39,19,15],"practice":false,"result":"loss","v":1,"when":"2026-12-09T10:15:00Z"}'

# A save of "Taro君" who owns a few cards, in the save's layout (295 records of 128 bytes).
write_save() {
  python3 - "$1" <<'PY'
import struct, sys
records = {1: struct.pack('<H', 7) + 'Taro君'.encode('shift_jis'), 2: struct.pack('<h', 0)}
own = {8: 2, 9: 2, 13: 2, 10: 1, 11: 1, 16: 1, 20: 1}
for k in range(40):
    for p in range(7):
        records[3 + 40 * p + k] = struct.pack('<h', own.get(k, 0) if p == 0 else 2)
for n in range(283, 296):
    records[n] = struct.pack('<h', -1 if n == 289 else 0)
with open(sys.argv[1], 'wb') as f:
    for n in range(1, 296):
        f.write(records[n].ljust(128, b'\0'))
PY
}

source "$(dirname "$0")/../support/xvfb_game.sh"
start() {  # LANG
  fresh_homes
  printf '%s\n' "$RECORD" >"$XDG_DATA_HOME/korvane/duels.jsonl"
  write_save "$XDG_DATA_HOME/korvane/KVData.kvd"
  start_game --lang "$1"
}
setup_shot() {  # NAME
  local sw
  sw=$(xdotool search --onlyvisible --name "^(練習試合|Practice)$" | head -1)
  [ -n "$sw" ] && import -window "$sw" "$OUT/$1.png" || echo "no practice set-up"
}

start ja
click 469 18 1.5                                  # 練習試合
setup_shot practice_setup_ja
stop_game

start en
click 469 18 1.5                                  # Practice
xdotool key Right; sleep 0.5                      # In earnest -> Master
setup_shot practice_setup_en
xdotool key Return; sleep 2                       # the duel window, deck selection
duel_window
dbl 120 193; dbl 200 193; dbl 200 193; dbl 280 193; dbl 360 193
click 40 346 3                                    # Duel!
# The player's cards one by one on the first free square of a fixed order; the master answers.
play() { place_cards "$1" "3,4 2,4 4,4 3,5 2,3 4,3 3,3 1,3 5,3 2,2 4,2 3,2 3,1" 3; }
# The screen where the duel window is, with the message boxes that stand over it.
duel_shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$OUT/$1.png"; }
play "0 1"
duel_shot practice_master_en
play "2 3 4"
sleep 2
duel_shot practice_master_end_en
stop_game
ls -l "$OUT"/practice_*.png
