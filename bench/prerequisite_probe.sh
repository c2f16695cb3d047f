#!/usr/bin/env bash
# The component check of the runtime, the engine and the vendor components
# with everything present (the test package installed, the runtime key and
# the Access driver as fixtures, as the scenarios make them), against the
# platform calls it rests on. ROUNDS (default 20). Run by scripts/bench.
set -euo pipefail
rounds=${1:-20}
: "${ORVO_BUILD_DIR:?run through scripts/bench}"
: "${ORVO_STUB_DIR:?run through scripts/bench}"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/scenarios/lib.sh"
install="$ORVO_WORK/Pellmore"
mkdir -p "$install"
code='{6B2D7E41-9A3C-4F5E-8D1B-2C3E4F5A6B01}'
orvo_prerequisites_present "$install" runtime engine
orvo_vendor_package "$install" vendor_scenario "$code"
orvo_run "$ORVO_WORK/install.log" msiexec /i "$(orvo_winpath "$install/Pellmore Components.msi")" /qn ||
  orvo_fail "the package was not installed: $(cat "$ORVO_WORK/install.log")"
cd "$install"
"$ORVO_WINE" "$ORVO_BUILD_DIR/bench/bench_prerequisite_probe.exe" "$code" "$rounds" 2>&1 </dev/null | tr -d '\r'
