#!/usr/bin/env bash
# A start while the installation is being updated (its marker is there)
# never runs the half-updated files. From a current local copy the prompt
# offers "Continue Working in Orvo", which starts the local main program;
# "Relaunch Orvo Update" starts it with "/InternetUpdate" before the agency;
# "&Exit", the close box and Escape start nothing (Escape leaves the prompt
# open). With "/NoLocal" it offers "Wait for Update to Complete". Started
# from the installation itself, the launcher first moves to its temporary
# copy, without a prompt. Screenshots of both forms of the prompt are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
: >"$install/Pellmore.UpdateInProgress.inc"
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
# A current local copy, with the real launcher and the main program.
mkdir -p "$ORVO_PROGRAM"
cp "$install/Launcher.exe" "$ORVO_PROGRAM/Orvo.exe"
cp "$install/PellmoreOrvo.EXE" "$install/Version.dat" "$install/Network.ini" "$ORVO_PROGRAM/"
printf '[Settings]\r\nsDir_InstallPath=%s\r\n' "$(orvo_winpath "$install")" >"$ORVO_PROGRAM/install.ini"
title="Orvo Installer"
local_win=$(orvo_winpath "$ORVO_PROGRAM")

# prompt ARGS...: starts the local launcher and waits for the prompt.
prompt() {
  orvo_use_record
  orvo_start "$ORVO_WORK/run.log" "$ORVO_PROGRAM/Orvo.exe" "$@"
  wid=$(orvo_find_window "$title" 30) || orvo_fail "no prompt for $*"
}
started() { grep -a 'LaunchSrc' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r'; }

prompt
# A command link's window text is its note.
view=$(orvo_inspect "$title")
grep -q '^id=1026 .*text=Launch the current version of Orvo. You will be prompted when the update is complete.$' \
  <<<"$view" || orvo_fail "no continue link: $view"
grep -q '^id=1025 .*text=Select this if update was not successful.$' <<<"$view" || orvo_fail "no relaunch link: $view"
orvo_screenshot "$wid" update_in_progress_continue
orvo_key "$wid" Escape
sleep 0.5
orvo_find_window "$title" 2 >/dev/null || orvo_fail "Escape closed the prompt"
orvo_click_control "$title" 1026
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Continue"
line=$(orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:') || orvo_fail "Continue started nothing"
[ "$(cut -f2 <<<"$line")" = "$local_win" ] || orvo_fail "the main program started in $(cut -f2 <<<"$line")"
[[ "$line" == *InternetUpdate* ]] && orvo_fail "Continue asked for the update: $line"

prompt
orvo_click_control "$title" 1025
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Relaunch"
line=$(orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:') || orvo_fail "Relaunch started nothing"
[[ "$line" == *' /InternetUpdate /AGENCYID:12 /LaunchSrc:"Orvo.exe"' ]] || orvo_fail "Relaunch: $line"

prompt
orvo_click_control "$title" 8
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Exit"
[ -z "$(started)" ] || orvo_fail "Exit started the main program"
prompt
orvo_key "$wid" alt+F4
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after the close box"
[ -z "$(started)" ] || orvo_fail "closing started the main program"

prompt /NoLocal
grep -q '^id=1027 .*text=Close this dialog. You will have to launch Orvo after the update is complete.$' \
  <<<"$(orvo_inspect "$title")" || orvo_fail "no wait link with /NoLocal"
orvo_screenshot "$wid" update_in_progress_wait
orvo_click_control "$title" 1027
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Wait"
[ -z "$(started)" ] || orvo_fail "Wait started the main program"

# From the installation being updated: away to the temporary copy first.
orvo_temp_folder || orvo_fail "no temporary folder"
orvo_use_record
orvo_run "$ORVO_WORK/install.log" "$install/Launcher.exe" || orvo_fail "the launcher failed in the installation"
line=$(orvo_wait_record '^Orvo\.EXE	') || orvo_fail "no temporary copy was started"
[ "$(cut -f2 <<<"$line")" = "$ORVO_TEMP_WIN" ] || orvo_fail "the copy started in $(cut -f2 <<<"$line")"
[[ "$line" == *'/Restarted'* ]] || orvo_fail "the temporary copy lacks /Restarted: $line"
orvo_find_window "$title" 1 >/dev/null 2>&1 && orvo_fail "a prompt was shown before the move"
rm -f "$ORVO_TEMP_UNIX/Orvo.EXE"
echo "update in progress: continue, relaunch, exit, close, wait, and the move away from the installation"
