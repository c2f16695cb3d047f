#!/usr/bin/env bash
# The runtime and engine installers are not in the installation and the
# vendor's server cannot be reached (the scenarios' proxy is a closed port):
# nothing runs, nothing is stored, and each Failed line carries the
# download's explanation.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet vendor
text=$(orvo_silent_install "$ORVO_WORK/install.log" "$install")
for name in "Microsoft Visual C++ Redistributable 14.15" "Microsoft Access Database Engine"; do
  grep -qF "    Failed: $name: Unable to connect to server.You must have an Internet Connection" <<<"$text" ||
    orvo_fail "no download failure for $name: $text"
done
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "something ran: $(cat "$ORVO_STUB_RECORD_UNIX")"
[ -e "$install/Installs/MFC/vcredist_x86_v14.exe" ] && orvo_fail "a runtime installer was stored"
[ -e "$install/Installs/WindowsInstaller/AccessDatabaseEngine.exe" ] && orvo_fail "an engine installer was stored"
[ -d "$install/Installs/MFC" ] && [ -d "$install/Installs/WindowsInstaller" ] || orvo_fail "the installer folders were not made"
echo "both downloads refused; nothing ran"
