# Sourced by scripts/setup and scripts/lib/build.sh: which build the tests run.
# The product is 32-bit; the tests run that build under wine32 wherever the
# kernel executes 32-bit x86 code, otherwise the same sources built for
# x86_64 under wine64. ORVO_TEST_ARCH (i686 or x86_64) overrides the probe.

# True when the kernel runs a 32-bit x86 program: a 96-byte static ELF that
# only calls exit(42).
orvo_kernel_runs_i386() {
  local probe rc
  probe=$(mktemp)
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
  printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
  printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
  printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
  printf '\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000' >>"$probe"
  printf '\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >>"$probe"
  chmod +x "$probe"
  rc=0
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  [ "$rc" -eq 42 ]
}

orvo_test_arch() {
  if [ -n "${ORVO_TEST_ARCH:-}" ]; then
    echo "$ORVO_TEST_ARCH"
  elif orvo_kernel_runs_i386; then
    echo i686
  else
    echo x86_64
  fi
}
