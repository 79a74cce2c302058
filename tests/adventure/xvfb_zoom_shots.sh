#!/usr/bin/env bash
# Plays the real game at a zoom under a virtual X server and leaves screenshots in
# BUILD/shots/zoom_<NAME>_*.png: title, profile, town, 真道's greeting, his question, deck
# selection, the duel, the result's message box. Clicks are given in 1x pixels and scaled here.
#   xvfb-run -a -s "-screen 0 1920x1080x24" tests/adventure/xvfb_zoom_shots.sh BUILD NAME ZOOM [full]
# ZOOM is the remembered zoom (1, 1.5, 2, ...); "full" starts in full screen, where the screen
# decides the zoom. With openbox installed the game runs under it, and the script tells whether
# the adventure window came back to its place after the duel. Save and preferences go to
# temporary folders, never to the player's own.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
NAME=${2:?shot name}
ZOOM=${3:-1}
FULL=false
[ "${4:-}" = full ] && FULL=true
export HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
export SDL_AUDIODRIVER=dummy
mkdir -p "$BUILD/shots" "$XDG_CONFIG_HOME/korvane"
printf '[view]\nzoom=%s\nfullScreen=%s\n' "$ZOOM" "$FULL" >"$XDG_CONFIG_HOME/korvane/preferences.ini"
shot() { import -window root "$BUILD/shots/zoom_${NAME}_$1.png"; }
calc() { awk "BEGIN { printf \"%d\", $1 }"; }

# The window's client area, the zoom it shows at and where its content starts (centred in full
# screen): a design of DW x DH pixels at 1x.
locate() {
  local info
  info=$(xwininfo -id "$1")
  X=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  WIDTH=$(awk '/Width:/ {print $NF}' <<<"$info")
  HEIGHT=$(awk '/Height:/ {print $NF}' <<<"$info")
  Z=$ZOOM
  $FULL && Z=$(awk "BEGIN { a = $WIDTH / 587; b = $HEIGHT / 410; print (a < b ? a : b) }")
  OX=$(calc "int(($WIDTH - int($2 * $Z + 0.5)) / 2)")
  OY=$(calc "int(($HEIGHT - int($3 * $Z + 0.5)) / 2)")
}
at() { echo "$(calc "$X + $OX + $1 * $Z") $(calc "$Y + $OY + $2 * $Z")"; }
click() { xdotool mousemove $(at "$1" "$2") click 1; sleep "${3:-0.5}"; }
dbl() { xdotool mousemove $(at "$1" "$2") click --repeat 2 --delay 80 1; sleep 0.6; }

if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  sleep 1
fi
"$BUILD/bin/korvane" >"$XDG_DATA_HOME/game.log" 2>&1 &
GAME=$!
sleep 4
WIN=$(xdotool search --onlyvisible --name "ＫＯＲＶＡＮＥ" | head -1)
locate "$WIN" 580 410
shot title
click 172 368; click 260 330; xdotool type --delay 50 "Taro"; sleep 0.3
shot profile
click 292 368 2                                   # 始める
xdotool mousemove $(at 120 120); sleep 1.5        # "どこに行こうかな？"
shot town
click 180 270 1.2                                 # 真道くんの家
shot greeting
for _ in 1 2 3 4 5 6 7 8; do click 300 150 1.5; done
click 180 270 3                                   # again: "勝負するかい？"
shot question
BEFORE="$X,$Y"
click 70 190 3                                    # 勝負！
DW=$(xdotool search --onlyvisible --name "^Form1$" | head -1)
[ -n "$DW" ] || { echo "no duel window"; kill $GAME; exit 1; }
locate "$DW" 587 406
dbl 120 48; dbl 120 48; dbl 200 48; dbl 200 48
xdotool mousemove $(at 280 48); sleep 2          # the hint on the card under the pointer
shot deck
dbl 280 48
click 40 344 2                                    # 勝負！
# Each pass chooses every hand card in turn and clicks the squares from the player's side up; the
# first empty one takes the card.
play() {
  for slot in $1; do
    click 542 $((43 + 81 * slot)) 0.05
    for s in 3,5 2,4 3,4 4,4 1,3 2,3 3,3 4,3 5,3 2,2 3,2 4,2 3,1; do
      xdotool mousemove $(at $((88 + (${s%,*} - 1) * 80 + 42)) $(((${s#*,} - 1) * 80 + 42))) click 1
      sleep 0.03
    done
    sleep 1
  done
}
play "0 1"
sleep 1
shot duel
for _ in $(seq 30); do
  xdotool search --onlyvisible --name "^カード" >/dev/null 2>&1 && break
  xdotool search --onlyvisible --name "^End of the Game$" >/dev/null 2>&1 && break
  play "0 1 2 3 4"
done
sleep 1
shot message
for _ in $(seq 12); do
  xdotool search --onlyvisible --name "^(カード|End of the Game)" >/dev/null 2>&1 || break
  xdotool key Return
  sleep 0.7
done
click 504 360 3                                   # 終わり
locate "$WIN" 580 410
echo "adventure window before the duel at $BEFORE, after it at $X,$Y"
shot back
kill $GAME
