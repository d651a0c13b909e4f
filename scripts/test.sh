#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless (the window tests
# offscreen, the program's own tests in a private Xvfb); builds the game alone with every plain
# fallback into build-ripieghi/ and starts it; builds the game with ThreadSanitizer into build-tsan/
# and plays it in a private Xvfb from start-up to Esc; then builds the rules', the windows' and
# the sound's tests again with AddressSanitizer and UndefinedBehaviorSanitizer into build-san/ and
# runs them there. Every package the tests need is installed first, so a test that skips fails the
# command. Then, on Debian 12, the whole command runs once more in a clean Debian 13 root.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"

# ctest in the current folder with these arguments; fails when a test skipped.
prova() {
    local registro
    registro="$(mktemp)"
    ctest --output-on-failure -j"$(nproc)" "$@" | tee "$registro"
    if grep -q '(Skipped)' "$registro"; then
        echo "FAIL: tests skipped although their packages are installed:"
        grep '(Skipped)' "$registro"
        rm -f "$registro"
        return 1
    fi
    rm -f "$registro"
}
# The layout first: it fails in a second, before any build.
bash "$radice/scripts/install-deps.sh"
(cd "$radice" && git ls-files -z -- '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run -Werror)
bash "$radice/scripts/build.sh" -DCERCANUM_AVVISI_ERRORI=ON
cd "$radice/build"
prova

# The game once more with every plain fallback a system without glibc, ELF or XCB would get, so
# those paths keep compiling; it must start and still be waiting at its first window when stopped.
cmake -S "$radice" -B "$radice/build-ripieghi" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCERCANUM_RIPIEGHI=ON -DCERCANUM_AVVISI_ERRORI=ON > /dev/null
cmake --build "$radice/build-ripieghi" -j"$(nproc)" --target cercanum
privata="$(mktemp -d)"
stato=0
XDG_RUNTIME_DIR="$privata" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    timeout 3 "$radice/build-ripieghi/app/cercanum" || stato=$?
rm -rf "$privata"
((stato == 124)) || { echo "FAIL: the game built with every fallback ended with status $stato"; exit 1; }

# The game with ThreadSanitizer: no race in its own code, no thread left running when it ends
# (about 3.5 minutes of building on two cores, 25 s of play).
cmake -S "$radice" -B "$radice/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCERCANUM_TSAN=ON -DCERCANUM_AVVISI_ERRORI=ON > /dev/null
cmake --build "$radice/build-tsan" -j"$(nproc)" --target cercanum
bash "$radice/tests/xvfb/fili.sh" "$radice/build-tsan/app/cercanum" "$radice/build-tsan/catture"

cmake -S "$radice" -B "$radice/build-san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCERCANUM_SANITIZERS=ON \
    -DCERCANUM_AVVISI_ERRORI=ON -DCERCANUM_BANCHI=OFF > /dev/null
cmake --build "$radice/build-san" -j"$(nproc)" \
    --target test_engine test_finestra test_aspetto test_tastiera test_schermo test_dialoghi test_suoni test_audio test_grezze
cd "$radice/build-san"
prova -L sanitizzati

bash "$radice/scripts/debian13.sh"
