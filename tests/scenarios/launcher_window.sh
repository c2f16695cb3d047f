#!/usr/bin/env bash
# Orvo.exe started under Wine shows the "Loading" window (dialog 102, caption
# "Orvo"); a screenshot of it is kept in the build's artifacts folder, and
# Escape closes it and ends the process.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/env.sh"
: "${ORVO_EXE:?}"
[ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }

artifacts="$ORVO_BUILD_DIR/artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy in a folder of its own: the launcher makes its folder the current one.
cp "$ORVO_EXE" "$work/Orvo.exe"

"$ORVO_WINE" "$work/Orvo.exe" >"$work/wine.log" 2>&1 </dev/null &
pid=$!

wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvo$' | head -n 1) || true
if [ -z "$wid" ]; then
  kill "$pid" 2>/dev/null || true
  echo "the launcher window did not appear"; cat "$work/wine.log"; exit 1
fi
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
import -window root "$work/full.png"
convert "$work/full.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$artifacts/launcher_window.png"
echo "screenshot: $artifacts/launcher_window.png (${WIDTH}x${HEIGHT})"
# The dialog is 271 x 118 dialog units: clearly wider than high.
[ "$WIDTH" -gt "$HEIGHT" ] || { echo "unexpected window shape ${WIDTH}x${HEIGHT}"; exit 1; }

xdotool windowfocus --sync "$wid" key Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"; echo "the launcher did not end after its window closed"; exit 1
fi
wait "$pid" || true
echo "launcher window shown and closed"
