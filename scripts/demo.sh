#!/usr/bin/env bash
# Sets up, builds and runs the main job: the built-in sample through every
# command, written as a gallery (default folder: gallery/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"${VX_JOBS:-2}" --target versalix4
build/app/versalix4 demo -o "${1:-gallery}"
