#!/usr/bin/env bash
# Two Pellmore printers: the manager offers "Select Virtual Printer", whose
# dialog stores the choice machine-wide when "Software\Pellmore" exists
# there (the per-user value goes), per user otherwise (the key is made);
# choosing "Pellmore Virtual Printer" clears both.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_printer "$ORVO_CURRENT_PRINTER" driver_novapdf_8_10
orvo_printer "Pellmore Orvo Virtual Printer" driver_amyuni_3000
title="Virtual Printer Setup"
select="Choose Default Pellmore Virtual Printer"
# The per-user value is the launcher's own key; the machine key is made here.
orvo_reg add 'HKLM\Software\Pellmore' /v Other /t REG_SZ /d x /f /reg:32
orvo_on_exit "orvo_reg delete 'HKLM\\Software\\Pellmore' /f /reg:32"
orvo_on_exit "orvo_reg delete 'HKCU\\Software\\Pellmore' /v PreferredVPrinter /f"
orvo_reg add 'HKCU\Software\Pellmore' /v PreferredVPrinter /t REG_SZ /d "Pellmore Orvo Printer Old" /f

# choose NAME_KEYS: opens the selection, picks with the keys, OK.
choose() {
  orvo_click_control "$title" 1030 || orvo_fail "no Select link: $(orvo_inspect "$title")"
  local wid
  wid=$(orvo_find_window "$select") || orvo_fail "no selection dialog"
  [ -n "${2:-}" ] && orvo_screenshot "$wid" "$2"
  orvo_key "$wid" "$1"
  orvo_click_control "$select" 1 || orvo_fail "no OK"
  # A change to the first generation asks for a restart of the program.
  if box=$(orvo_find_window "Pellmore Orvo" 2 2>/dev/null); then
    [ -n "${3:-}" ] && orvo_screenshot "$box" "$3"
    orvo_key "$box" Return
  fi
  orvo_wait_gone "$select" 10 || orvo_fail "the selection stayed"
  orvo_find_window "$title" >/dev/null || orvo_fail "the manager did not come back"
}

orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
wid=$(orvo_find_window "$title") || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
xdotool mousemove 0 0
orvo_screenshot "$wid" printer_manager_select_offer
grep -q '^id=1030 .*text=Select Virtual Printer$' <<<"$(orvo_inspect "$title")" || orvo_fail "no Select link"
# Sorted: "Pellmore Orvo Virtual Printer" first; Home picks it.
choose Home printer_select_dialog printer_select_restart_note
[ "$(orvo_preferred_printer HKLM)" = "Pellmore Orvo Virtual Printer" ] || orvo_fail "machine value: $(orvo_preferred_printer HKLM)"
[ -z "$(orvo_preferred_printer HKCU)" ] || orvo_fail "the per-user value stayed"

orvo_reg delete 'HKLM\Software\Pellmore' /f /reg:32 || true
orvo_reg delete 'HKCU\Software\Pellmore' /v PreferredVPrinter /f || true
choose Home
[ "$(orvo_preferred_printer HKCU)" = "Pellmore Orvo Virtual Printer" ] || orvo_fail "per-user value: $(orvo_preferred_printer HKCU)"
[ -z "$(orvo_preferred_printer HKLM)" ] || orvo_fail "a machine value without the machine key"

choose End
[ -z "$(orvo_preferred_printer HKCU)$(orvo_preferred_printer HKLM)" ] || orvo_fail "the current printer was stored"
orvo_click_control "$title" 8 || orvo_fail "Close not clickable"
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"
echo "printer select: machine-wide, per user, cleared"
