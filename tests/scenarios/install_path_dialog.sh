#!/usr/bin/env bash
# "Installation Path Invalid" driven with the keyboard: OK stays disabled for
# an empty path and for a folder without "Version.dat", becomes enabled once
# the path of an installation folder is typed, and Escape ends the dialog
# with Cancel. Screenshots of both states are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"

install="$ORVO_WORK/Pellmore"
orvo_make_install_folder "$install"
mkdir -p "$ORVO_WORK/NoVersion"
orvo_use_record

orvo_start "$ORVO_WORK/driver.log" "$ORVO_STUB_DIR/drive_install_path_dlg.exe" ""
wid=$(orvo_find_window "Installation Path Invalid") || { cat "$ORVO_WORK/driver.log"; orvo_fail "dialog not shown"; }
orvo_wait_record 'ok=0 path=$' >/dev/null || orvo_fail "OK enabled for an empty path"
orvo_screenshot "$wid" install_path_dialog_empty

no_version=$(orvo_winpath "$ORVO_WORK/NoVersion")
orvo_type "$wid" "$no_version"
orvo_wait_record "ok=. path=${no_version//\\/\\\\}\$" >/dev/null || orvo_fail "typed text not seen"
[[ $(orvo_last_record) == *"ok=0 path=$no_version" ]] || orvo_fail "OK enabled for a folder without Version.dat: $(orvo_last_record)"

# Replace the text: select from the end to the start and type over it.
orvo_key "$wid" End shift+Home
valid=$(orvo_winpath "$install")
orvo_type "$wid" "$valid"
orvo_wait_record "ok=1 path=${valid//\\/\\\\}\$" >/dev/null || orvo_fail "OK not enabled for an installation folder"
orvo_screenshot "$wid" install_path_dialog_valid

orvo_key "$wid" Escape
orvo_wait_record '^[^	]*	[^	]*	result=' >/dev/null || orvo_fail "the dialog did not end"
[[ $(orvo_last_record) == *"result=Cancel "* ]] || orvo_fail "not ended with Cancel: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
echo "installation path dialog: OK follows the folder, Escape cancels"
