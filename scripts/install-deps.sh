#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the game need, if missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-noto-cjk fontconfig libraqm0
  python3 python3-pyftpdlib python3-openssl python3-pil vsftpd systemd postgresql libpq-dev nginx-light
  xvfb xauth x11-utils x11-xserver-utils imagemagick xdotool
  weston qt6-wayland
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3-gi gir1.2-glib-2.0 shared-mime-info
  clang libclang-rt-14-dev
  curl file desktop-file-utils appstream dpkg-dev lintian
  libssl-dev openssl ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
