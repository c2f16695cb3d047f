#!/usr/bin/env bash
# The launcher is killed (kill -9) while it copies: at the first entry, in a
# 5 MB file, at the version file's turn and while the main program (padded to
# copy slowly) is written. A poller watching the local copy meanwhile never
# sees the new version file while a listed file is missing or differs; each
# next start repairs the copy instead of starting the cut main program from
# it (a cut stand-in still runs, so starting it would show in the record).
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
version=5.0.3.91
orvo_make_update_installation "$install" "$version" 40
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
orvo_use_record
violations="$ORVO_WORK/violations.txt"
: >"$violations"

# Watches the copy until told to stop; notes every moment it reads as the
# new version without being complete.
watch_copy() {
  while [ ! -e "$ORVO_WORK/stop_watching" ]; do
    if [ "$(orvo_first_line "$ORVO_PROGRAM/Version.dat")" = "$version" ]; then
      orvo_copy_differences "$install" "$ORVO_PROGRAM" >>"$violations"
    fi
    sleep 0.01
  done
}

# kill_when POINT TEST...: starts the launcher, kills it once the test holds.
kill_when() {
  local point=$1 i
  shift
  rm -f "$ORVO_WORK/stop_watching"
  watch_copy &
  local watcher=$!
  orvo_start "$ORVO_WORK/run_$point.log" "$install/Launcher.exe"
  local launcher=$ORVO_PID
  for ((i = 0; i < 3000; i++)); do
    "$@" && break
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.005
  done
  kill -9 "$launcher" 2>/dev/null || orvo_fail "$point: the launcher ended before it could be killed"
  wait "$launcher" 2>/dev/null || true
  touch "$ORVO_WORK/stop_watching"
  wait "$watcher"
  [ -s "$violations" ] && orvo_fail "$point: the copy read as current while incomplete: $(sort -u "$violations")"
  [ "$(orvo_first_line "$ORVO_PROGRAM/Version.dat")" = "$version" ] && orvo_fail "$point: the cut copy reads as current"
  echo "$point: killed; P holds $(cd "$ORVO_PROGRAM" && ls -R | tr '\n' ' ')"
}

# repair POINT: the next start replaces the cut copy and relaunches from it.
repair() {
  : >"$ORVO_STUB_RECORD_UNIX"
  orvo_run "$ORVO_WORK/repair_$1.log" "$install/Launcher.exe" || orvo_fail "$1: the next start failed"
  orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "$1: the next start did not repair the copy"
  grep -q '^PellmoreOrvo' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "$1: the main program started from the cut copy"
  local differences
  differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
  [ -z "$differences" ] || orvo_fail "$1: repaired copy differs: $differences"
  # An older copy again for the next round.
  printf '5.0.3.90\r\n' >"$ORVO_PROGRAM/Version.dat"
}

copied_anything() { [ -n "$(find "$ORVO_PROGRAM" -type f ! -name install.ini 2>/dev/null | head -n 1)" ]; }
at_big_file() { [ -e "$ORVO_PROGRAM/Big.dat" ]; }
at_version_file() { [ -n "$(find "$ORVO_PROGRAM" -maxdepth 1 -name 'Version.dat*' 2>/dev/null | head -n 1)" ]; }
at_main_program() { [ -s "$ORVO_PROGRAM/PellmoreOrvo.EXE" ]; }

# Each round starts from an older complete copy, which the launcher first
# moves aside: wait for the fresh folder before looking into it.
fresh_and() { [ ! -e "$ORVO_PROGRAM/Old.dll" ] && "$@"; }

kill_when first fresh_and copied_anything
repair first
for point in big_file version_file main_program; do
  touch "$ORVO_PROGRAM/Old.dll"
  kill_when "$point" fresh_and "at_$point"
  repair "$point"
done
echo "interrupted copies never read as current; each next start repaired the copy"
