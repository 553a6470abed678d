#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-serialport-dev
          qt6-charts-dev libqt6opengl6-dev
          libcurl4-openssl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core
          xvfb xauth xdotool socat poppler-utils python3-pyftpdlib python3-aiosmtpd openssl
          alsa-utils cppcheck clang-tidy-14 clang-tools-14 zbar-tools clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
