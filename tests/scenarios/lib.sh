# Sourced by the scenario scripts (not a test itself). Gives a scratch folder,
# fixture installation folders built from the stand-ins, running Windows
# programs under the build's Wine, waiting for what the stand-ins record,
# driving windows with xdotool and keeping screenshots as test artifacts.
#
# Scenario scripts get from ctest: ORVO_EXE, ORVO_STUB_DIR, ORVO_BUILD_DIR,
# ORVO_WINE, WINEPREFIX. Every Wine process started here writes to a log file
# and reads /dev/null: a process that inherited the test's stdout would keep
# ctest waiting until its time-out.
set -euo pipefail
ORVO_SCENARIO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ORVO_SCENARIO_DIR/../wine/env.sh"
# Nothing a scenario starts reaches the internet: a download that is not
# meant for the test server fails at once (orvo_use_test_proxy lifts this).
export http_proxy="http://127.0.0.1:9"
: "${ORVO_STUB_DIR:?ORVO_STUB_DIR must name the folder of the stand-ins}"
ORVO_ARTIFACTS="$ORVO_BUILD_DIR/artifacts"
mkdir -p "$ORVO_ARTIFACTS"

# The scratch folder of this scenario, removed on exit together with every
# Wine process the scenario started (by PID).
ORVO_WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvo_scenario.XXXXXX")
ORVO_PIDS=()
ORVO_LINKS=()
ORVO_ON_EXIT=()
# orvo_on_exit COMMAND: run (as one shell line) when the scenario ends, the
# last registered first; undoes fixtures in the shared prefix.
orvo_on_exit() { ORVO_ON_EXIT=("$1" "${ORVO_ON_EXIT[@]}"); }
orvo_cleanup() {
  local pid link undo
  for undo in "${ORVO_ON_EXIT[@]}"; do
    eval "$undo" || true
  done
  for pid in "${ORVO_PIDS[@]:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  for link in "${ORVO_LINKS[@]:-}"; do
    [ -n "$link" ] && rm -f "$link"
  done
  orvo_restore_local_appdata
  chmod -R u+w "$ORVO_WORK" 2>/dev/null || true
  rm -rf "$ORVO_WORK"
}
trap orvo_cleanup EXIT

orvo_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The Windows spelling of a Unix path (Wine maps the root file system to Z:).
orvo_winpath() {
  local path
  path=$(readlink -m "$1")
  printf 'Z:%s' "${path//\//\\}"
}

# orvo_make_install_folder DIR [VERSION]: an installation folder with
# "Version.dat" (first line VERSION, default 5.0.3.90), the stand-in main
# program as "PellmoreOrvo.EXE" and the stand-in launcher build as "Orvo.EXE".
orvo_make_install_folder() {
  local dir=$1 version=${2:-5.0.3.90}
  mkdir -p "$dir"
  printf '%s\r\n' "$version" >"$dir/Version.dat"
  cp "$ORVO_STUB_DIR/stub_main_program.exe" "$dir/PellmoreOrvo.EXE"
  cp "$ORVO_STUB_DIR/stub_launcher_build.exe" "$dir/Orvo.EXE"
}

# orvo_make_launcher_installation DIR [VERSION]: an installation folder that
# the real launcher (ORVO_EXE, as "Orvo.exe") starts from: "Version.dat",
# "Network.ini" with agency 12, the stand-in main program, and the marker
# that keeps the local copy out of the way ("Pellmore.NoLocalInstall.inc").
orvo_make_launcher_installation() {
  local dir=$1 version=${2:-5.0.3.90}
  : "${ORVO_EXE:?ORVO_EXE must name the launcher}"
  mkdir -p "$dir"
  printf '%s\r\nOrvo.exe\r\nPellmoreOrvo.EXE\r\n' "$version" >"$dir/Version.dat"
  printf '[Settings]\r\niGlb_AgencyNumber=12\r\n' >"$dir/Network.ini"
  cp "$ORVO_STUB_DIR/stub_main_program.exe" "$dir/PellmoreOrvo.EXE"
  cp "$ORVO_EXE" "$dir/Orvo.exe"
  : >"$dir/Pellmore.NoLocalInstall.inc"
  # The prefix is shared by every scenario: start as after a completed start.
  orvo_launch_bit 0 >/dev/null
}

# The computer name Windows programs of this prefix see (the record's name).
orvo_computer_name() {
  if [ -z "${ORVO_COMPUTER_NAME:-}" ]; then
    ORVO_COMPUTER_NAME=$("$ORVO_WINE" cmd /c echo %COMPUTERNAME% 2>/dev/null </dev/null | tr -d '\r\n')
  fi
  echo "$ORVO_COMPUTER_NAME"
}

# orvo_record_file DATA_FOLDER: this computer's record of installed components.
orvo_record_file() {
  echo "$1/Session/ComputerSettings/$(orvo_computer_name).ini"
}

