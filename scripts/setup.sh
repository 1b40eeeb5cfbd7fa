#!/usr/bin/env bash
# Installs what building, testing and running need, and only what is missing.
# Debian 12; run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake make g++ pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgif-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
  xvfb xauth x11-utils imagemagick poppler-utils
  dpkg-dev lintian
  desktop-file-utils appstream shared-mime-info libglib2.0-bin libxml2-utils man-db
  clang-format clang-tidy cppcheck
  clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
