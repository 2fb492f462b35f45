#!/usr/bin/env bash
# Installs what VelquinLAN needs from Debian 12's packages (only what is missing), then configures
# and builds it into build/. Sourced by run-phone.sh and run-tests.sh.
set -euo pipefail

VQ_SOURCE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VQ_BUILD="${VQ_BUILD:-$VQ_SOURCE/build}"

VQ_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-charts-dev
             qt6-translations-l10n libjpeg62-turbo-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb
             xauth xdotool fonts-noto-cjk dpkg-dev file desktop-file-utils)

vq_missing_packages() {
  local p
  for p in "${VQ_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

vq_install() {
  local missing
  missing=$(vq_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

vq_build() {
  cmake -S "$VQ_SOURCE" -B "$VQ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$VQ_BUILD"
}

vq_install
vq_build