# orvo_write_record DATA_FOLDER BITS VERSION: the record as a launcher wrote it.
orvo_write_record() {
  local file
  file=$(orvo_record_file "$1")
  mkdir -p "$(dirname "$file")"
  printf '[Components]\r\nInstalled=%s\r\nVersion=%s\r\n' "$2" "$3" >"$file"
}

# orvo_record_value DATA_FOLDER KEY: a value of the record's "Components"
# section (empty when there is no record).
orvo_record_value() {
  local file
  file=$(orvo_record_file "$1")
  [ -f "$file" ] || return 0
  tr -d '\r' <"$file" | sed -n "s/^$2=//p"
}

# "LaunchBit" of the application's registry key: orvo_launch_bit [VALUE]
# sets it when VALUE is given and prints it.
orvo_launch_bit() {
  local key='HKCU\Software\Pellmore\Pellmore Orvo\Launch'
  if [ $# -gt 0 ]; then
    "$ORVO_WINE" reg add "$key" /v LaunchBit /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null
  fi
  "$ORVO_WINE" reg query "$key" /v LaunchBit 2>/dev/null </dev/null | tr -d '\r' |
    sed -n 's/.*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p' | { read -r hex && echo $((16#$hex)) || echo 0; }
}

# The record file every stand-in started from now on appends to (exported as
# ORVO_STUB_RECORD, which Wine passes on to the Windows processes).
orvo_use_record() {
  export ORVO_STUB_RECORD_UNIX="${1:-$ORVO_WORK/record.txt}"
  : >"$ORVO_STUB_RECORD_UNIX"
  ORVO_STUB_RECORD=$(orvo_winpath "$ORVO_STUB_RECORD_UNIX")
  export ORVO_STUB_RECORD
}

# orvo_start LOG PROGRAM [ARGS...]: runs a Windows program in the background
# under the build's Wine; its output goes to LOG. Sets ORVO_PID.
orvo_start() {
  local log=$1
  shift
  "$ORVO_WINE" "$@" >"$log" 2>&1 </dev/null &
  ORVO_PID=$!
  ORVO_PIDS+=("$ORVO_PID")
}

# orvo_run LOG PROGRAM [ARGS...]: the same, waiting for the end (at most
# ORVO_RUN_TIMEOUT seconds, 60: a forgotten question must not hang the run);
# returns its exit code (low 8 bits), 124 on the time-out.
orvo_run() {
  local log=$1
  shift
  timeout "${ORVO_RUN_TIMEOUT:-60}" "$ORVO_WINE" "$@" >"$log" 2>&1 </dev/null
}

# orvo_wait_exit PID [SECONDS]: false when it still runs after SECONDS (20).
orvo_wait_exit() {
  local pid=$1 limit=$(( ${2:-20} * 10 )) i
  for ((i = 0; i < limit; i++)); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
    sleep 0.1
  done
  return 1
}

# orvo_wait_record PATTERN [SECONDS]: waits until a line of the record matches
# the extended regular expression; prints the last such line.
orvo_wait_record() {
  local pattern=$1 limit=$(( ${2:-20} * 10 )) i
  for ((i = 0; i < limit; i++)); do
    # The stand-ins write Windows line ends; patterns may end in "$".
    if tr -d '\r' <"$ORVO_STUB_RECORD_UNIX" 2>/dev/null | grep -Eq -- "$pattern"; then
      tr -d '\r' <"$ORVO_STUB_RECORD_UNIX" | grep -E -- "$pattern" | tail -n 1
      return 0
    fi
    sleep 0.1
  done
  echo "record has no line matching: $pattern" >&2
  sed 's/^/  record: /' "$ORVO_STUB_RECORD_UNIX" >&2 || true
  return 1
}

# The last line of the record, without its line end.
orvo_last_record() {
  tail -n 1 "$ORVO_STUB_RECORD_UNIX" | tr -d '\r'
}

# orvo_find_window TITLE [SECONDS]: the id of the visible window whose title is
# exactly TITLE (an extended regular expression is allowed).
orvo_find_window() {
  local title=$1 limit=${2:-30} wid deadline
  deadline=$((SECONDS + limit))
  while :; do
    wid=$(timeout "$((deadline - SECONDS))" xdotool search --sync --onlyvisible --name "^${title}\$" 2>/dev/null |
      head -n 1) || true
    # A search fails at once when a window goes away under it: search again.
    [ -n "$wid" ] || ((SECONDS >= deadline)) || { sleep 0.2; continue; }
    break
  done
  [ -n "$wid" ] || { echo "no window titled '$title'" >&2; return 1; }
  echo "$wid"
}

# There is no window manager: focus a window directly, never "activate" it.
orvo_focus() { xdotool windowfocus --sync "$1"; }
orvo_key() {
  local wid=$1
  shift
  orvo_focus "$wid"
  xdotool key --clearmodifiers --delay 30 "$@"
}
orvo_type() {
  orvo_focus "$1"
  xdotool type --clearmodifiers --delay 20 -- "$2"
}
# orvo_click WID X Y: a left click at X,Y relative to the window's top left.
orvo_click() {
  local wid=$1 x=$2 y=$3
  orvo_focus "$wid"
  xdotool mousemove --window "$wid" "$x" "$y" click 1
}

# orvo_screenshot WID NAME: the window's area of the screen as
# $ORVO_BUILD_DIR/artifacts/NAME.png.
orvo_screenshot() {
  local wid=$1 name=$2 X Y WIDTH HEIGHT SCREEN WINDOW
  # Time for the window to paint; ORVO_SHOT_DELAY=0 catches a passing state.
  sleep "${ORVO_SHOT_DELAY:-0.3}"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root "$ORVO_WORK/screen.png"
  convert "$ORVO_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$ORVO_ARTIFACTS/$name.png"
  echo "screenshot: $ORVO_ARTIFACTS/$name.png (${WIDTH}x${HEIGHT})"
}

# orvo_inspect TITLE [ID]: the controls of the visible window titled TITLE
# (that has a control ID, when given), one line each (inspect_window.exe).
orvo_inspect() {
  "$ORVO_WINE" "$ORVO_STUB_DIR/inspect_window.exe" "$@" 2>/dev/null </dev/null | tr -d '\r'
}

# orvo_control_line TITLE ID: the inspect line of control ID in that window.
orvo_control_line() {
  orvo_inspect "$1" "$2" | grep "^id=$2 "
}

# orvo_click_control TITLE ID [MODIFIER]: clicks the middle of the control,
# holding MODIFIER (an xdotool key name such as Control_L) if given.
orvo_click_control() {
  local rect l t r b
  rect=$(orvo_control_line "$1" "$2" | sed -n 's/.* rect=\([-0-9,]*\) .*/\1/p')
  [ -n "$rect" ] || { echo "no control $2 in '$1'" >&2; return 1; }
  IFS=, read -r l t r b <<<"$rect"
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2))
  if [ -n "${3:-}" ]; then
    xdotool keydown "$3" click 1 keyup "$3"
  else
    xdotool click 1
  fi
}

# orvo_wait_gone TITLE [SECONDS]: waits until no visible window has that title.
orvo_wait_gone() {
  local title=$1 limit=$(( ${2:-20} * 10 )) i
  for ((i = 0; i < limit; i++)); do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# orvo_user_account_control 0|1: "EnableLUA" in both registry views.
orvo_user_account_control() {
  local key='HKLM\Software\Microsoft\Windows\CurrentVersion\Policies\System' view
  for view in /reg:32 /reg:64; do
    "$ORVO_WINE" reg add "$key" /v EnableLUA /t REG_DWORD /d "$1" /f "$view" >/dev/null 2>&1 </dev/null || true
  done
}

# The test download server ctest started (tests/fixtures/http_start.sh).
orvo_http_dir() { echo "$ORVO_BUILD_DIR/http"; }
orvo_http_base() { echo "http://127.0.0.1:$(cat "$(orvo_http_dir)/port")"; }

# orvo_use_test_proxy: Windows programs started from now on reach the
# vendors' addresses through the test server, which trusts as their
# certificate authority the test one (added to the prefix's root store).
orvo_use_test_proxy() {
  "$ORVO_WINE" "$ORVO_STUB_DIR/import_test_ca.exe" "$(orvo_winpath "$(orvo_http_dir)/ca/ca.der")" </dev/null >/dev/null 2>&1 ||
    orvo_fail "the test certificate authority could not be trusted"
  export http_proxy="http://127.0.0.1:$(cat "$(orvo_http_dir)/port")"
}

# --- The local program folder and network installations -----------------
# Scenarios that use these share the prefix's per-user folders and drive
# letters: ctest runs them one at a time (RESOURCE_LOCK local_program_folder).

ORVO_SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'

# orvo_use_local_appdata DIR: the prefix's "Local AppData" becomes DIR until
# the scenario ends, so the local program folder is DIR/Pellmore/Orvo/Program
# (ORVO_PROGRAM) and no scenario sees another's copy.
orvo_use_local_appdata() {
  mkdir -p "$1"
  if [ -z "${ORVO_SAVED_LOCAL_APPDATA+x}" ]; then
    ORVO_SAVED_LOCAL_APPDATA=$("$ORVO_WINE" reg query "$ORVO_SHELL_FOLDERS" /v "Local AppData" 2>/dev/null </dev/null |
      tr -d '\r' | sed -n 's/.*REG_EXPAND_SZ[[:space:]]*//p')
  fi
  "$ORVO_WINE" reg add "$ORVO_SHELL_FOLDERS" /v "Local AppData" /t REG_EXPAND_SZ /d "$(orvo_winpath "$1")" /f \
    >/dev/null 2>&1 </dev/null
  ORVO_PROGRAM="$1/Pellmore/Orvo/Program"
}
orvo_restore_local_appdata() {
  [ -n "${ORVO_SAVED_LOCAL_APPDATA+x}" ] || return 0
  local value=${ORVO_SAVED_LOCAL_APPDATA:-%USERPROFILE%\AppData\Local}
  "$ORVO_WINE" reg add "$ORVO_SHELL_FOLDERS" /v "Local AppData" /t REG_EXPAND_SZ /d "$value" /f \
    >/dev/null 2>&1 </dev/null || true
  unset ORVO_SAVED_LOCAL_APPDATA
}

# orvo_map_drive LETTER DIR: drive LETTER: shows DIR (removed on exit).
orvo_map_drive() {
  local link="$WINEPREFIX/dosdevices/${1,,}:"
  rm -f "$link"
  ln -s "$(readlink -m "$2")" "$link"
  ORVO_LINKS+=("$link")
}
# orvo_map_share SERVER SHARE DIR: \\SERVER\SHARE shows DIR (removed on exit).
orvo_map_share() {
  local link="$WINEPREFIX/dosdevices/unc/$1/$2"
  mkdir -p "$(dirname "$link")"
  rm -f "$link"
  ln -s "$(readlink -m "$3")" "$link"
  ORVO_LINKS+=("$link")
}

# orvo_make_update_installation DIR VERSION [PADDING_MB]: an installation the
# real launcher updates the local copy from. It starts as "Launcher.exe" (the
# name of a launcher started from the installation does not matter, but one
# beginning with "Comp" would be the checker); "Orvo.EXE" is the stand-in
# launcher build, so the relaunch from the local copy is recorded instead of
# run. Files: Version.dat listing Reports\a.rpt, Reports\b.rpt, Big.dat and
# itself; Notes.txt, which is not copied; the stand-in main program, padded
# with PADDING_MB megabytes (default 0) so that it copies slowly; Big.dat of
# 5 MB; Network.ini with agency 12 and a complete record of components.
orvo_make_update_installation() {
  local dir=$1 version=$2 padding=${3:-0}
  : "${ORVO_EXE:?ORVO_EXE must name the launcher}"
  mkdir -p "$dir/Reports"
  printf '%s\r\nReports\\a.rpt\t1\r\nReports\\b.rpt\r\nBig.dat\r\nPellmoreOrvo.EXE\r\nVersion.dat\r\n' "$version" \
    >"$dir/Version.dat"
  printf '[Settings]\r\niGlb_AgencyNumber=12\r\n' >"$dir/Network.ini"
  printf 'report a %s\r\n' "$version" >"$dir/Reports/a.rpt"
  printf 'report b %s\r\n' "$version" >"$dir/Reports/b.rpt"
  printf 'not copied\r\n' >"$dir/Notes.txt"
  head -c $((5 * 1024 * 1024)) /dev/urandom >"$dir/Big.dat"
  cp "$ORVO_STUB_DIR/stub_main_program.exe" "$dir/PellmoreOrvo.EXE"
  if [ "$padding" -gt 0 ]; then head -c $((padding * 1024 * 1024)) /dev/zero >>"$dir/PellmoreOrvo.EXE"; fi
  cp "$ORVO_STUB_DIR/stub_launcher_build.exe" "$dir/Orvo.EXE"
  cp "$ORVO_EXE" "$dir/Launcher.exe"
  orvo_write_record "$dir" 3331 "$version"
  orvo_launch_bit 0 >/dev/null
}

# orvo_set_version DIR VERSION: a new program version in DIR's Version.dat.
orvo_set_version() {
  sed -i "1s/^.*\$/$2\r/" "$1/Version.dat"
}

# The files the copy list of an installation made above names, as paths
# relative to the folder.
ORVO_UPDATE_FILES=(Launcher.exe Orvo.EXE PellmoreOrvo.EXE Version.dat Reports/a.rpt Reports/b.rpt Big.dat)

# orvo_make_old_copy PROGRAM VERSION: a local copy of an earlier version.
orvo_make_old_copy() {
  mkdir -p "$1/Reports"
  printf '%s\r\n' "$2" >"$1/Version.dat"
  printf 'old report\r\n' >"$1/Reports/a.rpt"
  printf 'only in the old copy\r\n' >"$1/Old.dll"
  cp "$ORVO_STUB_DIR/stub_main_program.exe" "$1/PellmoreOrvo.EXE"
}

# orvo_copy_differences INSTALL PROGRAM: prints what keeps PROGRAM from
# being the installation's copy (nothing when it is one): a listed file
# missing or different, or a file that does not belong ("install.ini" does).
orvo_copy_differences() {
  local install=$1 program=$2 name
  for name in "${ORVO_UPDATE_FILES[@]}"; do
    cmp -s "$install/$name" "$program/$name" || echo "differs: $name"
  done
  (cd "$program" && find . -type f | sed 's|^\./||') | while read -r name; do
    [ "$name" = install.ini ] && continue
    printf '%s\n' "${ORVO_UPDATE_FILES[@]}" | grep -qxF -- "$name" || echo "extra: $name"
  done
}

# Wine's temporary folder as Windows programs name it (ORVO_TEMP_WIN, from
# GetTempPathA through cmd) and its Unix path (ORVO_TEMP_UNIX). A launcher
# counts as its temporary copy only when started under the Windows name.
orvo_temp_folder() {
  ORVO_TEMP_WIN=$("$ORVO_WINE" cmd /c echo %TEMP% 2>/dev/null </dev/null | tr -d '\r\n')
  ORVO_TEMP_UNIX=$("$ORVO_WINE" winepath -u "$ORVO_TEMP_WIN" 2>/dev/null </dev/null | tr -d '\r\n')
  [ -n "$ORVO_TEMP_WIN" ] && [ -d "$ORVO_TEMP_UNIX" ]
}

# orvo_first_line FILE: the first line without its line end (empty when absent).
orvo_first_line() {
  [ -f "$1" ] || return 0
  head -n 1 "$1" | tr -d '\r'
}

# orvo_window_text TITLE: what the visible window TITLE shows, a line each:
# its title, each control's text ("hidden: " before hidden ones, line breaks
# as "|"), each list box item as "item: <text>".
orvo_window_text() {
  echo "$1"
  orvo_inspect "$1" | awk '
    /^id=/ { text = $0; sub(/^[^\t]* text=/, "", text); if (text == $0) next
             if (text != "") print ($0 ~ / visible=0 / ? "hidden: " : "") text }
    /^item=/ { sub(/^item=[0-9]* text=/, ""); print "item: " $0 }'
}

# The .NET Framework's setup key (stand-in installers write it): removed in
# both registry views, so a scenario starts without the framework.
orvo_remove_dotnet_framework() {
  local key='HKLM\Software\Microsoft\NET Framework Setup\NDP\v4\Full' view
  for view in /reg:32 /reg:64; do "$ORVO_WINE" reg delete "$key" /f "$view" >/dev/null 2>&1 </dev/null || true; done
}

# orvo_report_text: the text of the error report ("Pellmore Orvo") once it
# has filled in (it waits for the browser control first), line breaks as "|".
orvo_report_text() {
  local text
  for _ in $(seq 1 100); do
    text=$(orvo_inspect "Pellmore Orvo" 1 | grep -v '^id=1 \|^id=2 \|^window=' | sed 's/^.* text=//' | tr '\n' '|')
    [[ "$text" == *Microsoft* || "$text" == *Pellmore\ * ]] && break
    sleep 0.1
  done
  echo "$text"
}

# orvo_reg ARGS...: the prefix's reg.exe in the build's own registry view
# (add /reg:32 where a Part names the 32-bit view); quiet.
orvo_reg() { "$ORVO_WINE" reg "$@" >/dev/null 2>&1 </dev/null; }

# Windows Installer's view of a product: "state=<n> version=<text>".
orvo_msi_state() { "$ORVO_WINE" "$ORVO_STUB_DIR/msi_tool.exe" state "$1" 2>/dev/null </dev/null | tr -d '\r'; }
orvo_msi_remove() { "$ORVO_WINE" "$ORVO_STUB_DIR/msi_tool.exe" remove "$1" >/dev/null 2>&1 </dev/null || true; }

# The user's temporary folder Wine gives Windows programs, as a Unix path;
# the launcher's own files (installer logs, "ODBCDriver.log") are in
# "PellmoreTemp" below it.
orvo_windows_temp() {
  "$ORVO_WINE" winepath -u "$("$ORVO_WINE" cmd /c echo %TEMP% </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null </dev/null
}

ORVO_ACCESS_DRIVER='Microsoft Access Driver (*.mdb, *.accdb)'
ORVO_ODBCINST='HKCU\Software\ODBC\ODBCINST.INI'
ORVO_RUNTIME_KEY='HKLM\SOFTWARE\WOW6432Node\Microsoft\VisualStudio\14.0\VC\Runtimes\x86'
ORVO_WEBFILLER_SERVER='HKCR\CLSID\{F78FB3B6-93BF-4423-BE42-ED1D89D9F637}'
ORVO_VENDOR_FIXTURE_CODE='{6B2D7E41-9A3C-4F5E-8D1B-2C3E4F5A6BF1}'

# orvo_odbc_driver NAME DLL: a user ODBC driver (where Wine's odbccp32
# looks); removed when the scenario ends.
orvo_odbc_driver() {
  orvo_reg add "$ORVO_ODBCINST\\ODBC Drivers" /v "$1" /t REG_SZ /d Installed /f
  orvo_reg add "$ORVO_ODBCINST\\$1" /v Driver /t REG_SZ /d "$(orvo_winpath "$2")" /f
  orvo_on_exit "orvo_remove_odbc_driver '$1'"
}
orvo_remove_odbc_driver() {
  orvo_reg delete "$ORVO_ODBCINST\\ODBC Drivers" /v "$1" /f
  orvo_reg delete "$ORVO_ODBCINST\\$1" /f
}

orvo_remove_dotnet() {
  local view
  for view in /reg:32 /reg:64; do orvo_reg delete 'HKLM\Software\Microsoft\NET Framework Setup\NDP\v4\Full' /f "$view"; done
}
orvo_remove_runtime() { orvo_reg delete 'HKLM\SOFTWARE\WOW6432Node\Microsoft\VisualStudio\14.0' /f; }
orvo_remove_vendor_fixture() {
  orvo_reg delete "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$ORVO_VENDOR_FIXTURE_CODE" /f
  orvo_reg delete "$ORVO_WEBFILLER_SERVER" /f /reg:32
}

# orvo_prerequisites_present INSTALL_DIR WHAT...: makes the named
# prerequisites (dotnet, runtime, engine, vendor) look installed, in the
# registry views the launcher reads, until the scenario ends. "vendor" also
# writes the installation's "Pellmore Components.ini".
orvo_prerequisites_present() {
  local install=$1 what
  shift
  for what in "$@"; do
    case $what in
      dotnet)
        orvo_reg add 'HKLM\Software\Microsoft\NET Framework Setup\NDP\v4\Full' /v Release /t REG_DWORD /d 528040 /f
        orvo_reg add 'HKLM\Software\Microsoft\NET Framework Setup\NDP\v4\Full' /v Version /t REG_SZ /d 4.8.03761 /f
        orvo_on_exit orvo_remove_dotnet ;;
      runtime)
        orvo_reg add "$ORVO_RUNTIME_KEY" /v Version /t REG_SZ /d v14.16.27012.00 /f
        orvo_on_exit orvo_remove_runtime ;;
      engine)
        orvo_odbc_driver "$ORVO_ACCESS_DRIVER" "$ORVO_STUB_DIR/stub_odbc_driver16.dll" ;;
      vendor)
        orvo_reg add "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$ORVO_VENDOR_FIXTURE_CODE" \
          /v BundleVersion /t REG_SZ /d 5.2 /f
        orvo_reg add "$ORVO_WEBFILLER_SERVER\\InprocServer32" /ve /t REG_SZ \
          /d "$(orvo_winpath "$ORVO_STUB_DIR/webfiller_3.0.0.7/PellWebFiller.dll")" /f /reg:32
        orvo_vendor_settings "$install" "$ORVO_VENDOR_FIXTURE_CODE"
        orvo_on_exit orvo_remove_vendor_fixture ;;
      *) orvo_fail "unknown prerequisite $what" ;;
    esac
  done
}

