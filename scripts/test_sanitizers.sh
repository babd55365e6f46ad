#!/usr/bin/env bash
# Builds the unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang) in build/asan and runs them once; any report fails the run.
# Leaks inside system libraries are suppressed by scripts/sanitizer_leaks.supp.
# End-to-end and packaging tests are left to scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${CLANG_PACKAGES[@]}"

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# -O1 with line tables: the usual setting for sanitizer runs (exact stacks,
# file:line in reports) and far quicker to build than -O2 with full debug info.
opt="-O1 -gline-tables-only -DNDEBUG"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$opt" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$opt" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DORVELLA_BUILD_BENCH=OFF >/dev/null

supp=$PWD/scripts/sanitizer_leaks.supp
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
# The asset generators run during the build, sanitized too.
cmake --build build/asan -j"${ASAN_JOBS:-$(nproc)}"

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/orvella-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
started_pulse=0
if ! pactl info >/dev/null 2>&1; then
  pulseaudio -D -n --exit-idle-time=-1 --disallow-exit --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=test_null" >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  started_pulse=1
fi
trap '[ "$started_pulse" = 1 ] && pulseaudio --kill >/dev/null 2>&1 || true' EXIT

# Every sanitized process writes its reports to a file of its own, so the
# programs the tests start (the writer the crash test kills, sound probes)
# count too, and a report never depends on what a test prints.
reports=$PWD/build/asan/reports
rm -rf "$reports" && mkdir -p "$reports"
export ASAN_OPTIONS="$ASAN_OPTIONS:log_path=$reports/asan"
export UBSAN_OPTIONS="$UBSAN_OPTIONS:log_path=$reports/ubsan"
# Everything runs several times slower sanitized: Qt Test's own watchdog
# (300 s per test function) would stop the long tests; ctest's timeouts
# still bound each test.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-1700000}

status=0
start=$SECONDS
ctest --test-dir build/asan -LE 'e2e|packaging' --output-on-failure -j2 --timeout 600 \
  --output-log build/asan/sanitizer_run.log || status=$?
echo "ctest took $((SECONDS - start)) s"
found=$(find "$reports" -type f -size +0c | sort)
if [ -n "$found" ]; then
  for f in $found; do echo "=== $f"; cat "$f"; done
  echo "Sanitizer reports above ($(echo "$found" | wc -l) files in $reports)"
  status=1
fi
[ $status -eq 0 ] && echo "Sanitizer run clean: no AddressSanitizer, LeakSanitizer or UBSan reports."
exit $status
