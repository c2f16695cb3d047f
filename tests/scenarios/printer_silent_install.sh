#!/usr/bin/env bash
# The current printer as a prerequisite in an administrator's unattended
# run, the runtime prerequisites present: installed from its packages; a file
# where the components folder belongs stops it with the relay message before
# any package; with only the other width's packages it is no prerequisite.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime engine
orvo_printer_packages "$install"
orvo_spooler start
log="$ORVO_WORK/install.log"

text=$(orvo_silent_install "$log" "$install")
grep -qxF "    Succeeded: Pellmore Virtual Printer" <<<"$text" || orvo_fail "not installed: $text"
[[ $(orvo_msi_state "$(orvo_printer_oem_code)") == "state=5 "* ]] || orvo_fail "OEM product not installed"
orvo_printer_exists "$ORVO_CURRENT_PRINTER" || orvo_fail "no printer"
orvo_remove_printer_products

components="$(orvo_program_files)/Pellmore/Pellmore Components"
rm -rf "$components/PDF Printer"
mkdir -p "$components"
printf 'not a folder' >"$components/PDF Printer"
text=$(orvo_silent_install "$log" "$install")
grep -qF "    Failed: Pellmore Virtual Printer: Failed to install OrvoPrinter Relay to C:\\Program Files\\Pellmore\\Pellmore Components\\PDF Printer" \
  <<<"$text" || orvo_fail "no relay failure: $text"
[[ $(orvo_msi_state "$(orvo_printer_driver_code)") == "state=-1 "* ]] || orvo_fail "a package was installed"
rm -f "$components/PDF Printer"

rm -f "$install/Installs/NovaPDF/"*.msi
other=x64
[ "$ORVO_PACKAGE_ARCH" = x64 ] && other=x86
orvo_printer_packages "$install" "$other"
text=$(orvo_silent_install "$log" "$install")
grep -qF "Pellmore Virtual Printer" <<<"$text" && orvo_fail "the $other packages made it a prerequisite: $text"
grep -q '^End Time: ' <<<"$text" || orvo_fail "the run did not end: $text"
echo "printer silent install: installed, relay failure, not with $other packages"
