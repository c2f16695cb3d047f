#!/usr/bin/env bash
# Every "/NoLocal" start counts in "Stats\Generic\NoLocal.stat" on the
# shared data folder: 8 launchers at once leave one "Launched" record with
# today's count 8. A file held by another writer for 10 s delays no start:
# the main program starts while it is still held, and the file is unchanged.
# 8 processes of 4 threads counting 25 times each lose and double nothing.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record
stats="$install/Stats/Generic/NoLocal.stat"

# counts FILE: "<records> <tail bytes> <name>=<today's count> ..."
counts() {
  python3 - "$1" <<'PY'
import struct, sys, datetime
data = open(sys.argv[1], "rb").read()
d = datetime.date.today()
stamp = d.year | (d.day << 16) | (d.month << 24)
out = ["%d %d" % (len(data) // 320, len(data) % 320)]
for i in range(len(data) // 320):
    r = data[i * 320:(i + 1) * 320]
    name = r[:32].split(b"\0")[0].decode("latin-1")
    s, = struct.unpack_from("<I", r, 28 + 4 * d.day)
    c, = struct.unpack_from("<i", r, 152 + 4 * d.day)
    out.append("%s=%d" % (name, c if s == stamp else 0))
print(" ".join(out))
PY
}

# One user's launchers share "LaunchBit": one that started the main program
# makes the next ask whether the last start failed. As installing copies
# replying to a parent that is gone they count and end without starting it.
pids=()
for i in $(seq 1 8); do
  "$ORVO_WINE" "$install/Orvo.exe" /NoLocal /CtrlWnd:1 /CtrlMsg:2256 >"$ORVO_WORK/run$i.log" 2>&1 </dev/null &
  pids+=($!)
done
for pid in "${pids[@]}"; do orvo_wait_exit "$pid" 60 || orvo_fail "a launcher did not end"; done
[ "$(counts "$stats")" = "1 0 Launched=8" ] || orvo_fail "8 starts counted as: $(counts "$stats")"

before=$(md5sum <"$stats")
orvo_start "$ORVO_WORK/hold.log" "$ORVO_STUB_DIR/drive_count_usage.exe" hold "$(orvo_winpath "$stats")" 10000
holder=$ORVO_PID
for _ in $(seq 1 50); do grep -q holding "$ORVO_WORK/hold.log" && break; sleep 0.1; done
: >"$ORVO_STUB_RECORD_UNIX"
orvo_run "$ORVO_WORK/held.log" "$install/Orvo.exe" /NoLocal || orvo_fail "the launcher failed while the counter was held"
orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' 5 >/dev/null || orvo_fail "the main program did not start"
kill -0 "$holder" 2>/dev/null || orvo_fail "the start waited for the holder"
orvo_wait_exit "$holder" 20 || true
[ "$(md5sum <"$stats")" = "$before" ] || orvo_fail "a held counter file was changed"

rm -f "$stats"
drivers=()
for i in $(seq 1 8); do
  "$ORVO_WINE" "$ORVO_STUB_DIR/drive_count_usage.exe" "$(orvo_winpath "$stats")" Launched 25 4 >"$ORVO_WORK/drive$i.log" 2>&1 </dev/null &
  drivers+=($!)
done
for pid in "${drivers[@]}"; do orvo_wait_exit "$pid" 120 || orvo_fail "a counting process did not end"; done
counted=$(cat "$ORVO_WORK"/drive*.log | tr -d '\r' | sed -n 's/^counted=//p' | awk '{ s += $1 } END { print s }')
[ "$(counts "$stats")" = "1 0 Launched=$counted" ] || orvo_fail "$counted counted, the file says: $(counts "$stats")"
echo "usage counters: 8 starts counted 8; a held file delayed nothing; $counted of 800 concurrent counts, none lost"
