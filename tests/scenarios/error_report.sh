#!/usr/bin/env bash
# The error report after a failed installation run: the dialog comes up with
# the banner and one panel per failed component (as rich text: Wine has no
# HTML engine), "&No" ends it with Cancel and Return answers "&Yes". The
# header banner alone is shot at 96 dpi as well, and the modeless wait
# window, which Escape cancels. Screenshots are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
driver="$ORVO_STUB_DIR/drive_error_report.exe"
orvo_use_record

# No: Alt+N presses the "&No" button.
orvo_start "$ORVO_WORK/no.log" "$driver"
wid=$(orvo_find_window "Pellmore Orvo") || { cat "$ORVO_WORK/no.log"; orvo_fail "dialog not shown"; }
orvo_wait_record 'view=' >/dev/null || orvo_fail "the dialog did not initialise"
[[ $(orvo_last_record) == *"view=RichText" ]] || orvo_fail "report not shown as rich text: $(orvo_last_record)"
orvo_screenshot "$wid" error_report_dialog
orvo_key "$wid" alt+n
orvo_wait_record 'result=' >/dev/null || orvo_fail "the dialog did not end on No"
[[ $(orvo_last_record) == *"result=No code=2" ]] || orvo_fail "not ended with No: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"

# Yes is the default button.
orvo_use_record
orvo_start "$ORVO_WORK/yes.log" "$driver"
wid=$(orvo_find_window "Pellmore Orvo") || orvo_fail "dialog not shown again"
orvo_wait_record 'view=' >/dev/null || orvo_fail "the dialog did not initialise"
orvo_key "$wid" Return
orvo_wait_record 'result=' >/dev/null || orvo_fail "the dialog did not end on Yes"
[[ $(orvo_last_record) == *"result=Yes code=1" ]] || orvo_fail "not ended with Yes: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"

# The banner on a plain window.
orvo_start "$ORVO_WORK/banner.log" "$driver" /banner
wid=$(orvo_find_window "Header Banner") || orvo_fail "banner window not shown"
orvo_screenshot "$wid" header_banner_96dpi
orvo_key "$wid" Escape
orvo_wait_record 'banner=closed' >/dev/null || orvo_fail "the banner window did not close"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
# The modeless wait window: Escape cancels it.
orvo_start "$ORVO_WORK/wait.log" "$driver" /wait
wid=$(orvo_find_window "Orvo") || orvo_fail "wait window not shown"
orvo_wait_record 'wait=shown' >/dev/null || orvo_fail "the wait window did not come up"
sleep 1.5 # a step or two of the progress bar
orvo_screenshot "$wid" wait_window
orvo_key "$wid" Escape
orvo_wait_record 'wait=(cancelled|timeout)' >/dev/null || orvo_fail "the wait window did not end"
[[ $(orvo_last_record) == *"wait=cancelled" ]] || orvo_fail "Escape did not cancel: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
echo "error report: rich-text report, No ends with 2, Yes with 1; banner and wait window shot, Escape cancels"
