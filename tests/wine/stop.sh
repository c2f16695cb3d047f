#!/usr/bin/env bash
# Ends what start.sh started: this prefix's wineserver and the build's Xvfb.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
orvo_wineserver -k >/dev/null 2>&1 || true
if [ -s "$ORVO_XVFB_PID_FILE" ]; then
  kill "$(cat "$ORVO_XVFB_PID_FILE")" 2>/dev/null || true
fi
rm -f "$ORVO_XVFB_PID_FILE" "$ORVO_DISPLAY_FILE"
exit 0
