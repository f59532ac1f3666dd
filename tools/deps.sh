#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and cross-builds
# libjpeg-turbo and GoogleTest for mingw-w64 into the git-ignored cache folder.
# Idempotent: a second run with everything present changes nothing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE=${SONPIX_CACHE:-$ROOT/.cache}
PREFIX=$CACHE/mingw
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
JOBS=$(nproc)

PACKAGES=(wine64 wine fonts-wine g++-mingw-w64-x86-64-posix xvfb cmake ninja-build nasm
          googletest dpkg-dev g++ clang libclang-rt-14-dev pulseaudio pulseaudio-utils
          xdotool imagemagick x11-utils git ca-certificates locales xz-utils sox ffmpeg libjpeg62-turbo-dev
          zip unzip shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl)

log() { echo "deps: $*" >&2; }

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

# Source entries are derived from the machine's own Debian sources, so no host name is written here.
enable_source_entries() {
    local out=/etc/apt/sources.list.d/sonpix-deb-src.sources
    local list=/etc/apt/sources.list.d/sonpix-deb-src.list
    [ -f "$out" ] || [ -f "$list" ] && return 0
    local f found=0
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        grep -q '^URIs:.*debian' "$f" || continue
        sed -e 's/^Types:.*/Types: deb-src/' "$f" >> "$out"
        echo >> "$out"
        found=1
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$list"
        found=1
    fi
    [ $found = 1 ] || { log "no Debian sources found to derive source entries from"; exit 1; }
    APT_UPDATED=0
}

APT_UPDATED=0
apt_update_once() {
    [ $APT_UPDATED = 1 ] && return 0
    apt-get update -qq
    APT_UPDATED=1
}

install_packages() {
    local need
    need=$(missing_packages)
    [ -z "$need" ] && return 0
    log "installing: $(echo $need)"
    apt_update_once
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null
}

build_libjpeg() {
    [ -f "$PREFIX/lib/libjpeg.a" ] && [ -f "$PREFIX/include/jpeglib.h" ] && return 0
    log "building libjpeg-turbo for mingw"
    enable_source_entries
    apt_update_once
    local src=$CACHE/src
    rm -rf "$src/libjpeg-turbo"; mkdir -p "$src/libjpeg-turbo"
    (cd "$src/libjpeg-turbo" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
    local dir
    dir=$(find "$src/libjpeg-turbo" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
    [ -n "$dir" ] || { log "apt-get source libjpeg-turbo gave no source tree"; exit 1; }
    cmake -S "$dir" -B "$CACHE/build-libjpeg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=1 -DREQUIRE_SIMD=1 \
        -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF -Wno-dev >/dev/null
    cmake --build "$CACHE/build-libjpeg" -j "$JOBS" >/dev/null
    cmake --install "$CACHE/build-libjpeg" >/dev/null
}

build_gtest() {
    [ -f "$PREFIX/lib/libgtest.a" ] && [ -f "$PREFIX/lib/libgmock.a" ] && return 0
    log "building GoogleTest for mingw"
    cmake -S /usr/src/googletest -B "$CACHE/build-gtest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$CACHE/build-gtest" -j "$JOBS" >/dev/null
    cmake --install "$CACHE/build-gtest" >/dev/null
}

mkdir -p "$CACHE"
install_packages
build_libjpeg
build_gtest
