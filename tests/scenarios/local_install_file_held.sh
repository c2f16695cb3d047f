#!/usr/bin/env bash
# A file of the local copy is held open (and the folder, which Wine would
# otherwise rename regardless): "Pellmore Updater" lists the file, without
# Force Close. Cancel leaves the local copy as it was and starts nothing;
# when the holder lets go instead, the dialog closes by itself at its next
# refresh (every 4 s) and the copy completes.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
orvo_use_record
program_win=$(orvo_winpath "$ORVO_PROGRAM")
# install.ini is written at every start (the installation folder it came from).
snapshot() { (cd "$ORVO_PROGRAM" && find . -type f ! -name install.ini -exec md5sum {} + | sort); }
before=$(snapshot)

# hold: a stand-in outside the copy holds Reports\a.rpt and the folder.
hold() {
  orvo_start "$ORVO_WORK/holder$1.log" "$ORVO_STUB_DIR/stub_window.exe" /title:OrvoHolder$1 /timeout:60000 \
    "/holdfile:$program_win\\Reports\\a.rpt" "/holdfolder:$program_win"
  holder=$ORVO_PID
  orvo_find_window "OrvoHolder$1" >/dev/null || orvo_fail "the holder did not start: $(cat "$ORVO_WORK/holder$1.log")"
}
# in_use_dialog LOG: starts the launcher and waits for the dialog listing a.rpt.
in_use_dialog() {
  orvo_start "$1" "$install/Launcher.exe"
  launcher=$ORVO_PID
  wid=$(orvo_find_window "Pellmore Updater" 30) || orvo_fail "the in-use dialog did not appear: $(cat "$1")"
  shown=$(orvo_window_text "Pellmore Updater")
  grep -qx 'item: a.rpt' <<<"$shown" || orvo_fail "the dialog does not list the file: $shown"
  grep -qx 'A new version of Pellmore Orvo is available. To complete the update, please close the following file(s).' \
    <<<"$shown" || orvo_fail "prompt: $shown"
  grep -qx 'Force Close' <<<"$shown" && orvo_fail "Force Close offered for files: $shown"
  return 0
}

hold 1
in_use_dialog "$ORVO_WORK/cancel.log"
orvo_screenshot "$wid" local_install_file_held
orvo_key "$wid" Escape
orvo_wait_exit "$launcher" 20 || orvo_fail "the launcher did not end after Cancel"
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "something was started after Cancel: $(cat "$ORVO_STUB_RECORD_UNIX")"
[ "$(snapshot)" = "$before" ] || orvo_fail "Cancel changed the local copy: $(diff <(echo "$before") <(snapshot))"

in_use_dialog "$ORVO_WORK/release.log"
kill "$holder"
start=$(date +%s%N)
for _ in $(seq 1 80); do
  xdotool getwindowname "$wid" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool getwindowname "$wid" >/dev/null 2>&1 && orvo_fail "the dialog did not close after the file was released"
closed_ms=$((($(date +%s%N) - start) / 1000000))
orvo_wait_exit "$launcher" 30 || orvo_fail "the launcher did not end"
orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "the copy did not complete"
differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
[ -z "$differences" ] || orvo_fail "the local copy differs: $differences"
echo "file in use: listed without Force Close; Cancel kept the copy; closed ${closed_ms} ms after the release; copy complete"
