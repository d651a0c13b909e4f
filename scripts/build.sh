#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into build/. Extra arguments go
# to CMake's configure step.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radice/scripts/install-deps.sh"
cmake -S "$radice" -B "$radice/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$radice/build" -j"$(nproc)"
