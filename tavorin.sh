#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tavorin and builds it.
#   tavorin.sh run [files...]  install what is missing, build, start the editor
#   tavorin.sh test            install what is missing, build, run every test
#   tavorin.sh bench           as test, then print the benchmark figures
#   tavorin.sh package         install what is missing, build, make the .deb in build/
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# libqt6svg6 draws the SVG pictures of breeze-icon-theme (the tools' icons)
# and of the program's own icon; desktop-file-utils and appstream validate
# the installed desktop entry and AppStream data; tidy checks the pages the
# wizards generate.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          fonts-liberation2 fonts-dejavu-core xdg-utils libqt6svg6 breeze-icon-theme
          qt6-image-formats-plugins desktop-file-utils appstream poppler-utils tidy)
# The benchmarks read Python's HTML pages and start a private X server.
[ "${1:-}" = bench ] && packages+=(python3.11-doc xvfb)
# CPack's Debian packages take their dependencies from dpkg-shlibdeps.
[ "${1:-}" = package ] && packages+=(dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    # A compiler cache, where the machine has one, makes rebuilds of other
    # checkouts of the same tree cheap; the build never needs it.
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$PWD")}
    fi
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
    cmake --build build -j"$(nproc)"
}

verb=${1:-}
shift || true
case "$verb" in
run)
    install_missing; build
    exec build/bin/tavorin "$@" ;;
test)
    install_missing; build
    cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
bench)
    install_missing; build
    for b in build/bin/*_bench; do "$b"; done ;;
package)
    install_missing; build
    cd build && cpack -G DEB ;;
*)
    echo "usage: $0 run [files...] | test | bench | package" >&2; exit 2 ;;
esac
