#!/usr/bin/env bash
# The Access database engine installed by "AccessDatabaseEngine.exe"
# ("/quiet /passive"; a stand-in that registers the Access driver when its
# side file says so): the driver decides, and the engine's "restart
# required" brings the restart offer in an interactive run. Without the
# driver afterwards the run reports the permissions message and
# "ODBCDriver.log" lists the drivers that are there.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime vendor
orvo_on_exit "orvo_remove_odbc_driver '$ORVO_ACCESS_DRIVER'"
mkdir -p "$install/Installs/WindowsInstaller"
cp "$ORVO_STUB_DIR/stub_fixed_setup.exe" "$install/Installs/WindowsInstaller/AccessDatabaseEngine.exe"
side="$install/Installs/WindowsInstaller/AccessDatabaseEngine.stub"
name="Microsoft Access Database Engine"
driver_file=$(orvo_winpath "$ORVO_STUB_DIR/stub_odbc_driver16.dll")
printf 'exit=3010\r\nreg=%s\\ODBC Drivers|%s|Installed\r\nreg=%s\\%s|Driver|%s\r\n' "$ORVO_ODBCINST" \
  "$ORVO_ACCESS_DRIVER" "$ORVO_ODBCINST" "$ORVO_ACCESS_DRIVER" "$driver_file" >"$side"

text=$(orvo_silent_install "$ORVO_WORK/install.log" "$install")
grep -qxF "    Succeeded: $name" <<<"$text" || orvo_fail "not installed: $text"
orvo_wait_record '^AccessDatabaseEngine\.exe	.* /quiet /passive$' 1 >/dev/null || orvo_fail "installer switches"

orvo_remove_odbc_driver "$ORVO_ACCESS_DRIVER"
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /Install /NoConfirm
# Nothing else is missing (the printer has no packages here): no report,
# only the restart question.
question=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "the engine's restart was not offered"
orvo_inspect "Pellmore Orvo" | grep -q "must be restarted to complete the install" ||
  orvo_fail "not the restart question: $(orvo_window_text "Pellmore Orvo")"
orvo_key "$question" n
orvo_wait_exit "$ORVO_PID" 30 || orvo_fail "the launcher did not end"

# An engine that leaves no Access driver; another driver is there.
orvo_remove_odbc_driver "$ORVO_ACCESS_DRIVER"
orvo_odbc_driver "Orvo Text Driver" "$ORVO_STUB_DIR/stub_odbc_driver11.dll"
printf 'exit=0\r\n' >"$side"
driver_log="$(orvo_windows_temp)/PellmoreTemp/ODBCDriver.log"
rm -f "$driver_log"
text=$(orvo_silent_install "$ORVO_WORK/install.log" "$install")
grep -qxF "    Failed: $name: Unable to install $name. You might not have sufficient permissions. You might also need to close this program and run it a second time. If rerunning this program a second time doesn't work, try installing this component manually by running '$(orvo_winpath "$install")\\Installs\\WindowsInstaller\\AccessDatabaseEngine.exe'. This component can also be downloaded from Microsoft's website." <<<"$text" ||
  orvo_fail "no permissions message: $text"
[ -f "$driver_log" ] || orvo_fail "no driver log"
grep -qxF "Orvo Text Driver, Installed, $(orvo_winpath "$ORVO_STUB_DIR/stub_odbc_driver11.dll"), 11.0.6020" "$driver_log" ||
  orvo_fail "driver log: $(cat "$driver_log")"
echo "database engine: the driver decides; driver log: $(wc -l <"$driver_log") lines"
