#!/usr/bin/env bash
# A program started from the local copy keeps it in use: "Pellmore Updater"
# lists its window title; Force Close ends it, the dialog closes by itself at
# its next refresh (every 2 s) and the copy completes.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
cp "$ORVO_STUB_DIR/stub_window.exe" "$ORVO_PROGRAM/Helper.exe"
orvo_use_record

orvo_start "$ORVO_WORK/helper.log" "$ORVO_PROGRAM/Helper.exe" /title:OrvoHelper /timeout:60000
helper=$ORVO_PID
orvo_find_window OrvoHelper >/dev/null || orvo_fail "the program in the local copy did not start"
orvo_start "$ORVO_WORK/run.log" "$install/Launcher.exe"
launcher=$ORVO_PID
wid=$(orvo_find_window "Pellmore Updater" 30) || orvo_fail "the in-use dialog did not appear: $(cat "$ORVO_WORK/run.log")"
shown=$(orvo_window_text "Pellmore Updater")
grep -qx 'item: OrvoHelper' <<<"$shown" || orvo_fail "the dialog does not list the program: $shown"
grep -qx 'A new version of Pellmore Orvo is available. To complete the update, please close the following program(s).' \
  <<<"$shown" || orvo_fail "prompt: $shown"
grep -qx 'Force Close' <<<"$shown" || orvo_fail "no Force Close: $shown"
orvo_screenshot "$wid" local_install_program_running
[ -e "$ORVO_PROGRAM/Old.dll" ] || orvo_fail "the old copy was touched while the program ran"

start=$(date +%s%N)
orvo_key "$wid" Return # Force Close is the default button
for _ in $(seq 1 60); do
  xdotool getwindowname "$wid" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool getwindowname "$wid" >/dev/null 2>&1 && orvo_fail "the dialog did not close by itself"
closed_ms=$((($(date +%s%N) - start) / 1000000))
orvo_wait_exit "$helper" 5 || orvo_fail "Force Close did not end the program"
orvo_wait_exit "$launcher" 30 || orvo_fail "the launcher did not end"
orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "the copy did not complete"
differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
[ -z "$differences" ] || orvo_fail "the local copy differs: $differences"
echo "program in use: listed, forced to close; the dialog closed ${closed_ms} ms after Force Close; copy complete"
