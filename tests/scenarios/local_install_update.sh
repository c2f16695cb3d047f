#!/usr/bin/env bash
# The network installation was updated: the next start replaces the local
# program folder by exactly the files of the installation's copy list, tells
# the suite's other windows once (both parameters 0), and starts the launcher
# again from the local copy with " /SkipLocalCheck". The start after that
# finds the copy current and starts the main program from it.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
orvo_use_record

orvo_start "$ORVO_WORK/listener.log" "$ORVO_STUB_DIR/stub_window.exe" /title:OrvoListener \
  /recordmsg:WM_PELLMORE_LOCAL_INSTALL /timeout:60000
orvo_find_window OrvoListener >/dev/null || orvo_fail "the listening window did not appear"
listener=$ORVO_PID

orvo_run "$ORVO_WORK/run.log" "$install/Launcher.exe" || orvo_fail "the launcher failed: $(cat "$ORVO_WORK/run.log")"
line=$(orvo_wait_record '^Orvo\.EXE	') || orvo_fail "the launcher was not started again from the local copy"
[ "$(cut -f2 <<<"$line")" = "$(orvo_winpath "$ORVO_PROGRAM")" ] || orvo_fail "relaunched in $(cut -f2 <<<"$line")"
[[ "$(cut -f3 <<<"$line")" == *' /Restarted /SkipLocalCheck'* ]] || orvo_fail "relaunch command line: $line"
differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
[ -z "$differences" ] || orvo_fail "the local copy is not the installation's: $differences"
[ "$(grep -c 'WM_PELLMORE_LOCAL_INSTALL' "$ORVO_STUB_RECORD_UNIX")" = 1 ] || orvo_fail "broadcast not received once"
orvo_wait_record '^stub_window\.exe	.*	WM_PELLMORE_LOCAL_INSTALL wParam=0 lParam=0$' >/dev/null ||
  orvo_fail "the broadcast carried parameters"
grep -q '^PellmoreOrvo' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the main program started during the update"
kill "$listener" 2>/dev/null || true

# The copy is current now: the main program starts from it.
orvo_run "$ORVO_WORK/run2.log" "$install/Launcher.exe" || orvo_fail "the second start failed"
line=$(orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:') || orvo_fail "the main program was not started"
[ "$(cut -f2 <<<"$line")" = "$(orvo_winpath "$ORVO_PROGRAM")" ] || orvo_fail "main program started in $(cut -f2 <<<"$line")"
echo "update: local copy replaced, relaunch recorded: $(cut -f3 <<<"$(grep '^Orvo\.EXE' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')")"
