#!/usr/bin/env bash
# Prepares the build's Wine prefix (once), keeps its wineserver up for the run
# and starts a private Xvfb for tests with windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

stamp="$WINEPREFIX/.orvo-prepared"
if [ ! -f "$stamp" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$ORVO_WINE" wineboot -i >/dev/null 2>&1 || true
  orvo_wineserver -w || true
  # Without the fonts dialogs fall back to other faces and captions break.
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # Without a window manager, closing a managed window waits two seconds.
  "$ORVO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  orvo_wineserver -w || true
  touch "$stamp"
fi

# Keep the server up across the gaps between tests.
orvo_wineserver -p >/dev/null 2>&1 || true

if [ -s "$ORVO_XVFB_PID_FILE" ] && kill -0 "$(cat "$ORVO_XVFB_PID_FILE")" 2>/dev/null; then
  exit 0
fi
rm -f "$ORVO_DISPLAY_FILE" "$ORVO_XVFB_PID_FILE"
exec 3>"$ORVO_DISPLAY_FILE.tmp"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
echo $! >"$ORVO_XVFB_PID_FILE"
exec 3>&-
for _ in $(seq 1 100); do
  [ -s "$ORVO_DISPLAY_FILE.tmp" ] && break
  sleep 0.1
done
if [ ! -s "$ORVO_DISPLAY_FILE.tmp" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
tr -d '\n' <"$ORVO_DISPLAY_FILE.tmp" >"$ORVO_DISPLAY_FILE"
rm -f "$ORVO_DISPLAY_FILE.tmp"
echo "wine prefix $WINEPREFIX, display :$(cat "$ORVO_DISPLAY_FILE")"
