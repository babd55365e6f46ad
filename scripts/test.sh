#!/usr/bin/env bash
# Installs what is missing, builds, starts a PulseAudio null sink, runs every
# test and exits with ctest's status.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$(nproc)"

started_pulse=0
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/orvella-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if ! pactl info >/dev/null 2>&1; then
  pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
    --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=test_null" >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  started_pulse=1
fi
if pactl info >/dev/null 2>&1; then
  pactl set-default-sink test_null >/dev/null 2>&1 || true
  export ORVELLA_REQUIRE_AUDIO=1
else
  echo "warning: no PulseAudio server could be started; sound tests will skip"
fi

cleanup() {
  if [ "$started_pulse" = 1 ]; then pulseaudio --kill >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT

status=0
ctest --test-dir build/test --output-on-failure -j2 || status=$?
exit $status
