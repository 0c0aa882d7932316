#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and then plays the game or runs every test.
#   ./corvanes.sh play     build and start the game from build/game/
#   ./corvanes.sh test     build and run the whole test suite (the Windows build's under Wine too)
#   ./corvanes.sh windows  cross-build for Windows into build-windows/ and pack its zip
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config clang libsdl2-dev libcairo2-dev libpng-dev
          libgtest-dev libgmock-dev libbenchmark-dev)
# The Windows build, and what its tests drive it with: Wine on a virtual X display.
windows_packages=(g++-mingw-w64-x86-64-posix wine64)
windows_test_packages=(xvfb xdotool imagemagick)

install_packages() {
    local missing=()
    for p in "$@"; do
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

# The bitmaps are drawn natively (Cairo is not built for Windows), then everything else is
# cross-built, statically.
build_windows() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANES_WERROR=ON
    cmake --build build --target game_assets
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DCORVANES_WERROR=ON -DCORVANES_TESTS=OFF \
        -DCORVANES_ASSETS_DIR="$PWD/build/game"
    cmake --build build-windows
}

case "${1:-}" in
    play)
        install_packages "${packages[@]}"
        build
        cd build/game
        exec ./corvanes
        ;;
    test)
        install_packages "${packages[@]}" "${windows_packages[@]}" "${windows_test_packages[@]}"
        build
        ctest --test-dir build --output-on-failure -j "$(nproc)"
        ;;
    windows)
        install_packages "${packages[@]}" "${windows_packages[@]}"
        build_windows
        echo "build-windows/game/ holds the game; build-windows/corvanes-windows.zip ships it"
        ;;
    *)
        echo "usage: $0 play|test|windows" >&2
        exit 2
        ;;
esac
