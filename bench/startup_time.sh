#!/usr/bin/env bash
# Start-up to the title window, side by side with a bare Qt Widgets window of the same size
# (bench/bare_window.cpp): both are started N times, one after the other in turn, and timed by the
# game's stall probe from the start of the process to the first painted window. Prints every run,
# then the median, best and worst of each and the ratio of the game to the bare window; the GUI
# thread's CPU time to that paint is summed up the same way (steadier on a busy machine).
#   xvfb-run -a -s "-screen 0 1920x1080x24" bench/startup_time.sh BUILD [N]
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
N=${2:-7}
GAME=$BUILD/bin/korvane
BARE=$BUILD/bin/bare_window
[ -x "$GAME" ] && [ -x "$BARE" ] || { echo "build korvane and bare_window first"; exit 1; }

# One run of a program in an empty home: "WALL CPU" in ms, or nothing when no window was seen.
run_once() {
  local H line
  H=$(mktemp -d)
  line=$(HOME=$H XDG_DATA_HOME=$H/data XDG_CONFIG_HOME=$H/config XDG_RUNTIME_DIR=$H/run \
    SDL_AUDIODRIVER=dummy SDL_NO_SIGNAL_HANDLERS=1 KORVANE_STALL_MS=100000 \
    timeout -s KILL 6 "$@" 2>&1 | grep -m1 '最初のウィンドウ')
  rm -rf "$H"
  # "... 最初のウィンドウが描かれるまで W ms（プロセス起動から）、A ms（QApplication から）、
  # GUI スレッドの CPU 時間 C ms"
  local nums=($(echo "$line" | grep -o '[0-9]* ms' | grep -o '[0-9]*'))
  [ ${#nums[@]} -ge 3 ] && echo "${nums[0]} ${nums[2]}"
}

# "median best worst" of the numbers given.
summary() {
  local sorted=($(printf '%s\n' "$@" | sort -n))
  echo "${sorted[$(( ${#sorted[@]} / 2 ))]} ${sorted[0]} ${sorted[-1]}"
}

# The title's size as the game opens it on this screen; the first run also warms the file cache
# for both programs.
mkdir -p /tmp/korvane-startup-$$ && H=/tmp/korvane-startup-$$
size=$(HOME=$H XDG_DATA_HOME=$H/data XDG_CONFIG_HOME=$H/config XDG_RUNTIME_DIR=$H/run \
  SDL_AUDIODRIVER=dummy timeout -s KILL 6 "$GAME" --quit-after-title 2>/dev/null |
  grep -o '([0-9]*x[0-9]*)' | tr -d '()')
rm -rf "$H"
[ -n "$size" ] || { echo "the game showed no title window"; exit 1; }
"$BARE" "$size" --quit >/dev/null 2>&1
echo "title window ${size}; ${N} runs of each, in turn"

game_wall=() game_cpu=() bare_wall=() bare_cpu=()
for i in $(seq "$N"); do
  # Which goes first changes every round, so neither always follows the other.
  order=(game bare)
  [ $((i % 2)) -eq 0 ] && order=(bare game)
  for who in "${order[@]}"; do
    if [ "$who" = game ]; then
      r=$(run_once "$GAME" --quit-after-title)
    else
      r=$(run_once "$BARE" "$size" --quit)
    fi
    if [ -z "$r" ]; then
      echo "run $i $who: no window seen"
      continue
    fi
    read -r wall cpu <<<"$r"
    printf 'run %d %-4s %5d ms (GUI thread CPU %d ms)\n' "$i" "$who" "$wall" "$cpu"
    if [ "$who" = game ]; then
      game_wall+=("$wall") game_cpu+=("$cpu")
    else
      bare_wall+=("$wall") bare_cpu+=("$cpu")
    fi
  done
done
[ ${#game_wall[@]} -gt 0 ] && [ ${#bare_wall[@]} -gt 0 ] || { echo "no window seen"; exit 1; }

read -r gm gb gw <<<"$(summary "${game_wall[@]}")"
read -r bm bb bw <<<"$(summary "${bare_wall[@]}")"
read -r gcm gcb gcw <<<"$(summary "${game_cpu[@]}")"
read -r bcm bcb bcw <<<"$(summary "${bare_cpu[@]}")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
echo "start-up to the first painted window (ms from the start of the process):"
printf '  game (title)  median %5d  best %5d  worst %5d  (%d runs)\n' "$gm" "$gb" "$gw" \
  ${#game_wall[@]}
printf '  bare window   median %5d  best %5d  worst %5d  (%d runs)\n' "$bm" "$bb" "$bw" \
  ${#bare_wall[@]}
echo "  game / bare: median $(ratio "$gm" "$bm")x, best $(ratio "$gb" "$bb")x"
echo "GUI thread CPU time to that paint (ms):"
printf '  game (title)  median %5d  best %5d  worst %5d\n' "$gcm" "$gcb" "$gcw"
printf '  bare window   median %5d  best %5d  worst %5d\n' "$bcm" "$bcb" "$bcw"
echo "  game / bare: median $(ratio "$gcm" "$bcm")x, best $(ratio "$gcb" "$bcb")x"
