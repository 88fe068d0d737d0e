#!/usr/bin/env bash
# Runs every fuzz target in turn for SECONDS each over its corpus (seeded from the
# built content the first time), and prints runs, coverage and corpus size per target.
# usage: run_fuzz.sh FUZZ_BUILD DATA_DIR SECONDS [TARGET...]
set -uo pipefail
build=$(cd "$1" && pwd) data=$(cd "$2" && pwd) seconds=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(level save save_block pictures texts tables npc names wmap)

# Largest input worth trying per target: the biggest shipped file of its kind and some.
declare -A max_len=([level]=130000 [save]=480000 [save_block]=8192 [pictures]=200000 [texts]=80000
                    [tables]=8192 [npc]=8192 [names]=12000 [wmap]=520000)
summary=$build/summary.txt
: > "$summary"
failed=0
for t in "${targets[@]}"; do
    exe=$build/fuzz_$t
    corpus=$build/corpus/$t
    mkdir -p "$corpus" "$build/crashes" "$build/logs"
    if [ -z "$(ls -A "$corpus")" ]; then
        HM_FUZZ_DATA=$data HM_FUZZ_SEEDS=$corpus "$exe" >/dev/null 2>&1
    fi
    dict=()
    [ -f "$here/$t.dict" ] && dict=(-dict="$here/$t.dict")
    log=$build/logs/$t.log
    start=$(date +%s)
    HM_FUZZ_DATA=$data ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        /usr/bin/time -f "cpu %U %S" -o "$build/logs/$t.time" \
        "$exe" "$corpus" "${dict[@]}" -max_total_time="$seconds" -max_len="${max_len[$t]}" -timeout=20 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/crashes/$t-" > "$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
    cpu=$(awk '{ printf "%.0f", $2 + $3 }' "$build/logs/$t.time" 2>/dev/null)
    files=$(ls "$corpus" | wc -l)
    line=$(printf '%-11s rc %-3s runs %-9s cov %-6s ft %-7s corpus %-5s cpu %ss wall %ss' \
           "$t" "$rc" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$files" "${cpu:-?}" "$(( $(date +%s) - start ))")
    echo "$line" | tee -a "$summary"
    [ $rc -ne 0 ] && { failed=1; tail -40 "$log"; }
done
exit $failed
