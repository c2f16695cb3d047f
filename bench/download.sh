#!/usr/bin/env bash
# The installer download against curl: the test server serves one file of
# SIZE_MB (default 100) on 127.0.0.1; the launcher's download and curl fetch
# it in the same run, ROUNDS times each (default 3). Prints the MB/s of both
# (medians) and their ratio. Nothing is asserted. Run by scripts/bench.
set -euo pipefail
size_mb=${1:-100}
rounds=${2:-3}
: "${ORVO_BUILD_DIR:?run through scripts/bench}"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/wine/env.sh"
bash "$here/../tests/fixtures/http_start.sh" >/dev/null
trap 'bash "$here/../tests/fixtures/http_stop.sh"' EXIT
files="$ORVO_BUILD_DIR/http/files"
head -c $((size_mb * 1024 * 1024)) /dev/urandom >"$files/bench.bin"
url="http://127.0.0.1:$(cat "$ORVO_BUILD_DIR/http/port")/files/bench.bin"
target="Z:$(mktemp -u /tmp/orvo_bench_XXXXXX).bin"

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
launcher=() curl_rates=()
for _ in $(seq 1 "$rounds"); do
  read -r bytes seconds refreshes < <("$ORVO_WINE" "$ORVO_BUILD_DIR/bench/bench_download.exe" "$url" "$target" 2>/dev/null)
  launcher+=("$(awk -v b="$bytes" -v s="$seconds" 'BEGIN { printf "%.1f", b / 1048576 / s }')")
  # curl stores the file too, as the launcher does.
  curl_rates+=("$(curl -s -o "$ORVO_BUILD_DIR/http/curl.bin" -w '%{speed_download}' "$url" | awk '{ printf "%.1f", $1 / 1048576 }')")
  rm -f "$ORVO_BUILD_DIR/http/curl.bin"
done
l=$(printf '%s\n' "${launcher[@]}" | median)
c=$(printf '%s\n' "${curl_rates[@]}" | median)
echo "download of ${size_mb} MB ($rounds rounds, medians): launcher ${l} MB/s, curl ${c} MB/s (last run: $refreshes progress refreshes)"
awk -v l="$l" -v c="$c" 'BEGIN { printf "ratio launcher / curl: %.2f\n", (c > 0 ? l / c : 0) }'
rm -f "$files/bench.bin"
