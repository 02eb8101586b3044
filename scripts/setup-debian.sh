#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the demo need.
# Idempotent: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-declarative-dev qt6-multimedia-dev
  qt6-webengine-dev qt6-webchannel-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libqt6svgwidgets6 libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins
  xvfb xauth
  clang-14 libclang-rt-14-dev
  python3 libbenchmark-dev openssl pulseaudio pulseaudio-utils
  fonts-wqy-microhei
  dpkg-dev file appstream desktop-file-utils
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
