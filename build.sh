#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the program on its
# private database with the demo herd ("run"), runs every test ("test") or builds
# the Debian package build/tarvelin_<version>_amd64.deb ("package").
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
run | test | package) ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac

packages=(cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6sql6-mysql libmariadb-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl1-mesa-dev libxlsxwriter-dev rapidjson-dev
    mariadb-server mariadb-client fonts-dejavu-core xdg-utils poppler-utils unzip
    qt6-svg-dev dpkg-dev lintian desktop-file-utils appstream bash-completion xvfb)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${TARVELIN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${TARVELIN_BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
run) exec "$build/tarvelin" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
package) cmake --build "$build" --target package ;;
esac
