#!/usr/bin/env bash
# A workstation whose ODBC installer library cannot be loaded: the
# unattended run shows no box (it would stop the run), ends, and
# "ODBCDriver.log" tells support why the drivers could not be listed.
# Wine's msi.dll imports odbccp32 itself, so the library cannot simply be
# disabled: a broken stand-in beside the launcher, preferred as native
# (WINEDLLOVERRIDES odbccp32=n), serves msi.dll, while the system folder's
# library the launcher asks for cannot be loaded as native.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime vendor
mkdir -p "$install/Installs/WindowsInstaller"
cp "$ORVO_STUB_DIR/stub_fixed_setup.exe" "$install/Installs/WindowsInstaller/AccessDatabaseEngine.exe"
cp "$ORVO_STUB_DIR/broken_odbc/odbccp32.dll" "$install/odbccp32.dll"
driver_log="$(orvo_windows_temp)/PellmoreTemp/ODBCDriver.log"
rm -f "$driver_log"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;odbccp32=n"
text=$(ORVO_RUN_TIMEOUT=30 orvo_silent_install "$ORVO_WORK/install.log" "$install")
grep -q '^End Time: ' <<<"$text" || orvo_fail "the run did not end: $text"
grep -qF "    Failed: Microsoft Access Database Engine: Unable to install" <<<"$text" || orvo_fail "no engine line: $text"
[ -f "$driver_log" ] || orvo_fail "no driver log"
grep -qF "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system." "$driver_log" ||
  orvo_fail "driver log: $(cat "$driver_log")"
echo "driver log: $(head -n 2 "$driver_log" | tr '\n' ' ')"
