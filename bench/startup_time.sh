#!/usr/bin/env bash
# Start-up to the title window: starts the game N times and prints the time from the start of
# the process to the first painted window, as the stall probe reports it, then the median.
#   xvfb-run -a -s "-screen 0 1920x1080x24" bench/startup_time.sh BUILD [N]
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
N=${2:-7}
times=()
for _ in $(seq "$N"); do
  H=$(mktemp -d)
  line=$(HOME=$H XDG_DATA_HOME=$H/data XDG_CONFIG_HOME=$H/config SDL_AUDIODRIVER=dummy \
    SDL_NO_SIGNAL_HANDLERS=1 KORVANE_STALL_MS=100000 \
    timeout -s KILL 4 "$BUILD/bin/korvane" 2>&1 | grep -m1 '最初のウィンドウ')
  echo "$line"
  t=$(echo "$line" | grep -o '[0-9]* ms' | head -1 | grep -o '[0-9]*')
  [ -n "$t" ] && times+=("$t")
  rm -rf "$H"
done
[ ${#times[@]} -gt 0 ] || { echo "no window seen"; exit 1; }
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to the title window: median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms, best ${sorted[0]} ms, worst ${sorted[-1]} ms (${#sorted[@]} runs)"
