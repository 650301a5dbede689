#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each for a few seconds
# over its corpus in tests/fuzz/corpus/. New corpus entries go to a scratch
# folder, so the checkout is not changed. An input that fails is printed
# with the line that keeps it as a regression case.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${VX_FUZZ_SECONDS:-5}
jobs=${VX_JOBS:-2}
targets=(presets svg path_data live_record script)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVX_FUZZ=ON -DVX_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target "${targets[@]/#/vx_fuzz_}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  echo "== fuzz $t for ${seconds}s"
  if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "build-fuzz/tools/vx_fuzz_$t" -max_total_time="$seconds" -max_len=65536 \
      -rss_limit_mb=2048 -timeout=20 -print_final_stats=0 \
      -artifact_prefix="$scratch/$t-" "$scratch/$t" "tests/fuzz/corpus/$t" \
      >"$scratch/$t.log" 2>&1; then
    tail -n 60 "$scratch/$t.log"
    for crash in "$scratch/$t"-*; do
      [ -e "$crash" ] || continue
      echo "fuzz: $t failed on $crash; keep it as a regression case with"
      echo "  cp '$crash' tests/fuzz/${t%s}_cases/case_\$(sha1sum < '$crash' | cut -c1-40)"
      base64 -w0 "$crash"; echo
    done
    exit 1
  fi
  grep -E "^(Done|#[0-9]+ *DONE)" "$scratch/$t.log" | tail -n 1 || true
done
