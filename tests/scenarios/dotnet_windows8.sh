#!/usr/bin/env bash
# On Windows 8 the .NET Framework 4.8 cannot be installed: a silent
# installing run logs the operating-system message for it and runs no
# installer, though the installer is there.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
mkdir -p "$install/Installs/DotNet"
cp "$ORVO_STUB_DIR/stub_setup.exe" "$install/Installs/DotNet/dotnetfx48.exe"
key='HKCU\Software\Wine\AppDefaults\Orvo.exe'
"$ORVO_WINE" reg add "$key" /v Version /t REG_SZ /d win8 /f >/dev/null 2>&1 </dev/null
trap '"$ORVO_WINE" reg delete "$key" /f >/dev/null 2>&1 </dev/null; orvo_cleanup' EXIT
orvo_use_record
log="$ORVO_WORK/install.log"

orvo_run "$ORVO_WORK/run.log" "$install/Orvo.exe" /Silent "$(orvo_winpath "$log")" || orvo_fail "the silent run failed"
grep -qF "    Failed: .NET Framework v4.8: Your computer operating system is not supported and must be upgraded to a newer version." \
  <(tr -d '\r' <"$log") || orvo_fail "no operating-system message: $(cat "$log")"
grep -aq '^dotnetfx48' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "the installer ran on Windows 8"
echo "Windows 8: the .NET Framework was refused without running anything"
