#!/usr/bin/env bash
# Runs the test command once more in a clean Debian 13 root: Qt 6.8, GCC 14, clang-format 19, Orca 48.
# The root is made with debootstrap and kept under /var/cache (made afresh when missing or a week
# old), the checkout is copied into it, its packages are installed there, and the tests run in their
# own mount, pid and network namespaces, where they may make user namespaces and X servers of their own.
# Skips, saying why, only where debootstrap or the namespaces cannot be had.
#   debian13.sh [COMMAND...]   with a command, that instead, in the copy (`bash` for a shell there)
#   debian13.sh --nella-copia COMMAND...   the command in the copy left by the last run, builds and all
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
cache="${CERCANUM_DEBIAN13:-/var/cache/cercanum/debian13}"
specchio="${CERCANUM_SPECCHIO:-http://deb.debian.org/debian}"

salta() {
    echo "SKIP: Debian 13 run: $1"
    exit 0
}

# Inside the namespaces, the root already pivoted: the file systems a test suite expects.
if [[ "${1:-}" == --dentro ]]; then
    mount -t sysfs sys /sys 2> /dev/null || true
    mount -t tmpfs tmp /tmp
    # As a booted system has them, for X servers started by users other than root.
    mkdir -m 1777 /tmp/.X11-unix /tmp/.ICE-unix
    mount -t tmpfs run /run
    mkdir -p /dev/shm /dev/pts
    mount -t tmpfs shm /dev/shm
    mount -t devpts -o newinstance,ptmxmode=0666 devpts /dev/pts 2> /dev/null || true
    export HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
    unset XDG_RUNTIME_DIR DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    cd /cercanum
    # The packages first, while the network is there; the tests then run without it.
    bash scripts/install-deps.sh
    shift
    (($#)) || set -- bash scripts/test.sh
    exec unshare -n "$@"
fi

if [[ -r /etc/os-release ]] && grep -qx 'VERSION_ID="13"' /etc/os-release; then
    salta "this machine is Debian 13 already, and the run above was on it"
fi
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo > /dev/null || salta "it needs root for debootstrap and the namespaces, and there is no sudo"
    exec sudo --preserve-env=CERCANUM_DEBIAN13,CERCANUM_SPECCHIO bash "$0" "$@"
fi
if ! command -v debootstrap > /dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap > /dev/null \
        || salta "debootstrap is not installed and cannot be"
fi
unshare -m -p -f -n true 2> /dev/null || salta "mount, pid and network namespaces are refused here"

mkdir -p "$(dirname "$cache")"
exec 9> "$cache.lock"
flock 9 # one run at a time uses the root

if [[ ! -f "$cache/.fatta" ]] || [[ -n "$(find "$cache/.fatta" -mtime +6)" ]]; then
    echo "Debian 13: making a clean root in $cache"
    rm -rf "$cache" "$cache.nuova"
    debootstrap --variant=minbase trixie "$cache.nuova" "$specchio" > "$cache.log" 2>&1 \
        || { tail -20 "$cache.log"; echo "FAIL: debootstrap of Debian 13 failed"; exit 1; }
    echo "deb $specchio trixie main" > "$cache.nuova/etc/apt/sources.list"
    touch "$cache.nuova/.fatta"
    mv "$cache.nuova" "$cache"
fi
cp /etc/resolv.conf "$cache/etc/resolv.conf" 2> /dev/null || true

# The checkout's files as they stand, tracked or new, without this machine's builds; a repository
# of their own there, since the format check lists files through git (a worktree's .git points
# outside); owned by root there, so git trusts it.
if [[ "${1:-}" == --nella-copia && -d "$cache/cercanum" ]]; then
    shift
else
    rm -rf "$cache/cercanum"
    mkdir "$cache/cercanum"
    git -C "$radice" ls-files -z --cached --others --exclude-standard |
        tar -C "$radice" --null -T - --ignore-failed-read -cf - | tar -C "$cache/cercanum" --no-same-owner -xf -
    git -C "$cache/cercanum" init -q
    git -C "$cache/cercanum" add -A
fi

echo "Debian 13: ${*:-the test command} in $cache"
inizio=$SECONDS
stato=0
unshare -m -p -f --propagation private bash -c '
    set -e
    radice="$1"; script="$2"
    mount --bind "$radice" "$radice"
    mount --rbind /dev "$radice/dev"
    cd "$radice"
    mkdir -p .vecchia
    pivot_root . .vecchia
    cd /
    mount -t proc proc /proc
    umount -l /.vecchia
    rmdir /.vecchia
    shift 2
    exec bash "/cercanum/scripts/$script" --dentro "$@"
' _ "$cache" "$(basename "$0")" "$@" || stato=$?
echo "Debian 13: ${*:-the test command} ended with status $stato after $((SECONDS - inizio)) s"
exit "$stato"
