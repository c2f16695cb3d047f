#!/usr/bin/env bash
# Orvo.exe started from an installation folder shows the "Loading" window
# (caption "Orvo"); a screenshot of it is kept as an artifact, and Escape
# closes it and ends the process.
source "$(dirname "$0")/lib.sh"
: "${ORVO_EXE:?}"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"

install="$ORVO_WORK/Pellmore"
orvo_make_install_folder "$install"
# The launcher itself, not the stand-in: it makes its own folder the current one.
cp "$ORVO_EXE" "$install/Orvo.exe"

orvo_start "$ORVO_WORK/run.log" "$install/Orvo.exe"
wid=$(orvo_find_window "Orvo" 60) || { cat "$ORVO_WORK/run.log"; orvo_fail "the launcher window did not appear"; }
orvo_screenshot "$wid" launcher_window
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The dialog is 271 x 118 dialog units: clearly wider than high.
[ "$WIDTH" -gt "$HEIGHT" ] || orvo_fail "unexpected window shape ${WIDTH}x${HEIGHT}"

orvo_key "$wid" Escape
orvo_wait_exit "$ORVO_PID" 10 || orvo_fail "the launcher did not end after its window closed"
echo "launcher window shown and closed"
