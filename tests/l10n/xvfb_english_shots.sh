#!/usr/bin/env bash
# Plays the English edition of the real game under a virtual X server, at 1x, and leaves
# screenshots in BUILD/shots/en_*.png: the title, the profile, the town, the album, 真道's
# greeting, his question with its two answers, the deck selection, a duel with a hint, a result's
# message box, the rules
# tutorial (the example list and the first example on the board), and the ending, reached from a
# save that the English playthrough test writes just before it.
#   xvfb-run -a -s "-screen 0 1280x800x24" tests/l10n/xvfb_english_shots.sh BUILD [PART]
# PART (play, tutorial or ending) takes only that part's shots.
# Save and preferences go to temporary folders, never to the player's own.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
PART=${2:-all}
source "$(dirname "$0")/../support/xvfb_game.sh"
fresh_homes
mkdir -p "$BUILD/shots"
shot() { import -window root -crop 620x440+0+0 "$BUILD/shots/en_$1.png"; }
# The player's cards on the first free square of this order.
play() { place_cards "$1" "3,5 2,4 3,4 4,4 1,3 2,3 3,3 4,3 5,3 2,2 3,2 4,2 3,1" 1; }

if [ "$PART" = all ] || [ "$PART" = play ]; then
start_game --lang en                                   # also remembered for the later starts
shot title
click 172 368; click 260 330; xdotool type --delay 50 "Robin"; sleep 0.3
shot profile
click 292 368 2                                   # Start
xdotool mousemove $((X + 120)) $((Y + 120)); sleep 1.5
shot town
xdotool key a; sleep 1.5                          # the album
AW=$(xdotool search --onlyvisible --name "^Card Album$" | head -1)
[ -n "$AW" ] && import -window "$AW" "$BUILD/shots/en_album.png"
xdotool key Escape; sleep 0.8
click 180 270 1.5                                 # Shindo's house
shot greeting
for _ in 1 2 3 4 5 6 7 8; do click 300 150 1.5; done
click 180 270 3                                   # again: the question and its answers
shot choices
click 70 190 3                                    # Duel!
duel_window
dbl 120 48; dbl 120 48; dbl 200 48; dbl 200 48
xdotool mousemove $((X + 280)) $((Y + 48)); sleep 2
shot deck
dbl 280 48
click 40 344 2                                    # Duel!
play "0 1"
xdotool key h; sleep 3                            # a hint on the board
shot duel
for _ in $(seq 30); do
  xdotool search --onlyvisible --name "^(Card won|Card lost|End of the Game)$" >/dev/null 2>&1 && break
  play "0 1 2 3 4"
done
sleep 1
shot result
for _ in $(seq 12); do
  xdotool search --onlyvisible --name "^(Card won|Card lost|End of the Game)$" >/dev/null 2>&1 || break
  xdotool key Return
  sleep 0.7
done
shot series
stop_game
fi

# The tutorial, from a fresh start's title.
if [ "$PART" = all ] || [ "$PART" = tutorial ]; then
start_game --lang en
click 412 368 3                                   # How to Play
duel_window
for _ in 1 2 3 4; do click 48 384 1; done
shot tutorial_list
for _ in $(seq 9); do click 48 384 1.2; done
sleep 2
shot tutorial_board
stop_game
fi

# The ending, from a save just before it.
if [ "$PART" = all ] || [ "$PART" = ending ]; then
KORVANE_SAVE_BEFORE_ENDING="$XDG_DATA_HOME/korvane" QT_QPA_PLATFORM=offscreen \
  "$BUILD/bin/l10n_tests" --gtest_filter='EnglishPlaythrough.NewGameToTheEnding' >/dev/null || echo "the playthrough failed"
start_game --lang en
shot continue
click 292 368 2                                   # Continue
click 454 50 2                                    # the big old house
for _ in $(seq 70); do click 300 150 2; done
shot ending
stop_game
fi
cat "$XDG_DATA_HOME/game.log"
