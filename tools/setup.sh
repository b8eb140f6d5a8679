#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (run as root, or with
# sudo available). Packages already present are not fetched again.
set -eu
packages=(cmake g++ libgtest-dev googletest g++-mingw-w64-i686-posix wine wine32:i386 wine64
          xvfb xdotool imagemagick fonts-wqy-microhei clang libclang-rt-14-dev)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
