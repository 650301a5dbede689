#!/usr/bin/env bash
# Sets up, builds and runs every test twice: in the release build and with
# AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz
# target for a few seconds (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=${VX_JOBS:-2}
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

echo "== release build"
run_suite build -DVX_BUILD_BENCH=ON
echo "== sanitizer build (ASan + UBSan)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_SANITIZE=ON
echo "== fuzzing (clang, libFuzzer)"
bash scripts/fuzz.sh
