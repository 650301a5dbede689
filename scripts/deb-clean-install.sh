#!/usr/bin/env bash
# Proves that the Debian package installs on a clean machine: debootstraps a
# minimal Debian bookworm into a folder, installs the package there with
# apt-get (which pulls in its dependencies, as dpkg -i plus apt-get -f
# would) and runs `versalix4 --version` and `versalix4 demo` inside it.
# Needs root and the network; slow (a few minutes), so not part of CI.
#
#   scripts/deb-clean-install.sh [BUILD_DIR [ROOT_DIR]]
#
# BUILD_DIR (default build) is a configured release build; the package is
# made there with cpack. ROOT_DIR (default BUILD_DIR/clean-root) is reused
# when it already holds a bootstrapped system, so a second run is quick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
root=$(realpath -m "${2:-$build/clean-root}")
mirror=${VX_DEBIAN_MIRROR:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "deb-clean-install: run as root (debootstrap, chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

echo "== package"
# cpack builds every target first (one job at a time): build them here.
cmake --build "$build" -j"${VX_JOBS:-2}"
rm -f "$build"/versalix4_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/versalix4_*.deb)
dpkg-deb --field "$deb" Package Version Depends

if [ ! -x "$root/usr/bin/apt-get" ]; then
  echo "== debootstrap bookworm into $root"
  rm -rf "$root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$build/debootstrap.log" 2>&1 ||
    { tail -n 20 "$build/debootstrap.log"; exit 1; }
fi

mounted=()
cleanup() { for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || true; done; }
trap cleanup EXIT
for fs in proc sys dev; do
  mount --bind "/$fs" "$root/$fs"
  mounted=("$root/$fs" "${mounted[@]}")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "== install $(basename "$deb") in the clean system"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root dpkg --purge versalix4 >/dev/null 2>&1 || true
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")"

echo "== run"
in_root versalix4 --version
rm -rf "$root/tmp/gallery"
in_root versalix4 demo -o /tmp/gallery
test -s "$root/tmp/gallery/index.html"
echo "deb-clean-install: the package installs and runs on a clean bookworm"
