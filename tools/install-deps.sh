#!/bin/sh
# Installs the Debian packages that building and testing Lumora need, but
# only those that are missing, so a machine that has them all is left alone.
# Runs apt-get as root directly or through sudo. qt6-multimedia-dev and
# libcanberra-dev serve only the benchmarks, which compare the sound
# libraries; the game opens libpulse at its first sound.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config ccache \
qt6-base-dev qt6-base-dev-tools libgl-dev libpulse-dev \
pulseaudio pulseaudio-utils \
qt6-multimedia-dev libcanberra-dev \
libgtest-dev libgmock-dev libbenchmark-dev \
clang libclang-rt-dev \
fonts-wine fonts-liberation fonts-dejavu-core desktop-file-utils \
xvfb xauth dbus dbus-bin at-spi2-core python3-pyatspi xdotool python3"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
