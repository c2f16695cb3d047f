#!/usr/bin/env bash
# The maker's components package in an administrator's unattended run
# ("/Install /NoConfirm /Silent", the other prerequisites present): it is
# installed from the launcher's folder without any interface (the package's
# action sees UILevel 2), the web filler is registered in the 32-bit view
# and the next run finds it and asks nothing. A package whose action fails
# is reported with the system's reason, and the run goes on.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime engine
code='{6B2D7E41-9A3C-4F5E-8D1B-2C3E4F5A6B01}'
orvo_vendor_package "$install" vendor_scenario "$code"
log="$ORVO_WORK/install.log"
record="$install/Pellmore Components.record"

text=$(orvo_silent_install "$log" "$install")
grep -qxF "    Succeeded: Pellmore Components/PellLink" <<<"$text" || orvo_fail "not installed: $text"
for name in ".NET Framework v4.8" "Microsoft Visual C++ Redistributable 14.15" "Microsoft Access Database Engine"; do
  grep -qF "$name" <<<"$text" && orvo_fail "$name was not found present: $text"
done
grep -q "Install Message" <<<"$text" && orvo_fail "the installation asked something: $text"
[[ $(orvo_msi_state "$code") == "state=5 version=5.2" ]] || orvo_fail "product: $(orvo_msi_state "$code")"
server=$("$ORVO_WINE" reg query "$ORVO_WEBFILLER_SERVER\\InprocServer32" /ve /reg:32 2>/dev/null </dev/null | tr -d '\r')
[[ "$server" == *'PellWebFiller.dll'* ]] || orvo_fail "the web filler is not registered in the 32-bit view: $server"
grep -qx 'UILevel=2' <(tr -d '\r' <"$record") || orvo_fail "the package had an interface: $(cat "$record")"

# The next run finds the package installed and leaves it alone.
runs=$(wc -l <"$record")
text=$(orvo_silent_install "$log" "$install")
grep -qF "Pellmore Components" <<<"$text" && orvo_fail "the installed package was tried again: $text"
[ "$(wc -l <"$record")" = "$runs" ] || orvo_fail "the package ran again"
grep -q '^End Time: ' <<<"$text" || orvo_fail "the second run did not end: $text"

# A package whose action fails.
orvo_msi_remove "$code"
echo "message fail" >"$install/Pellmore Components.action"
: >"$record"
text=$(orvo_silent_install "$log" "$install")
# One log line per component: the message's line break is left out.
failed=$(grep -F "    Failed: Pellmore Components/PellLink: " <<<"$text") || orvo_fail "no failure line: $text"
[[ "$failed" == "    Failed: Pellmore Components/PellLink: Unable to install Pellmore Components at this time.Certain components such as PellLink and Backups may not working correctly until this is installed. <br/><b>Reason:</b> "?* ]] ||
  orvo_fail "failure line: $failed"
[[ "$failed" == *"Reason:</b> error 1603" ]] && orvo_fail "no system text for the reason: $failed"
grep -qF "Pellmore Virtual Printer" <<<"$text" && orvo_fail "the printer without its packages was tried: $text"
grep -q '^End Time: ' <<<"$text" || orvo_fail "the run did not end: $text"
grep -qx 'UILevel=2' <(tr -d '\r' <"$record") || orvo_fail "the failing package had an interface: $(cat "$record")"
[[ $(orvo_msi_state "$code") == "state=-1 "* ]] || orvo_fail "a failed package left a product: $(orvo_msi_state "$code")"
echo "vendor package: $(grep -F 'Reason:' <<<"$failed" | sed 's/.*Reason:<\/b> //')"
