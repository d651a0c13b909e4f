#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless (the window tests
# offscreen, the program's own tests in a private Xvfb); then builds the rules', the windows' and
# the sound's tests again with AddressSanitizer and UndefinedBehaviorSanitizer into build-san/ and
# runs them there.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
# The layout first: it fails in a second, before any build.
bash "$radice/scripts/install-deps.sh"
(cd "$radice" && git ls-files -z -- '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run -Werror)
bash "$radice/scripts/build.sh" -DCERCANUM_AVVISI_ERRORI=ON
cd "$radice/build"
ctest --output-on-failure -j"$(nproc)"

cmake -S "$radice" -B "$radice/build-san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCERCANUM_SANITIZERS=ON \
    -DCERCANUM_AVVISI_ERRORI=ON -DCERCANUM_BANCHI=OFF > /dev/null
cmake --build "$radice/build-san" -j"$(nproc)" \
    --target test_engine test_finestra test_aspetto test_tastiera test_dialoghi test_suoni test_audio test_grezze
cd "$radice/build-san"
ctest --output-on-failure -j"$(nproc)" -L sanitizzati
