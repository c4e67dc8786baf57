#!/usr/bin/env bash
# Builds Quillon on Debian 12 and either starts it or runs every test.
#
#   ./build.sh run    install what the build needs, build, start Quillon
#   ./build.sh test   install what the build needs, build, run all tests
#                     (then the Lexavar tests once more under ASan and UBSan)
#   ./build.sh deps   only install the Debian packages
#
# Installing packages needs root (it runs apt-get); as another user it uses
# sudo when that is available. Set QUILLON_SKIP_DEPS=1 to skip that step.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    build-essential cmake ninja-build pkg-config git ca-certificates
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6sql6-sqlite libqt6sql6-psql
    libsodium-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core xauth xvfb
)

deps() {
    [ "${QUILLON_SKIP_DEPS:-0}" = 1 ] && return 0
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

case "${1:-}" in
deps)
    deps
    ;;
run)
    deps
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec ./build/bin/quillon
    ;;
test)
    deps
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    # The morphology library once more under the sanitizers.
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON \
        -DQUILLON_BUILD_APP=OFF -DQUILLON_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j2
    ;;
*)
    echo "usage: $0 run|test|deps" >&2
    exit 2
    ;;
esac
