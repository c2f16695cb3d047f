# Sourced by the Wine helper scripts: the build tree's private prefix and the
# display of the build's Xvfb, never the user's ~/.wine.
: "${ORVO_BUILD_DIR:?ORVO_BUILD_DIR must name the build folder}"
export WINEPREFIX="${WINEPREFIX:-$ORVO_BUILD_DIR/wineprefix}"
export WINEARCH="${WINEARCH:-win32}"
# The loader that matches the build: "wine" for 32-bit, wine64 for 64-bit.
ORVO_WINE="${ORVO_WINE:-wine}"
# wineserver and wineboot must come from the same Wine as the loader.
ORVO_WINE_DIR=$(dirname "$(readlink -f "$(command -v "$ORVO_WINE")")")
orvo_wineserver() {
  if [ -x "$ORVO_WINE_DIR/wineserver" ]; then "$ORVO_WINE_DIR/wineserver" "$@"; else wineserver "$@"; fi
}
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine's WinINet takes a proxy from the environment and ignores no_proxy:
# a loopback download would go to the machine's proxy. Scenarios that want a
# proxy set http_proxy themselves, after this.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY ftp_proxy FTP_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY
# No Mono/Gecko installers: nothing under test needs them and they would prompt.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
ORVO_DISPLAY_FILE="$ORVO_BUILD_DIR/xvfb.display"
ORVO_XVFB_PID_FILE="$ORVO_BUILD_DIR/xvfb.pid"
if [ -s "$ORVO_DISPLAY_FILE" ]; then
  export DISPLAY=":$(cat "$ORVO_DISPLAY_FILE")"
fi
