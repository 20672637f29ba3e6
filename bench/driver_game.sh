#!/usr/bin/env bash
# Plays a whole game through the scripted driver under /usr/bin/time -v and prints its wall time
# and peak resident memory. The game is the benchmarks' plan: a new game at level 1, in the
# first part of every day buy 10 shares of each firm, skip the second part, sell the 10 in the
# third; then the results and the analysis.
#
#   driver_game.sh DRIVER
set -euo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    printf 'new\ntype 1\n'
    for ((click = 0; click < 90; click++)); do
        case $(((click / 6) % 3)) in
            0) printf 'buy\ntype 10\n' ;;
            1) printf 'skip\n' ;;
            2) printf 'sell\ntype 10\n' ;;
        esac
    done
    printf 'achievements\ncontinue\nclick\ndblclick\n'
} > "$work/script"
mkdir "$work/state"

/usr/bin/time -v -o "$work/time" "$driver" --state-dir "$work/state" --seed 7 "$work/script" \
    > "$work/transcript.jsonl"
grep -q '"show": "Form6"' "$work/transcript.jsonl" || { echo "the game did not reach its end" >&2; exit 1; }
wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
echo "vekselgrad-script whole game: wall time $wall, peak resident memory $peak kB (target under 10240 kB)"
