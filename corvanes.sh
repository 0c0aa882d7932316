#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and then plays the game, runs every test, packs it, or
# builds it for the browser or for Windows.
#   ./corvanes.sh play       build and start the game from build/game/
#   ./corvanes.sh test       build and run the whole test suite (the page in Chromium and the
#                            Windows build under Wine too)
#   ./corvanes.sh package    build and write the Debian package build/corvanes_VERSION_ARCH.deb
#   ./corvanes.sh web        build the web page into build-web/site/ and serve it on
#                            http://127.0.0.1:8080/ (--no-serve: only build it)
#   ./corvanes.sh windows    cross-build for Windows into build-windows/ and pack its zip
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config clang libsdl2-dev libcairo2-dev libpng-dev
          libgtest-dev libgmock-dev libbenchmark-dev)
package_packages=(dpkg-dev file lintian)
web_packages=(emscripten chromium python3)
# The Windows build, and what its tests drive it with: Wine on a virtual X display.
windows_packages=(g++-mingw-w64-x86-64-posix wine64)
windows_test_packages=(xvfb xdotool imagemagick)

install_packages() {
    local missing=()
    for p in "$@"; do
        if [ "$p" = npm ]; then
            # The browser test drives chromium with an npm package; a node that came with its
            # own npm keeps it.
            command -v npm >/dev/null || missing+=(npm)
            continue
        fi
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    # Without recommends: emscripten's recommended node packages clash with a newer node.
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANES_WERROR=ON
    cmake --build build
}

# The page: the native build draws the bitmaps, emscripten compiles the game over the web
# backend and packs them in.
build_web() {
    [ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCORVANES_WERROR=ON
    cmake --build build --target game_assets
    # Emscripten's JavaScript optimiser finds its node modules only through NODE_PATH.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S . -B build-web/cmake -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCORVANES_WERROR=ON -DCORVANES_ASSETS_DIR="$PWD/build/game" \
        -DCORVANES_SITE_DIR="$PWD/build-web/site" >/dev/null
    cmake --build build-web/cmake
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
        install_packages "${packages[@]}" "${package_packages[@]}" "${web_packages[@]}" npm \
            "${windows_packages[@]}" "${windows_test_packages[@]}"
        build
        ctest --test-dir build --output-on-failure -j "$(nproc)"
        ;;
    package)
        install_packages "${packages[@]}" "${package_packages[@]}"
        build
        cd build
        cpack -G DEB
        ;;
    web)
        install_packages "${packages[@]}" "${web_packages[@]}"
        build_web
        [ "${2:-}" = "--no-serve" ] && exit 0
        echo "Corvanes: http://127.0.0.1:8080/"
        exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
        ;;
    windows)
        install_packages "${packages[@]}" "${windows_packages[@]}"
        build_windows
        echo "build-windows/game/ holds the game; build-windows/corvanes-windows.zip ships it"
        ;;
    *)
        echo "usage: $0 play|test|package|web [--no-serve]|windows" >&2
        exit 2
        ;;
esac
