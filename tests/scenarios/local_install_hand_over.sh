#!/usr/bin/env bash
# A launcher build left in the local program folder under the main program's
# name is started there with an import file to pass on. It hands the start
# over once: exactly one copy of the installation's launcher starts, from the
# temporary folder, and gets the import file by its name, which is still
# there; the first launcher copies, deletes and starts nothing.
source "$(dirname "$0")/lib.sh"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.91
printf '[Settings]\r\nsDir_InstallPath=%s\r\n' "$(orvo_winpath "$install")" >"$ORVO_PROGRAM/install.ini"
cp "$ORVO_EXE" "$ORVO_PROGRAM/PellmoreOrvo.EXE"
orvo_use_record
mkdir -p "$ORVO_WORK/sender"
import="$ORVO_WORK/sender/policy.tmp"
echo "policy data" >"$import"

orvo_run "$ORVO_WORK/run.log" "$ORVO_PROGRAM/PellmoreOrvo.EXE" /COPYIMPORTFILE /DELETEIMPORTFILE \
  "$(orvo_winpath "$import")" || orvo_fail "the launcher failed: $(cat "$ORVO_WORK/run.log")"
line=$(orvo_wait_record '^Orvo\.EXE	') || orvo_fail "the start was not handed over"
# A second hand-over would follow at once; give it the time to show.
sleep 2
[ "$(grep -c '^Orvo\.EXE' "$ORVO_STUB_RECORD_UNIX")" = 1 ] ||
  orvo_fail "not one launcher started: $(grep '^Orvo\.EXE' "$ORVO_STUB_RECORD_UNIX")"
orvo_temp_folder || orvo_fail "no temporary folder"
[ "$(cut -f2 <<<"$line" | tr A-Z a-z)" = "$(tr A-Z a-z <<<"$ORVO_TEMP_WIN")" ] || orvo_fail "started in $(cut -f2 <<<"$line")"
[[ "$(cut -f3 <<<"$line")" == *"$(orvo_winpath "$import")"* ]] || orvo_fail "the import file was not handed on: $line"
[ -e "$import" ] || orvo_fail "the import file was deleted before the launcher it was handed to could read it"
grep -q '^PellmoreOrvo' "$ORVO_STUB_RECORD_UNIX" && orvo_fail "a main program was started"
echo "hand-over: one launcher started: $(cut -f3 <<<"$line")"
