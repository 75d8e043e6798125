#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Stylograf
# need, when they are missing. Uses sudo when not run as root.
set -euo pipefail

# The build; the fonts the program substitutes for the design's; the benchmarks;
# clang with its sanitizer and fuzzer runtimes and clang-format for CI; the tools
# the tests call (pdfinfo and pdftotext, Xvfb for the splash window's first paint);
# the icon's renderer, the checkers of the desktop entry and the AppStream file, and
# the Debian packaging tools with lintian; curl for the real style sheets some tests
# and the benchmarks read.
packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-webengine-dev libqscintilla2-qt6-dev libgl-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format-14
  poppler-utils xvfb
  librsvg2-bin desktop-file-utils appstream dpkg-dev lintian
  curl ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
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
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
