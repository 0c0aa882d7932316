#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and then plays the game, runs every test or packs it.
#   ./corvanes.sh play       build and start the game from build/game/
#   ./corvanes.sh test       build and run the whole test suite
#   ./corvanes.sh package    build and write the Debian package build/corvanes_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config clang libsdl2-dev libcairo2-dev libpng-dev
          libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file lintian)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANES_WERROR=ON
    cmake --build build
}

case "${1:-}" in
    play)
        install_packages
        build
        cd build/game
        exec ./corvanes
        ;;
    test)
        install_packages
        build
        ctest --test-dir build --output-on-failure -j "$(nproc)"
        ;;
    package)
        install_packages
        build
        cd build
        cpack -G DEB
        ;;
    *)
        echo "usage: $0 play|test|package" >&2
        exit 2
        ;;
esac
