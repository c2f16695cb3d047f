#!/usr/bin/env bash
# "Virtual Printer Setup" with the spooler stopped, then running:
# - Install with the spooler stopped asks for the restart of Windows, which
#   is answered No; the products are installed all the same;
# - with both products installed and the printer gone, Repair, Reinstall and
#   Uninstall are offered; Repair runs the vendor's set-up tool with the
#   printer's arguments, the printer is back and reported repaired.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_printer_packages "$install"
title="Virtual Printer Setup"
installed() { [[ $(orvo_msi_state "$1") == "state=5 "* ]]; }

orvo_spooler stop
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
orvo_find_window "$title" >/dev/null || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
xdotool mousemove 0 0
[ "$(orvo_printer_links)" = "1025 " ] || orvo_fail "offered without a printer: $(orvo_printer_links)"
text=$(orvo_printer_action 1025)
grep -qF "Your computer must be restarted to complete the install. Would you like to restart now?" \
  "$ORVO_WORK/questions" 2>/dev/null || orvo_fail "no restart question with the spooler stopped"
grep -qF "Pellmore Virtual Printer Install." <<<"$text" || orvo_fail "install: $text"
installed "$(orvo_printer_driver_code)" && installed "$(orvo_printer_oem_code)" || orvo_fail "products not installed"
orvo_click_control "$title" 8 || orvo_fail "Close not clickable"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Close"

orvo_spooler start
orvo_remove_printer "$ORVO_CURRENT_PRINTER"
tool="$(orvo_program_files)/Softland/novaPDF 8/Driver"
mkdir -p "$tool"
cp "$ORVO_STUB_DIR/stub_printerutils.exe" "$tool/printerutils.exe"
rm -f "$ORVO_WORK/questions"
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
wid=$(orvo_find_window "$title") || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
xdotool mousemove 0 0
[ "$(orvo_printer_links)" = "1026 1027 1028 " ] || orvo_fail "offered without the printer: $(orvo_printer_links)"
orvo_screenshot "$wid" printer_manager_repair_offer
: >"$ORVO_STUB_RECORD_UNIX"
text=$(orvo_printer_action 1027 printer_manager_repair_done)
grep -qF "Pellmore Virtual Printer Repair." <<<"$text" || orvo_fail "repair: $text"
line=$(grep -F "printerutils.exe" "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
[[ "$line" == *" /op=2 /dn=novaPDF 8 /oem=PLM-ORVO-VP8-5KQ2 /sp=8501 /pn=Pellmore Virtual Printer /po=novaPDF8 /dp=No" ]] ||
  orvo_fail "set-up tool: $line"
orvo_printer_exists "$ORVO_CURRENT_PRINTER" || orvo_fail "no printer after the repair"
[ -e "$ORVO_WORK/questions" ] && orvo_fail "asked with the spooler running: $(cat "$ORVO_WORK/questions")"
orvo_click_control "$title" 8 || orvo_fail "Close not clickable"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Close"
echo "printer manager: restart question with the spooler stopped, repair through the set-up tool"
