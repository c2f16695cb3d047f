#!/usr/bin/env bash
# An administrator's "/Silent" run writes its installation log: the header,
# one line per component it tried, the end time and a line of hyphens. A
# relaunched run ("/Restarted") appends without a second header, a log path
# with blanks arrives quoted and still gets its log, and a run that finds
# another launcher installing tries nothing and writes no end time. On a
# computer of a multi-office agency that has no office the run asks nobody:
# the question goes to the log, its default (No) is taken, and the run ends.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
mkdir -p "$ORVO_WORK/log folder"
log="$ORVO_WORK/log folder/install log.txt"
# Wine quotes an argument with blanks on the command line it passes.
winlog=$(orvo_winpath "$log")

orvo_run "$ORVO_WORK/run.log" "$install/Orvo.exe" /Silent "$winlog" || orvo_fail "the silent run failed"
[ -f "$log" ] || orvo_fail "no log was written for a quoted path with blanks"
text=$(tr -d '\r' <"$log")
grep -q '^Start Time: [0-9][0-9]-[0-9][0-9]-20[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9][AP]M$' <<<"$text" ||
  orvo_fail "no start time: $text"
grep -q "^Machine Name: $(orvo_computer_name)\$" <<<"$text" || orvo_fail "no machine name: $text"
grep -q '^User Name: .' <<<"$text" || orvo_fail "no user name: $text"
# The installers are not in the installation and cannot be fetched here.
for name in "Microsoft .NET Framework v4.8" "Microsoft Visual C++ Redistributable 14.15" \
  "Microsoft Access Database Engine"; do
  grep -qF "    Failed: $name: Unable to connect to server.You must have an Internet Connection" <<<"$text" ||
    orvo_fail "no download failure for $name: $text"
done
grep -qF "    Failed: Pellmore Components/PellLink: Unable to install Pellmore Components at this time." <<<"$text" ||
  orvo_fail "no line for the components package: $text"
# Without its packages in the installation the printer is no prerequisite here.
grep -qF "Pellmore Virtual Printer" <<<"$text" && orvo_fail "a printer line without its packages: $text"
[ "$(grep -c '^    ' <<<"$text")" = 4 ] || orvo_fail "not one line per component: $text"
[ "$(tail -n 2 <<<"$text" | head -n 1 | cut -c1-10)" = "End Time: " ] || orvo_fail "no end time: $text"
[ "$(tail -n 1 <<<"$text")" = "--------------------------------------------------" ] || orvo_fail "no hyphens: $text"
grep -q $'\r$' "$log" || orvo_fail "lines do not end in CR LF"
[ "$(orvo_record_value "$install" Installed)" = "" ] || orvo_fail "a failed component was recorded"

orvo_run "$ORVO_WORK/run2.log" "$install/Orvo.exe" /Silent /Restarted "$winlog"
text=$(tr -d '\r' <"$log")
[ "$(grep -c '^Start Time: ' <<<"$text")" = 1 ] || orvo_fail "the relaunched run wrote a second header"
[ "$(grep -c '^End Time: ' <<<"$text")" = 2 ] || orvo_fail "the relaunched run did not finish its log"

# Another launcher's installation run holds the mutex.
rm -f "$log"
orvo_start "$ORVO_WORK/holder.log" "$ORVO_STUB_DIR/stub_mutex_holder.exe" /StubStay:30000
orvo_wait_record 'holding$' >/dev/null || orvo_fail "the mutex holder did not start"
orvo_run "$ORVO_WORK/run3.log" "$install/Orvo.exe" /Silent "$winlog"
text=$(tr -d '\r' <"$log")
grep -q '^Start Time: ' <<<"$text" || orvo_fail "no header: $text"
grep -q '^    ' <<<"$text" && orvo_fail "components were tried while another run installed: $text"
grep -q '^End Time: ' <<<"$text" && orvo_fail "an end time after a run that could not install: $text"
echo "silent log: $(wc -l <"$ORVO_WORK/log folder/install log.txt") lines while another run held the mutex"
kill "$ORVO_PID" 2>/dev/null || true

# A component found installed is recorded, and the record's folder is where
# the office is checked.
office="$ORVO_WORK/Office"
orvo_make_launcher_installation "$office"
printf '[Settings]\r\niGlb_AgencyNumber=12\r\niGlb_MultiAgencyType=2\r\n' >"$office/Network.ini"
printf '[Settings]\r\n' >"$ORVO_WORK/PELL.INI"
orvo_prerequisites_present "$office" dotnet
rm -f "$log"
rc=0
ORVO_RUN_TIMEOUT=30 orvo_run "$ORVO_WORK/run4.log" "$office/Orvo.exe" /Silent "/CFG:$(orvo_winpath "$ORVO_WORK/PELL.INI")" \
  "$winlog" || rc=$?
[ "$rc" != 124 ] || orvo_fail "the silent run waited on the office question"
text=$(tr -d '\r' <"$log")
grep -qxF "    Install Message: This computer has not been assigned to an office.To fix, go to Settings | Agency Information in the Orvo.Show this message again?" <<<"$text" ||
  orvo_fail "the office question is not in the log: $text"
grep -q '^End Time: ' <<<"$text" || orvo_fail "the run did not finish its log: $text"
tr -d '\r' <"$ORVO_WORK/PELL.INI" | grep -qx 'MultiAgencyComputerID=1' || orvo_fail "the default answer No was not taken"
