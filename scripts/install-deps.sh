#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the workstation need,
# only when one is missing, so repeated runs cost nothing.
# --fuzz adds clang and its libFuzzer runtime for the fuzz targets.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libpugixml-dev libsimpleini-dev libcli11-dev
  libdtl-dev
  unrtf                # an independent RTF reader for the rich-text tests
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  libssh-dev           # live access to devices over SSH
  libsecret-1-dev      # device passwords kept in the desktop's secret store
  openssh-server       # the live-access tests run a real SSH server on loopback
)
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
