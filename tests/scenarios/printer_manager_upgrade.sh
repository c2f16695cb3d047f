#!/usr/bin/env bash
# Upgrades in "Virtual Printer Setup", the spooler running:
# - a first-generation printer (build 3000) beside the current one: Upgrade,
#   Uninstall and, for the two Pellmore printers, Select are offered; Upgrade runs the first generation's installer
#   by its full path with "-u -s", takes both products away and installs
#   them again, and the old printer is gone;
# - a novaPDF 7.9 printer: its uninstaller gets "/VERYSILENT /NORESTART
#   /RESTARTEXITCODE=46", the printer profiles go, both packages install;
# - the same printer without its uninstaller: the upgrade fails with the
#   uninstaller message, its "<br/>" as line breaks, and nothing installed;
# - a 7.5 printer is no installed printer: its upgrade runs no uninstaller.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_printer_packages "$install"
orvo_spooler start
title="Virtual Printer Setup"
v1="Pellmore Orvo Virtual Printer"
relay_folder="$(orvo_program_files)/Pellmore/Pellmore Components/PDF Printer"

manager() {
  orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /InstallVPrint
  orvo_find_window "$title" >/dev/null || orvo_fail "no manager: $(cat "$ORVO_WORK/run.log")"
  xdotool mousemove 0 0
}
close_manager() {
  orvo_click_control "$title" 8 || orvo_fail "Close not clickable"
  orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end after Close"
}
installed() { [[ $(orvo_msi_state "$1") == "state=5 "* ]]; }
# legacy_printer STAND_IN: the current printer's name on a novaPDF 7 driver,
# its uninstaller in the relay program's folder.
legacy_printer() {
  orvo_printer "$ORVO_CURRENT_PRINTER" "$1"
  mkdir -p "$relay_folder"
  cp "$ORVO_STUB_DIR/stub_unins000.exe" "$relay_folder/unins000.exe"
}
# upgrade_over WHAT: a manager offering Upgrade and Uninstall, the upgrade
# chosen and reported as done; the record holds what it ran.
upgrade_over() {
  manager
  links=$(orvo_printer_links)
  [ "$links" = "1026 1029 " ] || orvo_fail "offered over $1: $links"
  : >"$ORVO_STUB_RECORD_UNIX"
  text=$(orvo_printer_action 1029)
  grep -qF "Pellmore Virtual Printer Upgrade." <<<"$text" || orvo_fail "upgrade over $1: $text"
}

# The first generation beside the current printer.
orvo_install_printer_products "$install"
orvo_printer_exists "$ORVO_CURRENT_PRINTER" || orvo_fail "the packages made no printer"
# A value of our own shows whether the printer was made again.
orvo_reg add "$ORVO_PRINT_KEY\\Printers\\$ORVO_CURRENT_PRINTER" /v OrvoScenario /t REG_SZ /d before /f
orvo_printer "$v1" driver_amyuni_3000
mkdir -p "$install/Installs/VPrinterV1"
cp "$ORVO_STUB_DIR/stub_vprinter_setup.exe" "$install/Installs/VPrinterV1/InstallPrinter.exe"
printf 'printer=%s\r\n' "$v1" >"$install/Installs/VPrinterV1/InstallPrinter.stub"
manager
links=$(orvo_printer_links)
[ "$links" = "1026 1029 1030 " ] || orvo_fail "offered over the first generation: $links"
orvo_screenshot "$(orvo_find_window "$title")" printer_manager_upgrade_offer
: >"$ORVO_STUB_RECORD_UNIX"
text=$(orvo_printer_action 1029 printer_manager_upgrade_done)
grep -qF "Pellmore Virtual Printer Upgrade." <<<"$text" || orvo_fail "upgrade: $text"
grep -qF "InstallPrinter.exe" "$ORVO_STUB_RECORD_UNIX" || orvo_fail "the first generation's uninstaller did not run"
line=$(grep -F "InstallPrinter.exe" "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
grep -qE '	"?[A-Z]:\\[^	]*\\Installs\\VPrinterV1\\InstallPrinter\.exe"? -u -s$' <<<"$line" ||
  orvo_fail "not run by its full path with -u -s: $line"
orvo_printer_exists "$v1" && orvo_fail "the first-generation printer stayed"
installed "$(orvo_printer_driver_code)" && installed "$(orvo_printer_oem_code)" || orvo_fail "products not installed again"
"$ORVO_WINE" reg query "$ORVO_PRINT_KEY\\Printers\\$ORVO_CURRENT_PRINTER" /v OrvoScenario >/dev/null 2>&1 </dev/null &&
  orvo_fail "the printer was not made again"
orvo_printer_exists "$ORVO_CURRENT_PRINTER" || orvo_fail "no printer after the upgrade"
links=$(orvo_printer_links)
[ "$links" = "1026 1028 " ] || orvo_fail "offered after the upgrade: $links"
close_manager
orvo_remove_printer_products

# The novaPDF 7.9 printer with its uninstaller and profiles.
legacy_printer driver_novapdf_7_9
profiles=()
for folder in "$WINEPREFIX/drive_c/windows/system32/spool/drivers/"{w32x86,x64}/3; do
  [ -d "$folder" ] && profiles+=("$folder/$ORVO_CURRENT_PRINTER.nvp")
done
appdata=$("$ORVO_WINE" winepath -u "$("$ORVO_WINE" cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')" \
  2>/dev/null </dev/null)
mkdir -p "$appdata/Softland/novaPDF"
orvo_on_exit "rm -rf '$appdata/Softland'"
profiles+=("$appdata/Softland/novaPDF/$ORVO_CURRENT_PRINTER.nvl")
for profile in "${profiles[@]}"; do
  printf 'profile' >"$profile"
  orvo_on_exit "rm -f '$profile'"
done
upgrade_over "novaPDF 7.9"
line=$(grep -F "unins000.exe" "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
[[ "$line" == *" /VERYSILENT /NORESTART /RESTARTEXITCODE=46" ]] || orvo_fail "uninstaller: $line"
for profile in "${profiles[@]}"; do
  [ -e "$profile" ] && orvo_fail "profile left: $profile"
done
installed "$(orvo_printer_driver_code)" && installed "$(orvo_printer_oem_code)" || orvo_fail "products not installed"
close_manager
orvo_remove_printer_products
rm -rf "$relay_folder"

# The same printer without its uninstaller.
orvo_printer "$ORVO_CURRENT_PRINTER" driver_novapdf_7_9
manager
text=$(orvo_printer_action 1029 printer_manager_upgrade_failed)
grep -qF "Pellmore Virtual Printer attempted to Upgrade but failed." <<<"$text" || orvo_fail "no failure: $text"
grep -qF "Could not locate the uninstaller." <<<"$text" || orvo_fail "no uninstaller message: $text"
# The inspection shows a line break as "|".
grep -qF 'Control Panel.||On Vista or Windows 7, open the Control Panel' <<<"$text" || orvo_fail "no line breaks: $text"
grep -qF "<br/>" <<<"$text" && orvo_fail "markup shown: $text"
installed "$(orvo_printer_driver_code)" && orvo_fail "installed over the printer that stayed"
close_manager

# A 7.5 printer fails the installed test, but the newer package still
# offers the upgrade: installed over it, no uninstaller runs.
legacy_printer driver_novapdf_7_5
upgrade_over "novaPDF 7.5"
grep -qF "unins000.exe" "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the uninstaller ran over 7.5"
installed "$(orvo_printer_oem_code)" || orvo_fail "OEM product not installed over 7.5"
close_manager
echo "printer manager upgrades: first generation, novaPDF 7.9 with and without uninstaller, 7.5"
