#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need.
# Skips what is already there; needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
  libqt6sql6-sqlite libqt6sql6-psql libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-wqy-microhei fonts-dejavu-core
  poppler-utils postgresql
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
