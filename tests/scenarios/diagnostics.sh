#!/usr/bin/env bash
# "/SafeMode" opens the diagnostics dialog: the parsed command line and each
# component's state in sortable lists. The debugging options set there reach
# the main program; clearing a bare "/DebugMode" leaves no level behind.
# "Reinstall local files" removes the local copy's version file; "&System
# Info" calls the utility library with the dialog (or says it is missing);
# Exit starts nothing. Screenshots of the dialog unsorted and sorted are kept.
# "&Install Required Components" adds what its installing copy reports to the
# record as it is then, keeping the reset that copy made.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
trap 'orvo_restore_local_appdata; orvo_cleanup' EXIT
orvo_use_record
title="Pellmore Orvo v.5.0.3.90 Diagnostics"

open_dialog() {
  orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" "$@"
  wid=$(orvo_find_window "$title" 30) || orvo_fail "no diagnostics dialog for $*"
}
# check ID 0|1: the check box's state as the dialog shows it, after a click if needed.
set_check() {
  local line
  line=$(orvo_control_line "$title" "$1")
  if [[ "$line" != *"checked=$2"* ]]; then orvo_click_control "$title" "$1"; fi
}
launched_line() { orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' 30 | cut -f3; }

open_dialog /SafeMode a.txt
view=$(orvo_inspect "$title")
grep -q $'^row=0 image=[-0-9]* text=Param: 0\t' <<<"$view" || orvo_fail "no token rows: $view"
grep -q $'text=----------\t$' <<<"$view" || orvo_fail "no divider: $view"
[ "$(grep -c $'text=bCFG\tFALSE$' <<<"$view")" = 2 ] || orvo_fail "bCFG not twice: $view"
grep -q $'text=bSafeMode\tTRUE$' <<<"$view" || orvo_fail "safe mode not shown: $view"
grep -q $'text=sFilename\ta.txt$' <<<"$view" || orvo_fail "file name not shown: $view"
grep -q $'text=.NET Framework v4.8\tYes\tNo\t' <<<"$view" || orvo_fail "no component rows: $view"
[ "$(grep -c '^id=1016 enabled=0 ' <<<"$view")" = 1 ] || orvo_fail "debug options enabled without debug mode: $view"
orvo_screenshot "$wid" diagnostics_dialog

# Sort the component list by "Installed Version": a click, then the reverse.
rect=$(orvo_control_line "$title" 1001 | sed -n 's/.* rect=\([-0-9,]*\) .*/\1/p')
IFS=, read -r l t r b <<<"$rect"
orvo_focus "$wid"
xdotool mousemove $((l + 12)) $((t + 10)) click 1
sleep 0.7
first=$(orvo_inspect "$title" | grep -m1 '^row=0 ' | cut -d= -f4)
xdotool mousemove $((l + 12)) $((t + 10)) click 1
sleep 0.7
reversed=$(orvo_inspect "$title" | grep -m1 '^row=0 ' | cut -d= -f4)
[ "$first" != "$reversed" ] || orvo_fail "the second header click did not reverse the order: $first"
orvo_screenshot "$wid" diagnostics_dialog_sorted

set_check 1015 1
[[ $(orvo_control_line "$title" 1017) == *"enabled=1"* ]] || orvo_fail "Verbose not enabled with debug mode"
set_check 1017 1
set_check 1018 0
set_check 1014 0
orvo_key "$wid" Return
command=$(launched_line) || orvo_fail "Launch started no main program"
[[ "$command" == *' a.txt /DebugVerbose /DebugNoisy /DebugMode:-1 /AGENCYID:12 /LaunchSrc:"Orvo.exe"' ]] ||
  orvo_fail "the options did not reach the main program: $command"
[[ "$command" == *SafeMode* ]] && orvo_fail "safe mode still passed on: $command"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Launch"

# A bare "/DebugMode" cleared in the dialog leaves no level; the local
# version file goes with "Reinstall local files".
mkdir -p "$ORVO_PROGRAM"
printf '5.0.3.90\r\n' >"$ORVO_PROGRAM/version.dat"
orvo_use_record
open_dialog /SafeMode /DebugMode
set_check 1015 0
[[ $(orvo_control_line "$title" 1016) == *"enabled=0"* ]] || orvo_fail "Clear Debug Log still enabled"
set_check 1014 0
set_check 1019 1
orvo_key "$wid" Return
command=$(launched_line) || orvo_fail "Launch started no main program"
[[ "$command" == *DebugMode* ]] && orvo_fail "a cleared debug mode reached the main program: $command"
[ -e "$ORVO_PROGRAM/version.dat" ] && orvo_fail "Reinstall local files left the local version file"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"

# System Info with and without the utility library; Exit starts nothing.
cp "$ORVO_STUB_DIR/Utilities.dll" "$install/Utilities.dll"
orvo_use_record
open_dialog /SafeMode
orvo_click_control "$title" 1005
orvo_wait_record 'expDlgSystemInfo\(window\)' >/dev/null || orvo_fail "System Info did not call the library with the dialog"
rm -f "$install/Utilities.dll"
orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "Exit did not end the launcher"
open_dialog /SafeMode
orvo_click_control "$title" 1005
box=$(orvo_find_window "Pellmore Orvo" 20) || orvo_fail "no message without the library"
[[ $(orvo_inspect "Pellmore Orvo") == *"System Info is not currently available. It requires components that have not yet been installed."* ]] ||
  orvo_fail "not the missing-library message"
orvo_key "$box" Return
orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "Exit did not end the launcher"
grep -aq 'LaunchSrc' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "Exit started the main program"

# Everything is installed; the record says more (0xD03). The installing copy
# ("/Install") resets it and records what it finds (0xC03) while the prompt
# waits; the dialog must not put the old bits back.
orvo_prerequisites_present "$install" dotnet runtime engine vendor
orvo_write_record "$install" 3331 5.0.3.90
open_dialog /SafeMode
# The copy must open no diagnostics dialog of its own: safe mode off, taken
# into the arguments by the debug-mode box's data exchange.
set_check 1014 0
set_check 1015 1
set_check 1015 0
orvo_click_control "$title" 1003
orvo_find_window "Orvo" 20 >/dev/null || orvo_fail "no install prompt"
orvo_wait_gone "Orvo" 60 || orvo_fail "the installing copy did not report"
sleep 1
orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "Exit did not end the launcher"
[ "$(orvo_record_value "$install" Installed)" = 3075 ] ||
  orvo_fail "the reset made meanwhile was undone: Installed=$(orvo_record_value "$install" Installed)"
echo "diagnostics: parameters and components shown, options passed on, System Info, Exit, record merged"
