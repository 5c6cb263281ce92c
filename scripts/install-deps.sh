#!/usr/bin/env bash
# Installs the Debian packages the project needs, when they are missing.
# As root it runs apt-get; otherwise it prints the exact line to run and fails.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-14 libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  libfreetype-dev fonts-dejavu-core libpng-dev
  xvfb xdotool x11-apps x11-utils openbox imagemagick ncompress xclip
  desktop-file-utils shared-mime-info man-db groff-base mandoc dpkg-dev file lintian
  doxygen
  emscripten chromium python3-websockets
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

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
