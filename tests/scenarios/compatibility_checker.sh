#!/usr/bin/env bash
# A copy of the launcher named "CompChecker.exe" is the compatibility
# checker: the required components with a cross each on a fresh workstation;
# "Install Now" installs (the error report answered No), the list is filled
# again (a tick for the .NET Framework now) with the "Unable to install all
# components!" text and the button disabled. It never starts the main
# program. "/CHECKER /Silent" with a log file ends by itself and writes the
# log. Screenshots are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
cp "$install/Orvo.exe" "$install/CompChecker.exe"
mkdir -p "$install/Installs/DotNet"
cp "$ORVO_STUB_DIR/stub_setup.exe" "$install/Installs/DotNet/dotnetfx48.exe"
trap 'orvo_remove_dotnet_framework; orvo_cleanup' EXIT
orvo_remove_dotnet_framework
export ORVO_STUB_SETUP="/exit:0 /netrelease:528040 /netversion:4.8.03761"
orvo_use_record
title="Pellmore Orvo Compatibility Checker"

orvo_start "$ORVO_WORK/run.log" "$install/CompChecker.exe"
wid=$(orvo_find_window "$title" 30) || orvo_fail "the checker did not open"
view=$(orvo_inspect "$title")
[ "$(grep -c '^row=' <<<"$view")" = 3 ] || orvo_fail "not the three required components: $view"
grep -q '^row=0 image=1 text=.NET Framework v4.8$' <<<"$view" || orvo_fail "no cross for .NET: $view"
grep -q '^row=2 image=1 text=Microsoft Access Database Engine$' <<<"$view" || orvo_fail "list: $view"
grep -q '^id=1000 .*text=The components above need to be installed prior to running the newest version of Pellmore Orvo!' \
  <<<"$view" || orvo_fail "status: $view"
grep -q '^id=1 enabled=1 ' <<<"$view" || orvo_fail "Install Now is not enabled: $view"
orvo_screenshot "$wid" compatibility_checker

orvo_key "$wid" Return
report=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "no error report after Install Now"
orvo_key "$report" n
orvo_wait_gone "Pellmore Orvo" 20 || orvo_fail "the error report stayed"
for _ in $(seq 1 50); do
  view=$(orvo_inspect "$title")
  grep -q '^row=0 image=0 ' <<<"$view" && break
  sleep 0.1
done
grep -q '^row=0 image=0 text=.NET Framework v4.8$' <<<"$view" || orvo_fail "no tick for the installed .NET: $view"
grep -q '^row=1 image=1 ' <<<"$view" || orvo_fail "list after installing: $view"
grep -q '^id=1000 .*text=Unable to install all components! They will need to be installed via a Windows Update or from ' \
  <<<"$view" || orvo_fail "status after installing: $view"
grep -q '^id=1 enabled=0 ' <<<"$view" || orvo_fail "Install Now offered a second attempt: $view"
orvo_screenshot "$wid" compatibility_checker_after
orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the checker did not end"
grep -aq 'LaunchSrc' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the checker started the main program"

orvo_remove_dotnet_framework
log="$ORVO_WORK/checker log.txt"
orvo_run "$ORVO_WORK/silent.log" "$install/Orvo.exe" /CHECKER /Silent "$(orvo_winpath "$log")" || orvo_fail "the silent checker did not end alone"
tr -d '\r' <"$log" | grep -q '^    Succeeded: Microsoft .NET Framework v4.8$' || orvo_fail "silent checker log: $(cat "$log")"
tr -d '\r' <"$log" | grep -q '^End Time: ' || orvo_fail "silent checker log has no end: $(cat "$log")"
echo "checker: crosses, Install Now, a tick for .NET, silent run logged"
