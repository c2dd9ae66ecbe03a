#!/usr/bin/env bash
# Start-up time of the window program: from the process start until its first window (the splash) is
# on screen, and until the controller selection is. Needs a display; run it under a virtual one:
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/startup.sh [path/to/spindex]
set -u
tool=${1:-build/bin/spindex}
for i in 1 2 3 4 5; do
  s=$(date +%s%N)
  "$tool" >/dev/null 2>&1 & pid=$!
  first=""; sel=""
  while [ -z "$sel" ]; do
    now=$(date +%s%N)
    if [ -z "$first" ] && xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; then first=$(( (now - s)/1000000 )); fi
    if xdotool search --onlyvisible --name "RAID Storage Selection" >/dev/null 2>&1; then sel=$(( (now - s)/1000000 )); fi
    [ $(( (now - s)/1000000 )) -gt 5000 ] && break
  done
  echo "run $i: first window ${first} ms, selection window ${sel} ms"
  kill $pid; wait $pid 2>/dev/null
done
