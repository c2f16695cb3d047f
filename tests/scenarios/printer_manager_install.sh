#!/usr/bin/env bash
# "Orvo.exe /InstallVPrint" on a workstation without a virtual printer, the
# installation holding both printer packages: the manager offers only
# "Install Virtual Printer"; with the spooler running the installation runs
# in the launcher window and is reported as done, the products are
# installed, the printer opens, the relay program is copied and no preferred
# printer is stored; "&Refresh" then offers Reinstall and Uninstall, and
# "&Close" ends the run without starting the main program. The Windows
# default printer is never touched.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_printer_packages "$install"
orvo_spooler start
title="Virtual Printer Setup"
devices='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows'
default_before=$("$ORVO_WINE" reg query "$devices" /v Device 2>/dev/null </dev/null | tr -d '\r' || true)

orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
wid=$(orvo_find_window "$title") || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
xdotool mousemove 0 0
orvo_screenshot "$wid" printer_manager_install_offer
controls=$(orvo_inspect "$title")
grep -q '^id=1025 .*text=Install Virtual Printer$' <<<"$controls" || orvo_fail "no Install link: $controls"
for id in 1026 1027 1028 1029 1030; do
  grep -q "^id=$id " <<<"$controls" && orvo_fail "link $id offered without a printer: $controls"
done
grep -q '^id=4 .*text=&Refresh$' <<<"$controls" || orvo_fail "no Refresh: $controls"
grep -q '^id=8 .*text=&Close$' <<<"$controls" || orvo_fail "no Close: $controls"

orvo_click_control "$title" 1025 || orvo_fail "Install link not clickable"
# The launcher window shows the action with its marquee while it waits.
orvo=$(orvo_find_window "Orvo" 20) || orvo_fail "no action window"
ORVO_SHOT_DELAY=1 orvo_screenshot "$orvo" printer_manager_action_window
box=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "no result box"
text=$(orvo_window_text "Pellmore Orvo")
grep -qF "Pellmore Virtual Printer Install." <<<"$text" || orvo_fail "result: $text"
orvo_screenshot "$box" printer_manager_install_done
[[ $(orvo_msi_state "$(orvo_printer_driver_code)") == "state=5 "* ]] || orvo_fail "driver product not installed"
[[ $(orvo_msi_state "$(orvo_printer_oem_code)") == "state=5 "* ]] || orvo_fail "OEM product not installed"
orvo_printer_exists "$ORVO_CURRENT_PRINTER" || orvo_fail "no printer after the installation"
[ -f "$(orvo_program_files)/Pellmore/Pellmore Components/PDF Printer/OrvoPrinterRelay.exe" ] ||
  orvo_fail "the relay program was not copied"
[ -z "$(orvo_preferred_printer HKLM)$(orvo_preferred_printer HKCU)" ] || orvo_fail "a preferred printer was stored"
orvo_key "$box" Return

# The manager comes back; Refresh rebuilds its links.
orvo_wait_gone "Pellmore Orvo" 10 || orvo_fail "the result box stayed"
wid=$(orvo_find_window "$title") || orvo_fail "the manager did not come back"
orvo_click_control "$title" 4 || orvo_fail "Refresh not clickable"
sleep 1
wid=$(orvo_find_window "$title") || orvo_fail "no manager after Refresh"
controls=$(orvo_inspect "$title")
grep -q '^id=1028 .*text=Reinstall Virtual Printer$' <<<"$controls" || orvo_fail "no Reinstall: $controls"
grep -q '^id=1026 .*text=Uninstall Virtual Printer$' <<<"$controls" || orvo_fail "no Uninstall: $controls"
grep -q '^id=1025 ' <<<"$controls" && orvo_fail "Install still offered: $controls"
xdotool mousemove 0 0
orvo_screenshot "$wid" printer_manager_installed
orvo_click_control "$title" 8 || orvo_fail "Close not clickable"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Close"
grep -q 'PellmoreOrvo' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the main program was started"
default_after=$("$ORVO_WINE" reg query "$devices" /v Device 2>/dev/null </dev/null | tr -d '\r' || true)
[ "$default_before" = "$default_after" ] || orvo_fail "the Windows default printer changed: $default_after"
echo "printer manager: installed through the manager, then offered Reinstall and Uninstall"
