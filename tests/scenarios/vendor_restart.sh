#!/usr/bin/env bash
# A components package that asks for a restart (its installer answers 3010)
# is a success: the unattended run logs it and asks nothing; an interactive
# installing run ("/Install /NoConfirm") offers the restart at its end, after
# the error report for what it could not install (answered No both times,
# so nothing restarts), and ends.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime engine
code='{6B2D7E41-9A3C-4F5E-8D1B-2C3E4F5A6B02}'
orvo_vendor_package "$install" vendor_scenario_reboot "$code"

text=$(orvo_silent_install "$ORVO_WORK/install.log" "$install")
grep -qxF "    Succeeded: Pellmore Components/PellLink" <<<"$text" || orvo_fail "not installed: $text"
grep -q '^End Time: ' <<<"$text" || orvo_fail "the silent run did not end: $text"
[[ $(orvo_msi_state "$code") == "state=5 "* ]] || orvo_fail "product: $(orvo_msi_state "$code")"

orvo_msi_remove "$code"
orvo_failing_printer "$install"
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /Install /NoConfirm
report=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "no error report (the printer's relay cannot be copied)"
orvo_inspect "Pellmore Orvo" | grep -q "must be restarted" && orvo_fail "the restart was offered before the report"
orvo_key "$report" n
question=""
for _ in $(seq 1 100); do
  if orvo_inspect "Pellmore Orvo" | grep -q "Your computer must be restarted to complete the install. Would you like to restart now?"; then
    question=$(orvo_find_window "Pellmore Orvo" 5)
    break
  fi
  sleep 0.1
done
[ -n "$question" ] || orvo_fail "no restart offered"
orvo_screenshot "$question" vendor_restart_offer
orvo_key "$question" n
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"
[[ $(orvo_msi_state "$code") == "state=5 "* ]] || orvo_fail "product: $(orvo_msi_state "$code")"
echo "the package's restart was offered only in the interactive run"
