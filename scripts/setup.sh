#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: asks apt only for what is missing, and updates the package
# lists only when something must be installed.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev libqt6multimediawidgets6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-libav gstreamer1.0-pulseaudio
  libsqlite3-dev libxcb1-dev libpulse-dev
  googletest libgtest-dev libbenchmark-dev
  ffmpeg espeak-ng sox imagemagick poppler-utils
  xvfb xauth x11-utils xdotool pulseaudio pulseaudio-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
