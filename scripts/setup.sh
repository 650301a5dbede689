#!/usr/bin/env bash
# Installs every Debian package that building and testing VERSALiX4 needs.
# Idempotent: when everything is there it installs nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  libpugixml-dev lib2geom-dev librsvg2-dev libcairo2-dev libpng-dev
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  libboost-dev  # lib2geom's headers include Boost headers
  clang libclang-rt-14-dev  # the libFuzzer targets (scripts/fuzz.sh)
  # The Inkscape menu's tests validate every generated page against the
  # schema that only the inkscape package ships, with xmllint. On a fresh
  # Debian 12 setup inkscape adds 115 packages: 62 MB to download, 274 MB
  # installed (a quarter more than the rest).
  inkscape libxml2-utils
  chromium chromium-driver python3-selenium  # the studio's browser tests
  libcpp-httplib-dev nlohmann-json3-dev  # the studio's HTTP server and its JSON
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#packages[@]} packages are installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
