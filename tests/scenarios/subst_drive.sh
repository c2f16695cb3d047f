#!/usr/bin/env bash
# The launcher runs from a subst drive (X: of the prefix, with a stand-in
# "subst.exe" in the launcher's folder that names the folder behind it, as
# the command interpreter runs that one first): the components package is
# handed to Windows Installer from the folder behind X:, not through the
# letter.
source "$(dirname "$0")/lib.sh"
behind="$WINEPREFIX/drive_c/orvo_subst"
[ -d "$behind" ] || orvo_fail "the prefix has no folder behind X: (tests/wine/start.sh)"
name="scenario_$$"
install="$behind/$name"
rm -rf "$install"
orvo_on_exit "rm -rf '$install'"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet runtime engine
code='{6B2D7E41-9A3C-4F5E-8D1B-2C3E4F5A6B01}'
orvo_vendor_package "$install" vendor_scenario "$code"
cp "$ORVO_STUB_DIR/stub_subst.exe" "$install/subst.exe"
printf 'X:\\: => C:\\orvo_subst\r\n' >"$install/subst.stub"

log="$ORVO_WORK/install.log"
rm -f "$log"
orvo_run "$ORVO_WORK/run.log" "X:\\$name\\Orvo.exe" /Install /NoConfirm /Silent "$(orvo_winpath "$log")" ||
  orvo_fail "the silent run failed"
text=$(tr -d '\r' <"$log")
grep -qxF "    Succeeded: Pellmore Components/PellLink" <<<"$text" || orvo_fail "not installed: $text"
orvo_wait_record '^subst\.exe	.*	subst$' 5 >/dev/null || orvo_fail "subst.exe was not asked"
opened=$(tr -d '\r' <"$install/Pellmore Components.record" | sed -n 's/^OriginalDatabase=//p')
[ "$opened" = "C:\\orvo_subst\\$name\\Pellmore Components.msi" ] || orvo_fail "the package was opened as '$opened'"
echo "the package was opened from $opened"
