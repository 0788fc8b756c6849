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
  libsodium-dev libqt6sql6-sqlite libqt6sql6-psql postgresql
  ffmpeg espeak-ng sox imagemagick poppler-utils python3
  xvfb xauth x11-utils xdotool pulseaudio pulseaudio-utils fonts-dejavu-core
)

# The school server's tests start a private PostgreSQL cluster of their own; the
# package's own "main" cluster would only be a second server running at every boot.
# Told before the package is installed, postgresql-common does not create it.
configure_postgresql_clusters() {
  local conf=/etc/postgresql-common/createcluster.conf
  if [ -f "$conf" ] && grep -Eq '^\s*create_main_cluster\s*=\s*false' "$conf"; then return; fi
  "${sudo_cmd[@]}" mkdir -p /etc/postgresql-common
  echo "create_main_cluster = false" | "${sudo_cmd[@]}" tee -a "$conf" >/dev/null
}

# A main cluster made by an install before that setting (an image built earlier) is
# dropped, but only while it holds nothing but the databases every cluster starts with.
drop_empty_main_cluster() {
  command -v pg_lsclusters >/dev/null || return 0
  pg_lsclusters -h 2>/dev/null | awk '$2 == "main" {print $1}' | while read -r version; do
    local base=/var/lib/postgresql/$version/main/base
    local databases
    databases=$("${sudo_cmd[@]}" find "$base" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | wc -l)
    if [ "$databases" -le 3 ]; then
      echo "Dropping the unused PostgreSQL cluster $version/main"
      "${sudo_cmd[@]}" pg_dropcluster --stop "$version" main
    fi
  done
}

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

configure_postgresql_clusters

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  # confold: keep the cluster setting written above when the package brings its own file.
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    -o Dpkg::Options::=--force-confold "${missing[@]}"
fi
drop_empty_main_cluster
