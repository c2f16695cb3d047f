#!/usr/bin/env bash
# The network share goes away while the local copy is made. Through a drive
# letter: the question names the installation folder; Retry once the share is
# back completes the copy and relaunches; Cancel starts nothing and leaves the
# local copy without a version file, and the next start repairs it. Through a
# UNC path, with the launcher run from its temporary copy as it is when the
# user started it from the local copy: Retry completes too.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
server="$ORVO_WORK/server"
install="$server/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
# A large file early in the list: the share goes while it is copied, and
# the files after it are still to come.
head -c $((40 * 1024 * 1024)) /dev/zero >>"$install/Big.dat"
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
orvo_use_record

# The old copy carries Old.dll; once it is gone the fresh folder fills.
copying_big_file() { [ ! -e "$ORVO_PROGRAM/Old.dll" ] && [ -e "$ORVO_PROGRAM/Big.dat" ]; }

# lose_share_while_copying LINK LOG PROGRAM [ARGS...]: starts the launcher
# (ORVO_PID), removes the share's link while the large file is copied, and
# waits for the question (WID), which must name the installation folder
# FOLDER_SHOWN.
lose_share_while_copying() {
  local link=$1 log=$2 i
  shift 2
  touch "$ORVO_PROGRAM/Old.dll"
  orvo_start "$log" "$@"
  for ((i = 0; i < 2000; i++)); do
    copying_big_file && break
    sleep 0.005
  done
  rm -f "$link"
  WID=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no question after the share went away: $(cat "$log")"
  orvo_window_text "Pellmore Orvo" | grep -qF -- "$FOLDER_SHOWN" ||
    orvo_fail "the question does not name $FOLDER_SHOWN: $(orvo_window_text "Pellmore Orvo")"
}

# Drive letter, Retry after the share is back.
# L: (N: and M: belong to the prefix's prepared network drives).
orvo_map_drive l "$server"
link="$WINEPREFIX/dosdevices/l:"
FOLDER_SHOWN='L:\Pellmore'
lose_share_while_copying "$link" "$ORVO_WORK/retry.log" 'L:\Pellmore\Launcher.exe'
launcher=$ORVO_PID wid=$WID
orvo_screenshot "$wid" local_install_share_lost
ln -s "$server" "$link"
orvo_key "$wid" Return
orvo_wait_exit "$launcher" 30 || orvo_fail "the launcher did not end after Retry"
orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "Retry did not complete the copy"
differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
[ -z "$differences" ] || orvo_fail "after Retry the copy differs: $differences"

# Drive letter, Cancel: nothing is started, the copy is not current.
printf '5.0.3.90\r\n' >"$ORVO_PROGRAM/Version.dat"
: >"$ORVO_STUB_RECORD_UNIX"
lose_share_while_copying "$link" "$ORVO_WORK/cancel.log" 'L:\Pellmore\Launcher.exe'
launcher=$ORVO_PID wid=$WID
orvo_key "$wid" Escape
orvo_wait_exit "$launcher" 30 || orvo_fail "the launcher did not end after Cancel"
ln -s "$server" "$link"
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "something was started after Cancel: $(cat "$ORVO_STUB_RECORD_UNIX")"
[ -e "$ORVO_PROGRAM/Version.dat" ] && orvo_fail "the cancelled copy has a version file"
orvo_run "$ORVO_WORK/repair.log" 'L:\Pellmore\Launcher.exe' || orvo_fail "the next start failed"
orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "the next start did not repair the copy"
[ -z "$(orvo_copy_differences "$install" "$ORVO_PROGRAM")" ] || orvo_fail "the repaired copy differs"

# UNC path: the launcher runs from the temporary folder and finds the
# installation in what the local copy recorded.
orvo_map_share orvosrv share "$server"
link="$WINEPREFIX/dosdevices/unc/orvosrv/share"
FOLDER_SHOWN='\\orvosrv\share\Pellmore'
printf '5.0.3.90\r\n' >"$ORVO_PROGRAM/Version.dat"
printf '[Settings]\r\nsDir_InstallPath=%s\r\n' "$FOLDER_SHOWN" >"$ORVO_PROGRAM/install.ini"
orvo_temp_folder || orvo_fail "no temporary folder"
cp "$ORVO_EXE" "$ORVO_TEMP_UNIX/Orvo.EXE"
ORVO_LINKS+=("$ORVO_TEMP_UNIX/Orvo.EXE")
: >"$ORVO_STUB_RECORD_UNIX"
lose_share_while_copying "$link" "$ORVO_WORK/unc.log" "$ORVO_TEMP_WIN\Orvo.EXE"
launcher=$ORVO_PID wid=$WID
ln -s "$server" "$link"
orvo_key "$wid" Return
orvo_wait_exit "$launcher" 30 || orvo_fail "the launcher did not end after Retry"
orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "Retry did not complete the copy from the share"
[ -z "$(orvo_copy_differences "$install" "$ORVO_PROGRAM")" ] || orvo_fail "the copy from the share differs"
grep -qF "$FOLDER_SHOWN" "$ORVO_PROGRAM/install.ini" || orvo_fail "the new copy does not record the share"
echo "share lost: Retry completed, Cancel started nothing, the next start repaired (drive letter and UNC)"
