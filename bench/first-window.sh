#!/usr/bin/env bash
# Start-up of the window program against a bare Qt window: each is started ten times, alternating,
# and timed from just before the process starts until its first window is exposed (the program writes
# the moment itself, see ui/firstwindowclock.h, and quits). Prints the medians and their ratio.
# Without a display it runs itself under Xvfb.
# Usage: bench/first-window.sh [BUILD_FOLDER]
set -euo pipefail
bin=${1:-build}/bin
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
time_one() { # program: milliseconds from start to first window
    local start line
    start=$(date +%s%N)
    line=$(SPINDEX_TIME_FIRST_WINDOW=1 "$1" 2>&1 >/dev/null | grep -m1 '^first window ') || true
    [ -n "$line" ] || { echo "no window from $1" >&2; exit 1; }
    awk -v s="$start" -v e="${line#first window }" 'BEGIN { printf "%.2f\n", (e - s) / 1e6 }'
}
bare=(); spindex=()
"$bin/spindex-bare-window" >/dev/null 2>&1 & sleep 0.5; kill $! 2>/dev/null || true # warm the caches
for run in 1 2 3 4 5 6 7 8 9 10; do
    bare+=("$(time_one "$bin/spindex-bare-window")")
    spindex+=("$(time_one "$bin/spindex")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }
b=$(median "${bare[@]}"); s=$(median "${spindex[@]}")
awk -v b="$b" -v s="$s" 'BEGIN { printf "first window: bare Qt %.1f ms, spindex %.1f ms (median of 10, alternating): %.2f times\n", b, s, s / b }'