# orvo_vendor_settings INSTALL_DIR PRODUCT_CODE: "Pellmore Components.ini"
# asking for package 5.1 and web filler 3.0.0.7.
orvo_vendor_settings() {
  printf '[Setup]\r\nProductCode=%s\r\nUpgradeCode=\r\nRequiredVersion=5.1\r\nPellLinkRequiredVersion=3.0.0.7\r\n' \
    "$2" >"$1/Pellmore Components.ini"
}

# orvo_vendor_package INSTALL_DIR PACKAGE PRODUCT_CODE: the test package
# (tests/fixtures/packages/PACKAGE.msi) as the installation's
# "Pellmore Components.msi"; the product is removed when the scenario ends.
orvo_vendor_package() {
  cp "$ORVO_STUB_DIR/packages/$2.msi" "$1/Pellmore Components.msi"
  orvo_vendor_settings "$1" "$3"
  orvo_on_exit "orvo_msi_remove '$3'"
}

# orvo_silent_install LOG INSTALL_DIR: an administrator's unattended run
# ("/Install /NoConfirm /Silent" with the log file); prints the log without
# carriage returns.
orvo_silent_install() {
  local log=$1 install=$2 rc=0
  rm -f "$log"
  orvo_run "$ORVO_WORK/silent.out" "$install/Orvo.exe" /Install /NoConfirm /Silent "$(orvo_winpath "$log")" || rc=$?
  [ "$rc" = 124 ] && orvo_fail "the silent run did not end"
  [ -f "$log" ] || orvo_fail "the silent run wrote no log"
  tr -d '\r' <"$log"
}

