#!/usr/bin/env bash
# Runs every fuzz target for SECONDS, starting from its seed corpus fuzz/corpus/TARGET. What a run
# finds is kept in BUILD/corpus/TARGET (the seeds stay as they are), a crashing input in
# BUILD/artifacts/, each run's output in BUILD/TARGET.log.
#
#   run_fuzzers.sh BUILD SECONDS        e.g. run_fuzzers.sh build/fuzz 60
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
# The state loader writes its nine files for every input: a memory file system keeps that fast.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

passed=0
failed=0
mkdir -p "$build/artifacts"
for target in state_loader read_number script_parser; do
    mkdir -p "$build/corpus/$target"
    log="$build/$target.log"
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$here/$target.dict" \
        -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus/$target" "$here/corpus/$target" > "$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: no failure in ${seconds} s (${runs:-?} inputs)"
        passed=$((passed + 1))
    else
        tail -n 40 "$log"
        echo "fuzz_$target: FAILED (input kept in $build/artifacts/, output in $log)"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
