#!/usr/bin/env bash
# "/NoConfirm" on a workstation whose record lacks the Visual C++ runtime and
# the database engine: the launcher window installs them at once and the
# error report shows one panel per failure, in list order. Yes leaves the
# record as it was (try again next time); No records every component, so the
# next start goes straight to the main program. Screenshots of the window
# and the report are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 2305 5.0.3.90 # 0xD03 without 0x2 and 0x400
orvo_use_record

orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /NoConfirm
window=$(orvo_find_window "Orvo" 30) || orvo_fail "the launcher window was not shown"
ORVO_SHOT_DELAY=0.1 orvo_screenshot "$window" launcher_window_installing
report=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no error report"
text=$(orvo_report_text)
orvo_screenshot "$report" launcher_error_report
runtime=${text%%Microsoft Visual C++ Redistributable 14.15*}
engine=${text%%Microsoft Access Database Engine*}
[ "$runtime" != "$text" ] && [ "$engine" != "$text" ] || orvo_fail "the report lacks a failed component: $text"
[ ${#runtime} -lt ${#engine} ] || orvo_fail "the panels are not in list order: $text"
grep -q '.NET\|PellLink\|Virtual Printer' <<<"$text" && orvo_fail "the report shows components that were not tried: $text"
orvo_key "$report" y
orvo_wait_exit "$ORVO_PID" 30 || orvo_fail "the launcher did not end after Yes"
[ "$(orvo_record_value "$install" Installed)" = 2305 ] || orvo_fail "Yes changed the record"
orvo_wait_record '^PellmoreOrvo\.EXE	.*/NoConfirm /AGENCYID:12' >/dev/null || orvo_fail "the main program did not start"

orvo_start "$ORVO_WORK/run2.log" "$install/Orvo.exe" /NoConfirm
report=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no error report the second time"
orvo_key "$report" n
orvo_wait_exit "$ORVO_PID" 30 || orvo_fail "the launcher did not end after No"
[ "$(orvo_record_value "$install" Installed)" = 3331 ] || orvo_fail "No did not record every component"

orvo_use_record
orvo_run "$ORVO_WORK/run3.log" "$install/Orvo.exe" || orvo_fail "the third start failed"
orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' >/dev/null || orvo_fail "the next start did not launch"
echo "error report: Yes kept 2305, No recorded 3331, the next start launched"