# --- Virtual printers -------------------------------------------------------
# A test printer is a registry printer whose driver is a driver stand-in of
# $ORVO_STUB_DIR/printer_drivers (tests/scenarios/README.md). Printer
# scenarios share ctest's RESOURCE_LOCK windows_installer with the MSI ones.
ORVO_PRINT_KEY='HKLM\System\CurrentControlSet\Control\Print'
ORVO_CURRENT_PRINTER='Pellmore Virtual Printer'
ORVO_PRINTER_DRIVER_CODE_X86='{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B11}'
ORVO_PRINTER_DRIVER_CODE_X64='{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B12}'
ORVO_PRINTER_OEM_CODE_X86='{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B21}'
ORVO_PRINTER_OEM_CODE_X64='{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B22}'
# The width the launcher of this build picks ("(x64)" for the 64-bit build).
if [ "${WINEARCH:-win32}" = win64 ]; then ORVO_PACKAGE_ARCH=x64; else ORVO_PACKAGE_ARCH=x86; fi

# orvo_printer NAME DRIVER_STAND_IN: the printer NAME with a driver of its
# own ("Orvo Test Driver NAME") registered in both spooler environments
# whose library is a copy of the stand-in; removed when the scenario ends.
orvo_printer() {
  local name=$1 standin=$2 driver="Orvo Test Driver $1" library env folder
  library="orvo_test_$(tr -c 'A-Za-z0-9\n' '_' <<<"$name").dll"
  for env in "Windows NT x86:w32x86" "Windows x64:x64"; do
    folder="$WINEPREFIX/drive_c/windows/system32/spool/drivers/${env#*:}/3"
    [ -d "$folder" ] || continue
    cp "$ORVO_STUB_DIR/printer_drivers/$standin.dll" "$folder/$library"
    orvo_on_exit "rm -f '$folder/$library'"
    local key="$ORVO_PRINT_KEY\\Environments\\${env%%:*}\\Drivers\\Version-3\\$driver"
    orvo_reg add "$key" /v Driver /t REG_SZ /d "$library" /f
    orvo_reg add "$key" /v "Data File" /t REG_SZ /d "$library" /f
    orvo_reg add "$key" /v "Configuration File" /t REG_SZ /d wineps.drv /f
    orvo_on_exit "orvo_reg delete '$key' /f"
  done
  orvo_printer_key "$name" "$driver"
  orvo_on_exit "orvo_remove_printer '$name'"
}
orvo_printer_key() {
  local key="$ORVO_PRINT_KEY\\Printers\\$1"
  orvo_reg add "$key" /v Name /t REG_SZ /d "$1" /f
  orvo_reg add "$key" /v Port /t REG_SZ /d FILE: /f
  orvo_reg add "$key" /v "Printer Driver" /t REG_SZ /d "$2" /f
  orvo_reg add "$key" /v "Print Processor" /t REG_SZ /d WinPrint /f
  orvo_reg add "$key" /v Datatype /t REG_SZ /d RAW /f
  orvo_reg add "$key" /v Attributes /t REG_DWORD /d 64 /f
}
# Whole keys: Wine writes values of its own into a printer's key once used.
orvo_remove_printer() { orvo_reg delete "$ORVO_PRINT_KEY\\Printers\\$1" /f || true; }
orvo_printer_exists() { "$ORVO_WINE" reg query "$ORVO_PRINT_KEY\\Printers\\$1" >/dev/null 2>&1 </dev/null; }

