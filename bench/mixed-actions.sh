#!/usr/bin/env bash
# Whole-process speed of spindex-batch on a mixed script of 100,000 commands: RAID levels, drive
# counts, drive sizes and heights picked, sets added, totals read, and the table cleared after every
# fourth set, so that each add finds room. Timed from start to end, the best of three runs.
# Usage: bench/mixed-actions.sh [path/to/spindex-batch]
set -euo pipefail
tool=${1:-build/bin/spindex-batch}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
awk 'BEGIN {
    block[0] = "select cmbRaidLevel 5";    block[1] = "select cmbMaxDrives 4";
    block[2] = "select cmbDriveSize 36.4"; block[3] = "click optDriveH(1)";
    block[4] = "click cmdAddLogicals";     block[5] = "get txtSumTotals(1)";
    block[6] = "select cmbRaidLevel 1";    block[7] = "select cmbDriveSize 18.2";
    block[8] = "click optDriveH(0)";       block[9] = "click cmdAddLogicals";
    block[10] = "get TxtLogicalCap";       block[11] = "select cmbRaidLevel 0";
    block[12] = "select cmbMaxDrives 3";   block[13] = "select cmbDriveSize 72.8";
    block[14] = "click cmdAddLogicals";    block[15] = "get txtSumTotals(3)";
    block[16] = "select cmbRaidLevel 10";  block[17] = "click cmdAddLogicals";
    block[18] = "answer yes";              block[19] = "click cmdClearAll";
    print "click Command1";
    for (i = 1; i < 100000; ++i)
        print block[(i - 1) % 20];
}' > "$script"
actions=$(grep -c . "$script")
best=""
for run in 1 2 3; do
    start=$(date +%s.%N)
    "$tool" "$script" > /dev/null
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
done
awk -v a="$actions" -v t="$best" \
    'BEGIN { printf "mixed script: %d actions in %.3f s: %.0f actions per second\n", a, t, a / t }'
