#!/usr/bin/env bash
# The install prompt (through its test driver, with scripted components and
# rights). An administrator without user account control: the installing
# copy starts at once with the reply address and a key, and its reply ends
# the prompt with the copy's bits. A copy that never replies: the prompt
# keeps waiting; "&Skip Installation" warns with one line per missing
# component, Ctrl+click skips without the warning. A user who is no
# administrator cannot install and is told to log in. Screenshots are kept.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
driver="$ORVO_STUB_DIR/drive_install_prompt.exe"
orvo_use_record

orvo_start "$ORVO_WORK/reply.log" "$driver" /replybits:1027
orvo_wait_record 'result=' 30 >/dev/null || orvo_fail "the prompt did not end on the copy's reply"
state=$(grep -a 'install=' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
[[ "$state" == *"started=1"* && "$state" == *"skip=0"* ]] || orvo_fail "not started at once: $state"
copy=$(grep -a '	copy ' "$ORVO_STUB_RECORD_UNIX" | tr -d '\r')
[[ "$copy" =~ /NoConfirm\ /Install\ /CtrlWnd:[0-9]+\ /CtrlMsg:2256\ /CtrlKey:[0-9]+ ]] || orvo_fail "copy started as: $copy"
[[ $(orvo_last_record) == *"result=1 bits=1027" ]] || orvo_fail "the copy's bits were not taken: $(orvo_last_record)"
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"

# A copy that answers with the wrong key is no answer.
orvo_use_record
orvo_start "$ORVO_WORK/wrongkey.log" "$driver" /replykey:7 /replydelay:100
wid=$(orvo_find_window "Orvo" 20) || orvo_fail "the prompt did not appear"
orvo_wait_record '	copy ' >/dev/null || orvo_fail "no copy was started"
sleep 1.5
grep -aq 'result=' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "a reply with the wrong key was taken"
orvo_screenshot "$wid" install_prompt_waiting
[[ $(orvo_control_line "Orvo" 1000) == *"text=Installing Components. Please wait..." ]] || orvo_fail "not waiting: $(orvo_inspect Orvo 1003)"
[[ $(orvo_control_line "Orvo" 1) == *"enabled=0"* ]] || orvo_fail "Install still enabled while the copy runs"
[[ $(orvo_control_line "Orvo" 1011) == *"visible=0"* ]] || orvo_fail "Details is visible"
orvo_key "$wid" Escape
orvo_wait_record 'result=' >/dev/null || orvo_fail "Close did not end the prompt"
[[ $(orvo_last_record) == *"result=2 bits=0" ]] || orvo_fail "Close: $(orvo_last_record)"

# Nothing required missing, the copy never replies: Skip warns, Ctrl+Skip does not.
orvo_use_record
orvo_start "$ORVO_WORK/skip.log" "$driver" /bits:1026 /noreply /atonce
wid=$(orvo_find_window "Orvo" 20) || orvo_fail "the prompt did not appear for skipping"
orvo_wait_record '	copy ' >/dev/null || orvo_fail "no copy was started (at once)"
orvo_click_control "Orvo" 1003 || orvo_fail "Skip not found"
warning=$(orvo_find_window "Pellmore Orvo" 20) || orvo_fail "no warning on Skip"
orvo_screenshot "$warning" install_prompt_skip_warning
text=$(orvo_inspect "Pellmore Orvo" | grep -a 'skip installation' | sed 's/^.* text=//')
[[ "$text" == *"may not function correctly:|	- PellLink, Scanning, and Company Integrations|"* ]] || orvo_fail "warning: $text"
orvo_key "$warning" Return
orvo_wait_record 'result=' >/dev/null || orvo_fail "Skip did not end the prompt"
[[ $(orvo_last_record) == *"result=1 bits=1026" ]] || orvo_fail "Skip: $(orvo_last_record)"

orvo_use_record
orvo_start "$ORVO_WORK/ctrlskip.log" "$driver" /bits:1026 /noreply /atonce
orvo_find_window "Orvo" 20 >/dev/null || orvo_fail "the prompt did not appear for Ctrl+Skip"
orvo_wait_record '	copy ' >/dev/null || orvo_fail "no copy was started"
orvo_click_control "Orvo" 1003 Control_L || orvo_fail "Skip not found"
orvo_wait_record 'result=' 10 >/dev/null || orvo_fail "Ctrl+Skip did not end the prompt at once"
[[ $(orvo_last_record) == *"result=1 bits=1026" ]] || orvo_fail "Ctrl+Skip: $(orvo_last_record)"

# No administrator, no user account control.
orvo_use_record
orvo_start "$ORVO_WORK/user.log" "$driver" /admin:0
wid=$(orvo_find_window "Orvo" 20) || orvo_fail "the prompt did not appear for a user"
orvo_wait_record 'install=' >/dev/null
[[ $(orvo_last_record) == *"install=0 skip=0 shield=0 runas=0 started=0 text=Pellmore Orvo needs to install some components before launching. Please log into the computer as an administrator." ]] ||
  orvo_fail "user: $(orvo_last_record)"
orvo_screenshot "$wid" install_prompt_user
orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" || orvo_fail "the driver did not end"
grep -aq '	copy ' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "a copy was started for a user who cannot install"
echo "install prompt: reply taken once with its key, skip warns, Ctrl skips, users are told to log in"
