#!/usr/bin/env bash
# The user closes the launcher window while the printer manager installs the
# printer: the action in hand runs to its end, but no result box waits, the
# manager does not come back and the launcher ends within seconds of it.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_printer_packages "$install"
orvo_spooler start
title="Virtual Printer Setup"

orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
orvo_find_window "$title" >/dev/null || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
orvo_click_control "$title" 1025 || orvo_fail "Install link not clickable"
orvo=$(orvo_find_window "Orvo" 20) || orvo_fail "no action window"
orvo_key "$orvo" alt+F4
orvo_wait_exit "$ORVO_PID" 60 || orvo_fail "the launcher went on after its window was closed"
grep -q 'PellmoreOrvo' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the main program was started"
echo "printer manager: closed during an action, the launcher ended"
