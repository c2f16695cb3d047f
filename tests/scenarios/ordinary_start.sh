#!/usr/bin/env bash
# An ordinary start on a workstation whose record holds every component at
# the current program version: the launcher starts the main program from the
# installation folder with its own arguments, the agency and its file name;
# "LaunchBit" is set for the start and reset by the main program.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record

orvo_run "$ORVO_WORK/run.log" "$install/Orvo.exe" /SomeOption || orvo_fail "the launcher failed: $(cat "$ORVO_WORK/run.log")"
line=$(orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:') || orvo_fail "the main program was not started"
folder=$(cut -f2 <<<"$line")
command=$(cut -f3 <<<"$line")
[ "$folder" = "$(orvo_winpath "$install")" ] || orvo_fail "started in $folder"
[[ "$command" == *' /SomeOption /AGENCYID:12 /LaunchSrc:"Orvo.exe"' ]] || orvo_fail "command line: $command"
orvo_wait_record 'LaunchBit=1$' >/dev/null || orvo_fail "LaunchBit was not set for the start"
[ "$(orvo_launch_bit)" = 0 ] || orvo_fail "the main program did not reset LaunchBit"
[ "$(orvo_record_value "$install" Installed)" = 3331 ] || orvo_fail "the record changed"
echo "main program started: $command"
