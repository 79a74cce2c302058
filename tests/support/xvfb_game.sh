# What the hand-run xvfb scripts share to play the real game by mouse, sourced by each:
#   source "$(dirname "$0")/../support/xvfb_game.sh"
# Clicks are in the pixels of the window whose top-left corner X and Y hold (start_game and
# duel_window set them from xdotool).

# Temporary home, data and settings folders (never the player's own), the silent audio driver,
# and the game's zoom at 1x.
fresh_homes() {
  export HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
  export SDL_AUDIODRIVER=dummy
  mkdir -p "$XDG_DATA_HOME/korvane" "$XDG_CONFIG_HOME/korvane"
  printf '[view]\nzoom=1\n' >"$XDG_CONFIG_HOME/korvane/preferences.ini"
}

# Starts BUILD's game with ARGS (its output in $XDG_DATA_HOME/game.log), waits for its title
# window and takes its corner into X and Y; GAME is its process. Ends the script without a title.
start_game() {
  "$BUILD/bin/korvane" "$@" >>"$XDG_DATA_HOME/game.log" 2>&1 &
  GAME=$!
  sleep 4
  WIN=$(xdotool search --onlyvisible --name "^(ＫＯＲＶＡＮＥ|KORVANE)$" | head -1)
  [ -n "$WIN" ] || { echo "no title window"; kill "$GAME"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
}

# SIGTERM ends the game through its normal closing path (settings written, nothing saved); should
# it still be there a moment later, it is ended for good so the next part starts clean.
stop_game() {
  kill "$GAME" 2>/dev/null
  sleep 1
  kill -9 "$GAME" 2>/dev/null
  wait "$GAME" 2>/dev/null
}

click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.5}"; }  # X Y [PAUSE]
dbl() { xdotool mousemove $((X + $1)) $((Y + $2)) click --repeat 2 --delay 80 1; sleep 0.6; }
# The colour of one pixel of the screen (not of the window), "#RRGGBB".
pixel() { import -window root -crop 1x1+$1+$2 -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]*'; }

# The duel window: its corner into X and Y, its size into WIDTH and HEIGHT. Ends the script
# (and the game) when there is none.
duel_window() {
  DW=$(xdotool search --onlyvisible --name "^Form1$" | head -1)
  [ -n "$DW" ] || { echo "no duel window"; kill "$GAME"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$DW")"
}

# Plays each hand card of SLOTS ("0 1 ...") on the first free square of SQUARES ("c,r ...", tried
# in that order: a taken square ignores the click), waiting PAUSE seconds after each card.
place_cards() {  # SLOTS SQUARES [PAUSE]
  local slot s
  for slot in $1; do
    click 542 $((43 + 81 * slot)) 0.1
    for s in $2; do
      xdotool mousemove $((X + 88 + (${s%,*} - 1) * 80 + 42)) $((Y + (${s#*,} - 1) * 80 + 42)) click 1
      sleep 0.05
    done
    sleep "${3:-1}"
  done
}
