#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Quor needs.
# Does nothing when everything is already there. Works as root or through sudo.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config git
  clang libclang-rt-14-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # GUI
  qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
  xvfb xauth x11-utils imagemagick
  # pictures, crypto, network, spelling
  libjpeg62-turbo-dev libgif-dev libpng-dev libssl-dev libcurl4-openssl-dev
  libhunspell-dev hunspell-en-us hunspell-it
  # fonts the documents name (metric-compatible)
  fonts-liberation2 fontconfig
  # test servers and checkers
  vsftpd tidy chromium
  # export benchmark comparison
  hugo
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
