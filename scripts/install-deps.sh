#!/usr/bin/env bash
# Installs every Debian package that building, running, testing and benchmarking Lexado needs.
# With --if-missing it installs only when one of them is not there yet.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format clang
  libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libespeak-ng-dev espeak-ng-data espeak-ng libpcaudio-dev libpulse-dev
  libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
  pulseaudio pulseaudio-utils
  libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick xdg-utils
  fonts-wqy-microhei fonts-sil-doulos fonts-dejavu-core
  python3-fonttools
  kdeedu-kvtml-data
  libxcb1-dev libxcb-screensaver0-dev libfontconfig-dev dbus openbox trayer wmctrl
  libqt6sql6-sqlite libsqlite3-dev
  qt6-charts-dev libqt6charts6 libqt6opengl6-dev
  dpkg-dev lintian appstream desktop-file-utils
)

all_installed() {
  local package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || return 1
  done
}

if [ "${1:-}" = "--if-missing" ] && all_installed; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
