#!/usr/bin/env bash
# An installing copy started with "/CtrlWnd:" and "/CtrlMsg:" tells the
# launcher that waits for it the installed-component bits and starts no main
# program. With one of the two options only, the main program starts and
# nothing is sent; a dead window handle or a system message number (16,
# WM_CLOSE) gets nothing either.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record

orvo_start "$ORVO_WORK/parent.log" "$ORVO_STUB_DIR/stub_parent_window.exe" /StubStay:60000
parent_pid=$ORVO_PID
handle=$(orvo_wait_record 'window=[0-9]+$' | sed 's/.*window=//') || orvo_fail "the parent window did not start"

orvo_run "$ORVO_WORK/run.log" "$install/Orvo.exe" "/CtrlWnd:$handle" /CtrlMsg:2256
orvo_wait_record 'message=2256 wParam=3331 lParam=0$' >/dev/null || orvo_fail "the parent got no reply"
grep -q 'LaunchSrc' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the installing copy started the main program"

orvo_run "$ORVO_WORK/run2.log" "$install/Orvo.exe" "/CtrlWnd:$handle" /CtrlMsg:16
orvo_run "$ORVO_WORK/run3.log" "$install/Orvo.exe" "/CtrlWnd:$handle"
orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' >/dev/null || orvo_fail "one option alone did not start the main program"
kill -0 "$parent_pid" 2>/dev/null || orvo_fail "message 16 reached the parent"
[ "$(grep -c 'message=' "$ORVO_STUB_RECORD_UNIX")" = 1 ] || orvo_fail "more than one message was sent"

# A handle whose window is gone.
kill "$parent_pid" 2>/dev/null || true
orvo_wait_exit "$parent_pid" 10 || true
orvo_run "$ORVO_WORK/run4.log" "$install/Orvo.exe" "/CtrlWnd:$handle" /CtrlMsg:2256 || orvo_fail "a dead handle made the launcher fail"
[ "$(grep -c 'message=' "$ORVO_STUB_RECORD_UNIX")" = 1 ] || orvo_fail "a message went to a dead handle"
echo "the parent got wParam 3331 once"