# orvo_spooler start|stop: the "Spooler" service (it keeps its caller's
# output, so that goes to a file); stopped again when the scenario ends.
orvo_spooler() {
  "$ORVO_WINE" net "$1" spooler >"$ORVO_WORK/spooler.log" 2>&1 </dev/null || true
  [ "$1" = start ] && orvo_on_exit 'orvo_spooler stop'
  return 0
}

# Program Files of the prefix as the launcher sees it (the relay program's
# components folder and the vendor's tools are below it).
orvo_program_files() { "$ORVO_WINE" winepath -u 'C:\Program Files' 2>/dev/null </dev/null | tr -d '\r'; }

# orvo_printer_packages INSTALL_DIR [ARCH]: the current printer's packages
# (x86 or x64, default the width this build picks) in INSTALL_DIR\Installs\
# NovaPDF with the relay program; whatever gets installed from them, the
# relay's folder and the printer are removed when the scenario ends.
orvo_printer_packages() {
  local install=$1 arch=${2:-$ORVO_PACKAGE_ARCH} dir="$1/Installs/NovaPDF" pf
  mkdir -p "$dir"
  cp "$ORVO_STUB_DIR/packages/novapdf_driver_8_10_$arch.msi" "$dir/novaPDF8PrinterDriver($arch).msi"
  cp "$ORVO_STUB_DIR/packages/novapdf_oem_8_10_$arch.msi" "$dir/novaPDF8OEM($arch).msi"
  printf 'relay\r\n' >"$dir/OrvoPrinterRelay.exe"
  pf=$(orvo_program_files)
  [ -e "$pf/Pellmore" ] || orvo_on_exit "rm -rf '$pf/Pellmore'"
  [ -e "$pf/Softland" ] || orvo_on_exit "rm -rf '$pf/Softland'"
  orvo_on_exit orvo_remove_printer_products
}
orvo_remove_printer_products() {
  local code
  for code in "$ORVO_PRINTER_OEM_CODE_X86" "$ORVO_PRINTER_OEM_CODE_X64" "$ORVO_PRINTER_DRIVER_CODE_X86" \
    "$ORVO_PRINTER_DRIVER_CODE_X64"; do
    orvo_msi_remove "$code"
  done
  orvo_remove_printer "$ORVO_CURRENT_PRINTER"
}
orvo_printer_oem_code() { [ "$ORVO_PACKAGE_ARCH" = x64 ] && echo "$ORVO_PRINTER_OEM_CODE_X64" || echo "$ORVO_PRINTER_OEM_CODE_X86"; }
orvo_printer_driver_code() { [ "$ORVO_PACKAGE_ARCH" = x64 ] && echo "$ORVO_PRINTER_DRIVER_CODE_X64" || echo "$ORVO_PRINTER_DRIVER_CODE_X86"; }

