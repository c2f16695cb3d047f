#!/usr/bin/env bash
# Read-only program files in the installation are copied read-only; two
# updates in a row still replace the local copy each time.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
chmod a-w "$install/Reports/a.rpt" "$install/Big.dat" "$install/Orvo.EXE"
orvo_use_local_appdata "$ORVO_WORK/LocalAppData"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
chmod a-w "$ORVO_PROGRAM/Reports/a.rpt" "$ORVO_PROGRAM/Old.dll"
orvo_use_record

for version in 5.0.3.91 5.0.3.92; do
  orvo_set_version "$install" "$version"
  : >"$ORVO_STUB_RECORD_UNIX"
  orvo_run "$ORVO_WORK/run_$version.log" "$install/Launcher.exe" || orvo_fail "$version: the launcher failed"
  orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "$version: the copy did not complete"
  differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
  [ -z "$differences" ] || orvo_fail "$version: the local copy differs: $differences"
  [ -w "$ORVO_PROGRAM/Reports/a.rpt" ] && [ "$(id -u)" != 0 ] && orvo_fail "$version: the copy is not read-only"
done
[ -e "$ORVO_PROGRAM/../OldProgram" ] && orvo_fail "the old copy was left behind"
echo "read-only files: two updates in a row replaced the local copy"
