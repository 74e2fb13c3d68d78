#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, skipping those already there.
set -euo pipefail

packages=(
  # build
  cmake make g++ pkg-config ccache
  qtbase5-dev qtbase5-dev-tools libqt5opengl5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libvlc-dev libmediainfo-dev libburn-dev libisofs-dev
  # run time
  vlc-plugin-base vlc-plugin-video-output libmediainfo0v5 poppler-utils fonts-dejavu-core fonts-liberation libgl1-mesa-dri
  # tests: generated videos, virtual X server for OpenGL, fuzzing and sanitizers (CMake takes
  # llvm's archiver for the clang build wherever it is installed)
  ffmpeg xvfb xauth libx11-dev clang libclang-rt-14-dev llvm libxml2-utils xorriso
)

# --list: the packages, one a line (for scripts/check-install-list.sh).
if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
