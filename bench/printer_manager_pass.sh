#!/usr/bin/env bash
# One printer manager pass against one package load, on a workstation with
# the current printer installed from the test packages (its driver and OEM
# products, the printer) and one older printer beside it. ROUNDS (default
# 20). Run by scripts/bench.
set -euo pipefail
rounds=${1:-20}
: "${ORVO_BUILD_DIR:?run through scripts/bench}"
: "${ORVO_STUB_DIR:?run through scripts/bench}"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/scenarios/lib.sh"
install="$ORVO_WORK/Pellmore"
mkdir -p "$install"
orvo_printer_packages "$install"
orvo_printer "Pellmore Orvo Virtual Printer" driver_amyuni_3000
orvo_install_printer_products "$install"
cd "$install"
"$ORVO_WINE" "$ORVO_BUILD_DIR/bench/bench_printer_manager_pass.exe" "$rounds" 2>&1 </dev/null | tr -d '\r'
