#!/usr/bin/env bash
# The local program folder is deep (the user's local application-data folder
# moved): a file whose local path is 256 characters long is copied, and the
# next update removes it with the old copy (where its path is 259), while
# junk lines in the installation's "Version.dat" (thousands of characters,
# binary bytes) name no file and are skipped. With one character more the
# real file stops the update: it says which file, leaves the local copy as it
# is and starts nothing.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || orvo_fail "no display"
install="$ORVO_WORK/Pellmore"
orvo_make_update_installation "$install" 5.0.3.91
# A local application-data folder that makes "<P>\<name>" 256 characters
# for a name of 60 characters.
base="$ORVO_WORK/LocalAppData"
suffix='\Pellmore\Orvo\Program'
name_length=60
winbase=$(orvo_winpath "$base")
pad=$((256 - name_length - 1 - ${#suffix} - 1 - ${#winbase}))
appdata="$base/$(head -c "$pad" /dev/zero | tr '\0' d)"
orvo_use_local_appdata "$appdata"
program_win="$(orvo_winpath "$appdata")$suffix"
name="$(head -c $((name_length - 4)) /dev/zero | tr '\0' L).dll"
[ $((${#program_win} + 1 + ${#name})) = 256 ] || orvo_fail "set-up: path of $((${#program_win} + 1 + ${#name}))"
orvo_make_old_copy "$ORVO_PROGRAM" 5.0.3.90
cp "$install/Reports/a.rpt" "$install/$name"
orvo_use_record

ORVO_UPDATE_FILES+=("$name")
{
  head -c 3000 /dev/zero | tr '\0' x
  printf '\r\n\001\002\376\377\200junk\177\t9\r\n'
} >>"$install/Version.dat"
for version in 5.0.3.91 5.0.3.92; do
  orvo_set_version "$install" "$version"
  : >"$ORVO_STUB_RECORD_UNIX"
  orvo_run "$ORVO_WORK/run_$version.log" "$install/Launcher.exe" || orvo_fail "$version: the launcher failed"
  orvo_wait_record '^Orvo\.EXE	.*/SkipLocalCheck' >/dev/null || orvo_fail "$version: the copy did not complete"
  differences=$(orvo_copy_differences "$install" "$ORVO_PROGRAM")
  [ -z "$differences" ] || orvo_fail "$version: the local copy differs: $differences"
  [ -e "$ORVO_PROGRAM/../OldProgram" ] && orvo_fail "$version: the old copy was not removed"
done

longer="${name%.dll}X.dll"
mv "$install/$name" "$install/$longer"
orvo_set_version "$install" 5.0.3.93
before=$(cd "$ORVO_PROGRAM" && find . -type f ! -name install.ini -exec md5sum {} + | sort)
: >"$ORVO_STUB_RECORD_UNIX"
orvo_start "$ORVO_WORK/too_long.log" "$install/Launcher.exe"
launcher=$ORVO_PID
wid=$(orvo_find_window "Pellmore Orvo" 30) || orvo_fail "nothing was said about the long path"
shown=$(orvo_window_text "Pellmore Orvo")
grep -qF -- "- $program_win\\$longer" <<<"$shown" || orvo_fail "the message does not name the file: $shown"
grep -qF 'would be too long' <<<"$shown" || orvo_fail "the message does not say why: $shown"
orvo_screenshot "$wid" local_install_long_path
orvo_key "$wid" Return
orvo_wait_exit "$launcher" 20 || orvo_fail "the launcher did not end"
[ -s "$ORVO_STUB_RECORD_UNIX" ] && orvo_fail "something was started: $(cat "$ORVO_STUB_RECORD_UNIX")"
after=$(cd "$ORVO_PROGRAM" && find . -type f ! -name install.ini -exec md5sum {} + | sort)
[ "$after" = "$before" ] || orvo_fail "the local copy was touched"
echo "long paths: 256 characters copied and removed again; 257 refused with the file named, the copy untouched"
