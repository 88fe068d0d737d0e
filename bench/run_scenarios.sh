#!/bin/sh
# run_scenarios.sh -- the frame-time scenarios and the village's battles played headless, with their verdicts
#
#   bench/run_scenarios.sh BUILD_DIR
#
# Each play script runs in a fresh run directory. A frame's work may cost at
# most 10 floors at the median and 30 at the 99th percentile; a computer turn at
# most 5 ms, a fifth of a frame. The lines "frame NAME ..." close the output.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
frames=""
status=0
for script in "$root"/tests/scripts/battle_village_rats.play "$root"/tests/scripts/battle_village_bandits.play \
              "$root"/bench/scripts/*.play; do
    out=$(cmake -DRUNNER="$build/hollowmere-headless" -DDATA="$build/data" -DRUN_DIR="$build/bench-run" \
                -DSCRIPT="$script" -P "$root/tests/run_script.cmake" 2>&1) || { echo "$out"; exit 1; }
    echo "$out" | grep -v '^frame '
    echo "$out" | awk '/^computer turns/ && $5 + 0 > 5 { print "a computer turn took over 5 ms"; bad = 1 }
                       END { exit bad }' || status=1
    frames="$frames$(echo "$out" | grep '^frame ')
"
done
rm -rf "$build/bench-run"
printf "%s" "$frames" | awk '$4 + 0 > 10 || $6 + 0 > 30 { print "frame " $2 ": over its budget of the floor" > "/dev/stderr"; bad = 1 }
                             END { exit bad }' || status=1
printf "%s" "$frames"
exit $status
