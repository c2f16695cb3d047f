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

# Drive letters the drive-mapping tests and scenarios use (Wine reads the
# drive types when its server starts):
#   n:  mapped network drive of \\orvosrv\pub (a folder in drive_c)
#   m:  typed "network" but only a plain folder: a drive without connection
#   x:  a plain folder the scenarios give out as a subst drive
# and \\orvolocal\c, a share of this computer's drive C:.
# The links are made at every start (a scenario that went wrong may have
# left one changed); the drive types only once, as they need a new server.
dosdevices="$WINEPREFIX/dosdevices"
drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/orvo_pub" "$drive_c/orvo_plain" "$drive_c/orvo_subst" "$dosdevices/unc/orvosrv" \
  "$dosdevices/unc/orvolocal"
ln -sfn "$drive_c/orvo_pub" "$dosdevices/unc/orvosrv/pub"
ln -sfn "$drive_c" "$dosdevices/unc/orvolocal/c"
ln -sfn unc/orvosrv/pub "$dosdevices/n:"
ln -sfn "$drive_c/orvo_plain" "$dosdevices/m:"
ln -sfn "$drive_c/orvo_subst" "$dosdevices/x:"
drives_stamp="$WINEPREFIX/.orvo-drives"
if [ ! -f "$drives_stamp" ]; then
  for letter in n: m:; do
    "$ORVO_WINE" reg add 'HKLM\Software\Wine\Drives' /v "$letter" /t REG_SZ /d network /f >/dev/null 2>&1
  done
  orvo_wineserver -k >/dev/null 2>&1 || true
  orvo_wineserver -w || true
  touch "$drives_stamp"
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
