#!/usr/bin/env bash
# Whole-process speed of spindex-batch: a script of 10,000 user actions, timed from start to end.
# Usage: bench/batch-actions.sh [path/to/spindex-batch]
set -euo pipefail
tool=${1:-build/bin/spindex-batch}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
{
    echo "click Command1"
    for ((i = 0; i < 9999; i += 5)); do
        echo "select cmbRaidLevel 5"
        echo "select cmbDriveSize 36.4"
        echo "select cmbMaxDrives 4"
        echo "click cmdAddLogicals"
        echo "select cmbRaidLevel 0"
    done
} > "$script"
actions=$(grep -c . "$script")
start=$(date +%s.%N)
"$tool" "$script" > /dev/null || true
end=$(date +%s.%N)
awk -v a="$actions" -v s="$start" -v e="$end" \
    'BEGIN { t = e - s; printf "%d actions in %.3f s: %.0f actions per second\n", a, t, a / t }'
