#!/usr/bin/env bash
# Start-up to the title window, side by side with a bare Qt Widgets window of the same size
# (bench/bare_window.cpp): both are started N times, one after the other in turn, and timed by the
# game's stall probe from the start of the process to the first painted window. Prints every run,
# then the median, best and worst of each and the ratio of the game to the bare window; the GUI
# thread's CPU time to that paint is summed up the same way (steadier on a busy machine).
#   xvfb-run -a -s "-screen 0 1920x1080x24" bench/startup_time.sh BUILD [N] [OTHER_KORVANE]
# OTHER_KORVANE, another build of the game (in a bin folder with its data beside it), runs in the
# same rounds too, so that two builds are compared under the same load.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
N=${2:-7}
OTHER=${3:-}
GAME=$BUILD/bin/korvane
BARE=$BUILD/bin/bare_window
[ -x "$GAME" ] && [ -x "$BARE" ] || { echo "build korvane and bare_window first"; exit 1; }
[ -z "$OTHER" ] || [ -x "$OTHER" ] || { echo "$OTHER is not a program"; exit 1; }

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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# The title's size as the game opens it on this screen; the first run also warms the file cache
# for both programs.
H=$(mktemp -d)
size=$(HOME=$H XDG_DATA_HOME=$H/data XDG_CONFIG_HOME=$H/config XDG_RUNTIME_DIR=$H/run \
  SDL_AUDIODRIVER=dummy timeout -s KILL 6 "$GAME" --quit-after-title 2>/dev/null |
  grep -o '([0-9]*x[0-9]*)' | tr -d '()')
rm -rf "$H"
[ -n "$size" ] || { echo "the game showed no title window"; exit 1; }
"$BARE" "$size" --quit >/dev/null 2>&1
[ -z "$OTHER" ] || run_once "$OTHER" --quit-after-title >/dev/null

who_all=(game bare)
[ -z "$OTHER" ] || who_all+=(other)
echo "title window ${size}; ${N} runs of each of ${who_all[*]}, in turn"
declare -A wall cpu
for i in $(seq "$N"); do
  # Which goes first changes every round, so that none always follows another.
  order=("${who_all[@]:$((i % ${#who_all[@]}))}" "${who_all[@]:0:$((i % ${#who_all[@]}))}")
  for who in "${order[@]}"; do
    case $who in
      game) r=$(run_once "$GAME" --quit-after-title) ;;
      bare) r=$(run_once "$BARE" "$size" --quit) ;;
      other) r=$(run_once "$OTHER" --quit-after-title) ;;
    esac
    if [ -z "$r" ]; then
      echo "run $i $who: no window seen"
      continue
    fi
    read -r w c <<<"$r"
    printf 'run %d %-5s %5d ms (GUI thread CPU %d ms)\n' "$i" "$who" "$w" "$c"
    wall[$who]="${wall[$who]:-} $w"
    cpu[$who]="${cpu[$who]:-} $c"
  done
done
for who in "${who_all[@]}"; do
  [ -n "${wall[$who]:-}" ] || { echo "no window seen from $who"; exit 1; }
done

label() {
  case $1 in
    game) echo "game (title)" ;;
    bare) echo "bare window" ;;
    other) echo "$(basename "$OTHER") (title)" ;;
  esac
}
report() {  # $1: wall or cpu
  local -n table=$1
  declare -A median
  for who in "${who_all[@]}"; do
    read -r m b w <<<"$(summary ${table[$who]})"
    median[$who]=$m
    printf '  %-22s median %5d  best %5d  worst %5d  (%d runs)\n' "$(label "$who")" "$m" "$b" "$w" \
      $(echo ${table[$who]} | wc -w)
  done
  for who in "${who_all[@]}"; do
    [ "$who" = bare ] || echo "  $(label "$who") / bare window, medians: $(ratio "${median[$who]}" "${median[bare]}")x"
  done
}
echo "start-up to the first painted window (ms from the start of the process):"
report wall
echo "GUI thread CPU time to that paint (ms):"
report cpu
