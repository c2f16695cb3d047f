# Sourced by scripts/test, scripts/demo and scripts/bench: installs what is
# missing and builds the 32-bit product plus the test build of ORVO_TEST_ARCH.
# Sets product_dir and test_dir.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
source "$root/scripts/lib/arch.sh"
arch=$(orvo_test_arch)
export ORVO_TEST_ARCH="$arch"
jobs="${ORVO_JOBS:-2}"
product_dir="$root/build/i686"
test_dir="$root/build/$arch"

# Runs a build step quietly; prints its output only when it fails.
orvo_quiet() {
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    cat "$log"
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

orvo_build() {
  scripts/setup
  if [ "$arch" != i686 ]; then
    orvo_quiet cmake -S . -B "$product_dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DBUILD_TESTING=ON
    orvo_quiet cmake --build "$product_dir" -j"$jobs" --target Orvo orvo_import_check
  fi
  orvo_quiet cmake -S . -B "$test_dir" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
    -DBUILD_TESTING=ON -DORVO_PRODUCT_EXE="$product_dir/Orvo.exe"
  orvo_quiet cmake --build "$test_dir" -j"$jobs" "$@"
  echo "built: $product_dir/Orvo.exe (product), $test_dir (tests)"
  if [ "$arch" = i686 ]; then
    echo "test build: i686 (the 32-bit product itself, under wine32)"
  else
    echo "test build: x86_64 (the same sources, under wine64: this kernel cannot run 32-bit code or ORVO_TEST_ARCH says so)"
  fi
}

# The Wine environment the tests of this build use: prefix, loader, display
# (prepared and started by tests/wine/start.sh; stop with tests/wine/stop.sh).
orvo_wine_env() {
  export ORVO_BUILD_DIR="$test_dir"
  export WINEPREFIX="$test_dir/wineprefix"
  if [ "$arch" = i686 ]; then
    export WINEARCH=win32 ORVO_WINE=wine
  else
    export WINEARCH=win64 ORVO_WINE=/usr/lib/wine/wine64
  fi
  bash "$root/tests/wine/start.sh" >/dev/null
}
