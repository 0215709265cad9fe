#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Only missing packages are installed, so a second run is quick.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev libqt6sql6-sqlite libsqlite3-dev
  portaudio19-dev libasound2-dev libjpeg62-turbo-dev libfftw3-dev
  libgtest-dev libbenchmark-dev
  pulseaudio pulseaudio-utils libasound2-plugins alsa-utils
  fonts-liberation poppler-utils
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
