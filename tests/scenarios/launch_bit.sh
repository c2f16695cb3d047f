#!/usr/bin/env bash
# A start that did not complete leaves "LaunchBit" at 1: the next start asks
# whether to re-check the components. No keeps the record as it was; Yes
# resets it and examines every component again. ("/NoConfirm": what is
# missing is then installed in this run, and the error report answered Yes,
# so nothing is recorded for the failures.)
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record

# answer_question KEY [SHOT]: answers the question, then the error report with Yes.
answer_question() {
  local wid
  wid=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no question was asked"
  [ -n "${2:-}" ] && orvo_screenshot "$wid" "$2"
  orvo_key "$wid" "$1"
  orvo_wait_gone "Pellmore Orvo" 10 || orvo_fail "the question stayed"
  wid=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "no error report for the missing components"
  orvo_key "$wid" y
}

orvo_launch_bit 1 >/dev/null
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /NoConfirm
answer_question n launch_bit_question
orvo_wait_exit "$ORVO_PID" 30 || orvo_fail "the launcher did not end after No"
[ "$(orvo_record_value "$install" Installed)" = 3331 ] || orvo_fail "No changed the record"

orvo_launch_bit 1 >/dev/null
orvo_start "$ORVO_WORK/run2.log" "$install/Orvo.exe" /NoConfirm
answer_question y
orvo_wait_exit "$ORVO_PID" 30 || orvo_fail "the launcher did not end after Yes"
[ "$(orvo_record_value "$install" Installed)" = 0 ] || orvo_fail "Yes did not reset the record"
[ "$(orvo_record_value "$install" Version)" = 5.0.3.90 ] || orvo_fail "the version was not rewritten"
echo "LaunchBit question: No kept the record, Yes reset it"
