#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need,
# when they are missing. Runs apt-get update once, only if something is missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev qt6-translations-l10n
    libgif-dev libimagequant-dev
    libavcodec-dev libavformat-dev libavutil-dev libswscale-dev
    xvfb xauth xdg-utils shared-mime-info desktop-file-utils libfile-mimeinfo-perl libglib2.0-bin
    clang libclang-rt-14-dev
    fonts-dejavu-core
    dpkg-dev file lintian appstream g++-mingw-w64-x86-64-posix
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
