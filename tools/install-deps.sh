#!/usr/bin/env bash
# Installs what building and testing need on a Debian/Ubuntu machine; quick when all is there.
set -euo pipefail

packages=(cmake ninja-build g++ clang clang-format libclang-rt-dev googletest python3
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64
          xvfb xdotool imagemagick x11-utils fonts-wine nsis zip osslsigncode openssl
          xdg-utils libglib2.0-bin desktop-file-utils
          mumble mumble-server sqlite3 chromium locales-all qstat)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
