#!/usr/bin/env bash
# The usage counter, alone and contended: bench_usage_counter.exe measures
# one process against a plain write-through update; then 8 processes count
# COUNTS times each (default 50) in one file at once against one process
# alone, printing the time ratio and the most attempts a call needed.
# Nothing is asserted. Run by scripts/bench.
set -euo pipefail
counts=${1:-50}
: "${ORVO_BUILD_DIR:?run through scripts/bench}"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/wine/env.sh"
exe="$ORVO_BUILD_DIR/bench/bench_usage_counter.exe"
work=$(mktemp -d /tmp/orvo_bench_usage.XXXXXX)
trap 'rm -rf "$work"' EXIT
win() { printf 'Z:%s' "${1//\//\\}"; }

"$ORVO_WINE" "$exe" "$(win "$work")" 2>/dev/null </dev/null | tr -d '\r'
read -r alone most counted < <("$ORVO_WINE" "$exe" count "$(win "$work/alone.stat")" "$counts" 2>/dev/null </dev/null | tr -d '\r')
start=$(date +%s%3N)
for i in $(seq 1 8); do
  "$ORVO_WINE" "$exe" count "$(win "$work/shared.stat")" "$counts" >"$work/p$i.txt" 2>/dev/null </dev/null &
done
wait
together=$(( $(date +%s%3N) - start ))
slowest=$(cat "$work"/p*.txt | tr -d '\r' | awk '{ if ($1 > m) m = $1 } END { print m }')
most_shared=$(cat "$work"/p*.txt | tr -d '\r' | awk '{ if ($2 > m) m = $2 } END { print m }')
counted_shared=$(cat "$work"/p*.txt | tr -d '\r' | awk '{ s += $3 } END { print s }')
echo "one process, $counts counts: ${alone} ms (most attempts $most)"
echo "8 processes at once, $counts counts each: slowest ${slowest} ms (${together} ms wall with the starts), $counted_shared of $((8 * counts)) counted, most attempts $most_shared"
awk -v t="$slowest" -v a="$alone" 'BEGIN { printf "ratio slowest of 8 at once / 1 alone: %.2f (8.00 would be fully serialised)\n", (a > 0 ? t / a : 0) }'
