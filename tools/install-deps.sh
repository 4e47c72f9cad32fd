#!/bin/sh
# Installs the Debian 12 packages that building, running and testing DiviDir
# need, where they are missing. Runs as root, or through sudo.
set -eu

packages="cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-dev-tools libxcb1-dev pkgconf libgtest-dev libbenchmark-dev fonts-vlgothic
  xvfb xauth openbox xdotool xclip x11-utils imagemagick"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
echo "Installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
