#!/usr/bin/env bash
# Fuzzes the readers of the program's files with libFuzzer, each target for
# the given minutes, and prints executions, coverage and findings per target.
#   scripts/fuzz.sh <minutes> [target...]      (targets: fuzz/fuzz_*.cpp)
# Builds in build/fuzz with clang, AddressSanitizer and UBSan; the seed
# corpora are fuzz/corpus/<target>; what a run learns is kept in
# build/fuzz/corpus/<target>, crashing inputs in build/fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: scripts/fuzz.sh <minutes> [target...]}
shift
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${CLANG_PACKAGES[@]}"

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DORVELLA_BUILD_TESTS=OFF -DORVELLA_BUILD_BENCH=OFF -DORVELLA_BUILD_FUZZ=ON >/dev/null
cmake --build build/fuzz --target fuzzers -j"${FUZZ_JOBS:-2}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer_leaks.supp:print_suppressions=0"
printf '%-20s %8s %12s %8s %8s  %s\n' target minutes executions cov ft findings >build/fuzz/summary.txt
total_findings=0
for t in "${targets[@]}"; do
  seeds=fuzz/corpus/${t#fuzz_}
  work=build/fuzz/corpus/$t
  found=build/fuzz/findings/$t
  rm -rf "$found"
  mkdir -p "$work" "$found"
  log=build/fuzz/$t.log
  echo "== $t: $minutes min"
  set +e
  build/fuzz/fuzz/$t -max_total_time=$((minutes * 60)) -timeout=20 -rss_limit_mb=2560 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$found/" "$work" "$seeds" >"$log" 2>&1
  set -e
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  # A crash on a seed leaves no status line.
  last=$(grep -E '^#[0-9]+' "$log" | tail -n1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  n=$(find "$found" -type f | wc -l)
  total_findings=$((total_findings + n))
  if [ "$n" -gt 0 ]; then
    echo "   findings in $found:"; ls "$found" | sed 's/^/     /'
    grep -m1 -A12 -E 'ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log" | sed 's/^/     /' || true
  fi
  printf '%-20s %8s %12s %8s %8s  %s\n' "$t" "$minutes" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$n" | tee -a build/fuzz/summary.txt
done
echo
cat build/fuzz/summary.txt
[ "$total_findings" -eq 0 ]
