#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and then plays the game, runs every test, packs it or
# builds the web page.
#   ./corvanes.sh play       build and start the game from build/game/
#   ./corvanes.sh test       build and run the whole test suite
#   ./corvanes.sh package    build and write the Debian package build/corvanes_VERSION_ARCH.deb
#   ./corvanes.sh web        build the web page into build-web/site/ and serve it on
#                            http://127.0.0.1:8080/ (--no-serve: only build it)
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config clang libsdl2-dev libcairo2-dev libpng-dev
          libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file lintian
          emscripten chromium python3)

install_packages() {
    local missing=()
    # The browser test drives chromium with an npm package; a node that came with its own npm
    # keeps it.
    command -v npm >/dev/null || missing+=(npm)
    for p in "${packages[@]}"; do
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
    web)
        install_packages
        build_web
        [ "${2:-}" = "--no-serve" ] && exit 0
        echo "Corvanes: http://127.0.0.1:8080/"
        exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
        ;;
    *)
        echo "usage: $0 play|test|package|web [--no-serve]" >&2
        exit 2
        ;;
esac
