#!/usr/bin/env bash
# A start that did not complete leaves "LaunchBit" at 1: the next start asks
# whether to re-check the components. No keeps the record as it was; Yes
# resets it and examines every component again. Either way the components
# still missing keep the main program from starting.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record

# answer_boxes KEY SHOT: answers the question with KEY, then the note that
# components are missing with Return.
answer_boxes() {
  local wid
  wid=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no question was asked"
  [ -n "${2:-}" ] && orvo_screenshot "$wid" "$2"
  orvo_key "$wid" "$1"
  for _ in $(seq 1 50); do xdotool getwindowname "$wid" >/dev/null 2>&1 || break; sleep 0.1; done
  wid=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "the missing components were not mentioned"
  orvo_key "$wid" Return
}

orvo_launch_bit 1 >/dev/null
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe"
answer_boxes n launch_bit_question
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after No"
[ "$(orvo_record_value "$install" Installed)" = 3331 ] || orvo_fail "No changed the record"

orvo_start "$ORVO_WORK/run2.log" "$install/Orvo.exe"
answer_boxes y
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Yes"
[ "$(orvo_record_value "$install" Installed)" = 0 ] || orvo_fail "Yes did not reset the record"
[ "$(orvo_record_value "$install" Version)" = 5.0.3.90 ] || orvo_fail "the version was not rewritten"
grep -q 'LaunchSrc' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the main program started with components missing"
echo "LaunchBit question: No kept the record, Yes reset it"
