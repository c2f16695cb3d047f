#!/usr/bin/env bash
# Runs one Windows program under the build's Wine prefix and display.
# Wine may start helper processes (services, the desktop window) that outlive
# the program; they must not inherit ctest's output pipe, or ctest waits for
# them until its time-out. So the output goes through a file.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
log=$(mktemp)
"$ORVO_WINE" "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
