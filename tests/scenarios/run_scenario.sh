#!/usr/bin/env bash
# Plays one scenario folder through the scripted driver and compares what the player sees and
# the state files left behind with the expected ones.
#
#   run_scenario.sh DRIVER SCENARIO_DIR          compare
#   UPDATE=1 run_scenario.sh DRIVER SCENARIO_DIR  write the expected files from this run
#
# A scenario folder holds: script (the gestures), options (driver options, one line, e.g.
# "--random random" or "--seed 7 --decimal-separator ,"; paths are relative to the folder),
# optionally before/ (state files to start from), and the expected transcript.jsonl, exit
# (the exit status) and after/ (the state files at the end; no after/ means no file at all).
set -euo pipefail
driver=$1
scenario=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/state"
if [ -d "$scenario/before" ]; then
    cp "$scenario"/before/* "$work/state/"
fi
options=$(cat "$scenario/options" 2>/dev/null || true)
set +e
(cd "$scenario" && "$driver" --state-dir "$work/state" $options script) \
    > "$work/transcript.jsonl" 2> "$work/stderr"
status=$?
set -e
# The state folder differs from run to run; error messages name it.
sed -i "s|$work/state|<state-dir>|g" "$work/transcript.jsonl"
echo "$status" > "$work/exit"

if [ "${UPDATE:-}" = 1 ]; then
    cp "$work/transcript.jsonl" "$work/exit" "$scenario/"
    rm -rf "$scenario/after"
    if [ -n "$(ls -A "$work/state")" ]; then
        mkdir "$scenario/after" && cp "$work"/state/* "$scenario/after/"
    fi
    exit 0
fi

failed=0
diff -u "$scenario/exit" "$work/exit" || { cat "$work/stderr"; failed=1; }
diff -u "$scenario/transcript.jsonl" "$work/transcript.jsonl" || failed=1
if [ -d "$scenario/after" ]; then
    diff -r "$scenario/after" "$work/state" || failed=1
elif [ -n "$(ls -A "$work/state")" ]; then
    echo "expected no state files, found: $(ls "$work/state")"
    failed=1
fi
exit $failed
