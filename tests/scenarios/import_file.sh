#!/usr/bin/env bash
# Another program hands over an import file with "/COPYIMPORTFILE
# /DELETEIMPORTFILE": the main program receives the quoted path of a private
# copy in the product temporary folder and the sender's file is gone. A
# relaunched launcher ("/Restarted") copies nothing.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_launcher_installation "$install"
orvo_write_record "$install" 3331 5.0.3.90
orvo_use_record
mkdir -p "$ORVO_WORK/sender"
import="$ORVO_WORK/sender/a b.tmp"
echo "policy data" >"$import"

orvo_run "$ORVO_WORK/run.log" "$install/Orvo.exe" /COPYIMPORTFILE /DELETEIMPORTFILE "$(orvo_winpath "$import")"
command=$(orvo_wait_record '^PellmoreOrvo\.EXE	.*/LaunchSrc:' | cut -f3) || orvo_fail "the main program was not started"
copy=$(sed -n 's/.*\/DELETEIMPORTFILE "\([^"]*\)".*/\1/p' <<<"$command")
[ -n "$copy" ] || orvo_fail "no quoted copy path in: $command"
# Earlier copies (the main program's to delete) make it "a b (2).tmp" and so on.
[[ "$copy" =~ \\PellmoreTemp\\a\ b(\ \([0-9]+\))?\.tmp$ ]] || orvo_fail "the copy is not in the product temporary folder: $copy"
[ -e "$import" ] && orvo_fail "the sender's file is still there"
unix_copy=$("$ORVO_WINE" winepath -u "$copy" 2>/dev/null </dev/null)
[ "$(cat "$unix_copy")" = "policy data" ] || orvo_fail "the copy does not hold the file's data"
rm -f "$unix_copy"

echo "policy data" >"$import"
orvo_run "$ORVO_WORK/run2.log" "$install/Orvo.exe" /COPYIMPORTFILE /DELETEIMPORTFILE /Restarted "$(orvo_winpath "$import")"
orvo_wait_record '/Restarted "Z:.*sender\\a b\.tmp"' >/dev/null || orvo_fail "a relaunched start replaced the file name"
[ -e "$import" ] || orvo_fail "a relaunched start deleted the sender's file"
echo "import copy: $copy"
