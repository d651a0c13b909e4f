#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless (the window tests
# offscreen, the program's own tests in a private Xvfb).
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radice/scripts/build.sh" -DCERCANUM_AVVISI_ERRORI=ON
cd "$radice/build"
ctest --output-on-failure -j"$(nproc)"
