#!/usr/bin/env bash
# Installs the Debian packages Quillon needs to build and test, but only those that are missing.
set -euo pipefail
packages=(build-essential cmake ninja-build ccache qt6-base-dev libgl-dev fonts-liberation2
          qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool imagemagick
          librsvg2-bin dpkg-dev desktop-file-utils appstream man-db
          qt6-svg-dev cups printer-driver-cups-pdf poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
