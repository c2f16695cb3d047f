#!/usr/bin/env bash
# The Visual C++ runtime installed by its installer from "Installs\MFC"
# (a stand-in that exits as its side file says and leaves the runtime key
# when told): "restart required" succeeds after one run with
# "/quiet /norestart"; a plain success that left the key succeeds and an
# interactive run then offers no restart; "another installation in
# progress" (1618) fails and names the installer to run by hand.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_use_record
orvo_prerequisites_present "$install" dotnet engine vendor
orvo_on_exit orvo_remove_runtime
mkdir -p "$install/Installs/MFC"
cp "$ORVO_STUB_DIR/stub_fixed_setup.exe" "$install/Installs/MFC/vcredist_x86_v14.exe"
side="$install/Installs/MFC/vcredist_x86_v14.stub"
log="$ORVO_WORK/install.log"
name="Microsoft Visual C++ Redistributable 14.15"

printf 'exit=3010\r\n' >"$side"
text=$(orvo_silent_install "$log" "$install")
grep -qxF "    Succeeded: $name" <<<"$text" || orvo_fail "3010 was not a success: $text"
runs=$(grep -a '^vcredist_x86_v14\.exe	' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
[ "$(wc -l <<<"$runs")" = 1 ] && [[ "$runs" == *' /quiet /norestart' ]] || orvo_fail "installer runs: $runs"

# Exit code 0 with the runtime left behind, in an interactive installing run.
orvo_use_record
printf 'exit=0\r\nreg=%s|Version|v14.16.27012.00\r\n' "$ORVO_RUNTIME_KEY" >"$side"
orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /Install /NoConfirm
# Nothing else is missing (the printer has no packages here): the run ends
# by itself; an error report or a restart question would keep it.
orvo_wait_exit "$ORVO_PID" 60 || orvo_fail "the launcher did not end: $(orvo_window_text "Pellmore Orvo")"
orvo_wait_record '^vcredist_x86_v14\.exe	.* /quiet /norestart$' 1 >/dev/null || orvo_fail "the installer did not run"
"$ORVO_WINE" reg query "$ORVO_RUNTIME_KEY" /v Version 2>/dev/null </dev/null | grep -q v14.16 || orvo_fail "no runtime key"

orvo_remove_runtime
printf 'exit=1618\r\n' >"$side"
text=$(orvo_silent_install "$log" "$install")
grep -qxF "    Failed: $name: Unable to install $name. Reason unknown. Try installing this component manually by running '$(orvo_winpath "$install")\\Installs\\MFC\\vcredist_x86_v14.exe'." <<<"$text" ||
  orvo_fail "1618 not reported: $text"
echo "runtime installer: 3010 and 0 succeed, 1618 names the installer"
