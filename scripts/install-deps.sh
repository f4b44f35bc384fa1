#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Kugelwart,
# but only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev libgl-dev
  qt6-translations-l10n
  qt6-qpa-plugins fonts-dejavu-core
  poppler-utils
)
case "${1:-}" in
  --gui-tools) packages+=(xvfb xauth x11-apps imagemagick) ;;
  --format-tools) packages+=(clang-format git) ;;
  # clang's libFuzzer and sanitizer runtimes are only recommended by clang-14,
  # and recommendations are not installed; llvm-14 brings the symbolizer.
  --fuzz-tools) packages+=(clang-14 libclang-rt-14-dev llvm-14) ;;
  --icon-tools) packages+=(librsvg2-bin) ;;
  --package-tools) packages+=(dpkg-dev file) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
