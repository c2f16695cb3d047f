#!/usr/bin/env bash
# The .NET installer is not in the installation: an installing run
# ("/Install /NoConfirm") fetches it from the vendor's HTTPS address (here
# through the test proxy, whose certificate authority the prefix trusts),
# with the progress in the launcher window, stores it intact as
# "Installs\DotNet\dotnetfx48.exe", runs it and leaves no download file. A
# missing file on the server (404) and a connection dropped mid-body store
# nothing and are explained in the error report. A progress screenshot is kept.
# Closing the window stops the download and starts nothing; an empty answer
# is refused, and an empty installer an earlier run stored is fetched again
# instead of run.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
served="$(orvo_http_dir)/files/ndp48-x86-x64-allos-enu.exe"
cleanup_served() { rm -f "$served" "$served.rate" "$served.drop"; }
trap 'orvo_remove_dotnet_framework; cleanup_served; orvo_cleanup' EXIT
orvo_use_test_proxy
export ORVO_STUB_SETUP="/exit:0 /netrelease:528040 /netversion:4.8.03761"
temp=$("$ORVO_WINE" winepath -u "$("$ORVO_WINE" cmd /c echo %TEMP% </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null </dev/null)
installer="$install/Installs/DotNet/dotnetfx48.exe"

# A 2 MB installer, served at 1 MB/s so the progress can be seen.
cp "$ORVO_STUB_DIR/stub_setup.exe" "$served"
head -c 2000000 /dev/zero >>"$served"
echo 1000000 >"$served.rate"

# run_and_report: one installing run; prints the error report's text.
run_and_report() {
  local report text
  orvo_remove_dotnet_framework
  orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe" /Install /NoConfirm
  report=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "no error report"
  text=$(orvo_report_text)
  orvo_key "$report" n
  orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"
  echo "$text"
}

orvo_use_record
orvo_start "$ORVO_WORK/progress.log" "$install/Orvo.exe" /Install /NoConfirm
window=$(orvo_find_window "Orvo" 30) || orvo_fail "the launcher window did not appear"
for _ in $(seq 1 50); do
  [[ $(orvo_control_line "Orvo" 1000) == *"KB of "* ]] && break
  sleep 0.1
done
[[ $(orvo_control_line "Orvo" 1000) == *"Downloading Microsoft .NET Framework v4.8|"*" KB of $(( $(stat -c %s "$served") / 1024 )) KB ("* ]] ||
  orvo_fail "no download progress: $(orvo_control_line "Orvo" 1000)"
ORVO_SHOT_DELAY=0 orvo_screenshot "$window" dotnet_download_progress
report=$(orvo_find_window "Pellmore Orvo" 60) || orvo_fail "no error report after the download"
orvo_key "$report" n
orvo_wait_exit "$ORVO_PID" 20 || orvo_fail "the launcher did not end"
cmp -s "$served" "$installer" || orvo_fail "the installer did not arrive intact"
orvo_wait_record '^dotnetfx48\.exe	.* /norestart /passive /showrmui' >/dev/null || orvo_fail "the downloaded installer was not run"
ls "$temp/PellmoreTemp"/DWN*.TMP >/dev/null 2>&1 && orvo_fail "a download file was left behind"

# The user closes the window while the download runs (20 s at this rate).
rm -f "$installer"
echo 100000 >"$served.rate"
orvo_remove_dotnet_framework
orvo_use_record
orvo_start "$ORVO_WORK/closed.log" "$install/Orvo.exe" /Install /NoConfirm
window=$(orvo_find_window "Orvo" 30) || orvo_fail "the launcher window did not appear"
for _ in $(seq 1 100); do
  [[ $(orvo_control_line "Orvo" 1000) == *"KB of "* ]] && break
  sleep 0.1
done
orvo_key "$window" alt+F4
orvo_wait_exit "$ORVO_PID" 5 || orvo_fail "the download went on after the window was closed"
[ -e "$installer" ] && orvo_fail "a download stopped by the close was stored"
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "a setup program started after the close: $(cat "$ORVO_STUB_RECORD_UNIX")"
ls "$temp/PellmoreTemp"/DWN*.TMP >/dev/null 2>&1 && orvo_fail "the stopped download left its file"

rm -f "$installer" "$served.rate"
mv "$served" "$served.kept"
text=$(run_and_report)
[[ "$text" == *"Unable to locate update on server (HTTP status 404)."* ]] || orvo_fail "404 not explained: $text"
[ -e "$installer" ] && orvo_fail "an error page was stored as the installer"

mv "$served.kept" "$served"
: >"$served.drop"
text=$(run_and_report)
[[ "$text" == *"Error downloading file."* ]] || orvo_fail "a dropped download not explained: $text"
[ -e "$installer" ] && orvo_fail "a cut download was stored as the installer"
ls "$temp/PellmoreTemp"/DWN*.TMP >/dev/null 2>&1 && orvo_fail "a download file was left behind"

# "200 OK" with "Content-Length: 0", and an empty installer left beside it.
rm -f "$served.drop"
: >"$served"
: >"$installer"
orvo_use_record
text=$(run_and_report)
[[ "$text" == *"Unable to locate update on server."* ]] || orvo_fail "an empty answer not explained: $text"
[ -e "$installer" ] && orvo_fail "an empty installer is still there"
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "something ran: $(cat "$ORVO_STUB_RECORD_UNIX")"
echo "the installer arrived over HTTPS intact; a close, 404, a dropped body and an empty answer stored nothing"
