#!/usr/bin/env bash
# The cost of an ordinary start: Orvo.exe from the installation folder until
# the stand-in main program records its command line, against starting the
# stand-in directly, in the same run and prefix. Prints the medians, their
# ratio and how many of the launcher's quarter-second status pauses the start
# contains (counted in a separate traced run, so they do not skew the timing).
# Nothing is asserted. Usage: bench/startup.sh [RUNS] (default 10); run by
# scripts/bench, which builds first and prepares the Wine environment.
set -euo pipefail
runs=${1:-10}
: "${ORVO_EXE:?run through scripts/bench}"
source "$(dirname "$0")/../tests/scenarios/lib.sh"

install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90

now_ms() { date +%s%3N; }
# time_until_record PROGRAM [ARGS...]: milliseconds from the start until the
# stand-in's command line is in the record.
time_until_record() {
  orvo_use_record "$ORVO_WORK/record.txt"
  local start end
  start=$(now_ms)
  "$ORVO_WINE" "$@" >/dev/null 2>&1 </dev/null &
  local pid=$!
  until grep -q 'LaunchBit=' "$ORVO_STUB_RECORD_UNIX" 2>/dev/null; do sleep 0.005; done
  end=$(now_ms)
  wait "$pid" 2>/dev/null || true
  echo $((end - start))
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# One of each first, so neither pays for loading Wine's files.
time_until_record "$install/PellmoreOrvo.EXE" >/dev/null
time_until_record "$install/Orvo.exe" >/dev/null
direct=() launcher=()
for _ in $(seq 1 "$runs"); do
  direct+=("$(time_until_record "$install/PellmoreOrvo.EXE")")
  launcher+=("$(time_until_record "$install/Orvo.exe")")
done
direct_ms=$(printf '%s\n' "${direct[@]}" | median)
launcher_ms=$(printf '%s\n' "${launcher[@]}" | median)
echo "ordinary start ($runs runs, medians): main program directly ${direct_ms} ms, through Orvo.exe ${launcher_ms} ms"
awk -v l="$launcher_ms" -v d="$direct_ms" 'BEGIN { printf "ratio launcher / direct: %.2f\n", (d > 0 ? l / d : 0) }'

# The pauses: Sleep(250) calls of the launcher, seen by Wine's relay trace.
trace="$ORVO_WORK/trace.log"
"$ORVO_WINE" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d 'kernel32.Sleep;kernelbase.Sleep' /f \
  >/dev/null 2>&1 </dev/null
orvo_use_record "$ORVO_WORK/record.txt"
WINEDEBUG=+relay "$ORVO_WINE" "$install/Orvo.exe" >/dev/null 2>"$trace" </dev/null || true
"$ORVO_WINE" reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1 </dev/null
pauses=$(grep -ciE 'Call (kernel32|kernelbase)\.Sleep\(0+fa\)' "$trace" || true)
echo "quarter-second status pauses in the start: $pauses (at least $((pauses * 250)) ms of the launcher's time)"
