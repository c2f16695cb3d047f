#!/usr/bin/env bash
# A workstation without the .NET Framework: the install prompt starts the
# installing copy at once; the copy runs the installer from
# "Installs\DotNet" with "/norestart /passive /showrmui", and its error
# report (for the components this build cannot install) is answered No. The
# prompt takes the copy's reply, the main program starts and the record
# holds the copy's bits. While the installer runs, a stranger's 2256 (any
# bits, without or with a wrong key) changes nothing. Then the same with
# user account control in force, where the copy is started "RunAs".
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
mkdir -p "$install/Installs/DotNet"
cp "$ORVO_STUB_DIR/stub_setup.exe" "$install/Installs/DotNet/dotnetfx48.exe"
trap 'orvo_remove_dotnet_framework; orvo_user_account_control 0; orvo_cleanup' EXIT

# run_installation SHOT: one start; the copy's report is answered No.
run_installation() {
  orvo_remove_dotnet_framework
  rm -rf "$install/Session"
  orvo_use_record
  export ORVO_STUB_SETUP="/sleep:3000 /exit:0 /netrelease:528040 /netversion:4.8.03761"
  orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe"
  orvo_wait_record '^dotnetfx48\.exe	' 30 >/dev/null || orvo_fail "the installer was not run"
  [[ $(grep -a '^dotnetfx48' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r') == *' /norestart /passive /showrmui' ]] ||
    orvo_fail "installer switches: $(grep -a '^dotnetfx48' "$ORVO_STUB_RECORD_UNIX")"
  [ -n "${1:-}" ] && orvo_screenshot "$(orvo_find_window "Orvo" 5)" "$1"
  if [ "${stranger:-0}" = 1 ]; then
    "$ORVO_WINE" "$ORVO_STUB_DIR/stub_send_message.exe" /wparam:4294967295 /lparam:0 >/dev/null 2>&1 </dev/null
    "$ORVO_WINE" "$ORVO_STUB_DIR/stub_send_message.exe" /wparam:4294967295 /lparam:12345 >/dev/null 2>&1 </dev/null
    [ "$(grep -ac 'sent=1' "$ORVO_STUB_RECORD_UNIX")" = 2 ] || orvo_fail "the stranger found no prompt"
    [[ $(orvo_control_line "Orvo" 1003 | head -n 1) ]] || orvo_fail "the prompt closed on a stranger's message"
    [[ $(orvo_inspect "Orvo" 1003 | grep '^id=1000 ') == *"Installing Components. Please wait..." ]] ||
      orvo_fail "the prompt stopped waiting"
  fi
  local report
  report=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "the copy showed no error report"
  orvo_key "$report" n
  orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' 30 >/dev/null || orvo_fail "the main program did not start"
  orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"
  # Without its packages the printer is no prerequisite: bit 256 is not among them.
  [ "$(orvo_record_value "$install" Installed)" = 3075 ] ||
    orvo_fail "the record holds $(orvo_record_value "$install" Installed), not the copy's 3075"
}

stranger=1 run_installation installing_copy_dotnet
orvo_user_account_control 1
run_installation
echo "the .NET Framework was installed by the copy, with and without user account control"
