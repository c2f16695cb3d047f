#!/usr/bin/env bash
# The task dialog through its driver, with the update-in-progress prompt's
# content: the window is shot in the classic look and with a visual style,
# Escape leaves it open (it has no Cancel button) but ends one that has,
# F1 starts the help program "OrvoHelp.exe" on topic 1234, a click on a
# command link and Tab then Return choose the links, Alt+F4 gives 8.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
driver="$ORVO_STUB_DIR/drive_task_dialog.exe"
title="Orvo Installer"
appearance='HKCU\Control Panel\Appearance'
# The visual style is set for one run only; the prefix is shared.
trap '"$ORVO_WINE" reg delete "$appearance" /f >/dev/null 2>&1 </dev/null || true; orvo_cleanup' EXIT

# The help program is found by its bare name in the current folder.
folder="$ORVO_WORK/launcher"
mkdir -p "$folder"
cp "$ORVO_STUB_DIR/stub_help_program.exe" "$folder/OrvoHelp.exe"
cd "$folder"
orvo_use_record

# With help id 1234: classic look, Escape, F1, then a click on a link.
orvo_start "$ORVO_WORK/help.log" "$driver" /help:1234
wid=$(orvo_find_window "$title") || { cat "$ORVO_WORK/help.log"; orvo_fail "dialog not shown"; }
state=$(orvo_wait_record 'visual=') || orvo_fail "the dialog did not initialise"
[[ "$state" == *"visual=1 help=1234 "* ]] || orvo_fail "state: $state"
exstyle=$((16#${state##*exstyle=}))
(( exstyle & 0x8 )) || orvo_fail "not top-most: $state"
(( exstyle & 0x400 )) || orvo_fail "no context-help button style: $state"
xdotool mousemove 0 0
orvo_screenshot "$wid" task_dialog
[[ $(orvo_control_line "$title" 1026) == *"text=Launch the current version of Orvo. You will be prompted when the update is complete." ]] ||
  orvo_fail "first link: $(orvo_inspect "$title")"
[[ $(orvo_control_line "$title" 1025) == *"text=Select this if update was not successful." ]] || orvo_fail "second link"
[[ $(orvo_control_line "$title" 8) == *"text=&Exit" ]] || orvo_fail "no Exit button"

orvo_key "$wid" Escape
sleep 1
orvo_find_window "$title" 2 >/dev/null || orvo_fail "Escape closed a dialog without a Cancel button"
grep -aq 'result=' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "Escape chose: $(orvo_last_record)"

orvo_key "$wid" F1
help=$(orvo_wait_record '^OrvoHelp\.exe	') || orvo_fail "F1 did not start the help program"
[[ "$help" =~ \ /NoOfficePrompt\ /USER:[^\ ]*\ /PASSKEY:\"[0-9]*\"\ /CSHID:\"1234\"\ /AGENCYID:[0-9]+\ /LaunchSrc:\"drive_task_dialog\.exe\"$ ]] ||
  orvo_fail "help program started as: $help"

link=$(orvo_control_line "$title" 1025 | sed -n 's/.* rect=\([-0-9,]*\) .*/\1/p')
IFS=, read -r l t r b <<<"$link"
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2))
orvo_screenshot "$wid" task_dialog_hot_link
orvo_click_control "$title" 1025 || orvo_fail "link not found"
orvo_wait_record 'result=' >/dev/null || orvo_fail "the click on the link did not end the dialog"
[[ $(orvo_last_record) == *"result=1025" ]] || orvo_fail "link click: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
[ "$(grep -ac '^OrvoHelp\.exe' "$ORVO_STUB_RECORD_UNIX")" -eq 1 ] || orvo_fail "the help program started more than once"

# With a Cancel button Escape chooses it.
orvo_use_record
orvo_start "$ORVO_WORK/cancel.log" "$driver" /cancel
wid=$(orvo_find_window "$title") || orvo_fail "dialog with Cancel not shown"
orvo_wait_record 'visual=' >/dev/null || orvo_fail "the dialog did not initialise"
orvo_key "$wid" Escape
orvo_wait_record 'result=' >/dev/null || orvo_fail "Escape did not end the dialog with Cancel"
[[ $(orvo_last_record) == *"result=2" ]] || orvo_fail "Escape with Cancel: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"

# A visual style: the themed look; Tab leads from "&Exit" to the first link.
"$ORVO_WINE" reg add "$appearance" /v Current /t REG_SZ /d "Windows XP style" /f >/dev/null 2>&1 </dev/null
orvo_use_record
orvo_start "$ORVO_WORK/themed.log" "$driver"
wid=$(orvo_find_window "$title") || orvo_fail "themed dialog not shown"
state=$(orvo_wait_record 'visual=') || orvo_fail "the themed dialog did not initialise"
"$ORVO_WINE" reg delete "$appearance" /f >/dev/null 2>&1 </dev/null
[[ "$state" == *"visual=2 help= "* ]] || orvo_fail "themed state: $state"
(( $((16#${state##*exstyle=})) & 0x400 )) && orvo_fail "a help button without a topic: $state"
xdotool mousemove 0 0
orvo_key "$wid" Tab
orvo_screenshot "$wid" task_dialog_themed_focus
orvo_key "$wid" Return
orvo_wait_record 'result=' >/dev/null || orvo_fail "Return on the focused link did not end the dialog"
[[ $(orvo_last_record) == *"result=1026" ]] || orvo_fail "Tab, Return: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"

# Closing the window gives 8, the "&Exit" id.
orvo_use_record
orvo_start "$ORVO_WORK/close.log" "$driver" /links:0
wid=$(orvo_find_window "$title") || orvo_fail "dialog without links not shown"
orvo_wait_record 'visual=' >/dev/null || orvo_fail "the dialog did not initialise"
orvo_screenshot "$wid" task_dialog_without_links
orvo_key "$wid" alt+F4
orvo_wait_record 'result=' >/dev/null || orvo_fail "Alt+F4 did not close the dialog"
[[ $(orvo_last_record) == *"result=8" ]] || orvo_fail "closed: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
echo "task dialog: shot classic and themed; Escape only with Cancel; F1 opens topic 1234; links chosen by click and Return; closing gives 8"