# orvo_failing_printer DIR: the printer's packages in DIR, but a file where
# the relay program's folder belongs, so the printer is a prerequisite whose
# installation fails before any package (a run then has an error report).
orvo_failing_printer() {
  local components
  orvo_printer_packages "$1"
  components="$(orvo_program_files)/Pellmore/Pellmore Components"
  mkdir -p "$components"
  rm -rf "$components/PDF Printer"
  printf 'not a folder' >"$components/PDF Printer"
}

# orvo_install_printer_products DIR: both products installed from the
# packages orvo_printer_packages put into DIR, as an earlier run would have.
orvo_install_printer_products() {
  local package
  for package in "novaPDF8PrinterDriver($ORVO_PACKAGE_ARCH).msi" "novaPDF8OEM($ORVO_PACKAGE_ARCH).msi"; do
    orvo_run "$ORVO_WORK/install.log" msiexec /i "$(orvo_winpath "$1/Installs/NovaPDF/$package")" /qn ||
      orvo_fail "$package was not installed: $(cat "$ORVO_WORK/install.log")"
  done
}

# orvo_printer_action ID [SHOT]: clicks the manager's link ID, lets the
# "Finished Uninstalling" notes pass, answers the restart question No (it is
# noted in $ORVO_WORK/questions) and prints the text of the box that reports
# the action (kept as screenshot SHOT when given), then closes it.
orvo_printer_action() {
  local box text
  orvo_click_control "Virtual Printer Setup" "$1" || orvo_fail "no link $1: $(orvo_inspect "Virtual Printer Setup")"
  while :; do
    box=$(orvo_find_window "Pellmore Orvo" 90) || orvo_fail "no box after link $1"
    # A box just made may not have its controls yet: title, button, text.
    local tries
    for ((tries = 0; tries < 50; tries++)); do
      text=$(orvo_window_text "Pellmore Orvo")
      [ "$(wc -l <<<"$text")" -ge 3 ] && break
      sleep 0.1
    done
    if grep -q "must be restarted" <<<"$text"; then
      echo "restart: $text" >>"$ORVO_WORK/questions"
      orvo_screenshot "$box" printer_restart_question >&2
      orvo_key "$box" n
    elif grep -q "^Finished Uninstalling" <<<"$text"; then
      orvo_key "$box" Return
    else
      break
    fi
    # The next box may follow at once: wait for this one to go.
    local i
    for ((i = 0; i < 100; i++)); do
      xdotool search --onlyvisible --name "^Pellmore Orvo\$" 2>/dev/null | grep -qx "$box" || break
      sleep 0.1
    done
  done
  [ -n "${2:-}" ] && orvo_screenshot "$box" "$2" >&2
  orvo_key "$box" Return
  orvo_wait_gone "Pellmore Orvo" 10 || orvo_fail "the result box stayed"
  orvo_find_window "Virtual Printer Setup" >/dev/null || orvo_fail "the manager did not come back"
  echo "$text"
}

# The links the manager offers, as their ids in ascending order on one line.
orvo_printer_links() {
  orvo_inspect "Virtual Printer Setup" | sed -n 's/^id=\(10[23][0-9]\) .*/\1/p' | sort -n | tr '\n' ' '
}

# "PreferredVPrinter" under "Software\Pellmore" of HKLM (the product's
# 32-bit view) or HKCU; empty when there is none.
orvo_preferred_printer() {
  local view=
  [ "$1" = HKLM ] && view=/reg:32
  "$ORVO_WINE" reg query "$1\\Software\\Pellmore" /v PreferredVPrinter $view 2>/dev/null </dev/null | tr -d '\r' |
    sed -n 's/.*REG_SZ[[:space:]]*//p'
}
