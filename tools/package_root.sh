#!/usr/bin/env bash
# Before a release: installs the package in a fresh minimal Debian root, as an association's
# IT person would on a new desk (apt-get install ./dnt_*.deb, nothing else), then makes a
# demo database there, prints a quarter, reads the manual page and finds the menu entry.
# Needs root (debootstrap, chroot) and the network; not part of `make test`.
#
# usage: tools/package_root.sh [PACKAGE.deb]     (default: the dnt_*.deb of `make package`)
#   DNT_ROOT   the root's folder, kept between runs (default /tmp/dnt-pkg-root)
#   SUITE      the Debian release (default bookworm)
set -euo pipefail

root=${DNT_ROOT:-/tmp/dnt-pkg-root}
suite=${SUITE:-bookworm}
here=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls -t "$here"/dnt_*.deb 2>/dev/null | head -1)}
[[ -f $deb ]] || { echo "package_root: no package; run make package first" >&2; exit 2; }
[[ $(id -u) -eq 0 ]] || { echo "package_root: run as root (debootstrap, chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null

# The base root is made once and copied for each run, so that every run starts clean.
base=$root.base
if [[ ! -f $base/.done ]]; then
  rm -rf "$base"
  mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [[ -n $mirror ]] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  echo "package_root: debootstrap $suite into $base"
  debootstrap --variant=minbase "$suite" "$base" ${mirror:+"$mirror"} >"$root.debootstrap.log" 2>&1
  touch "$base/.done"
fi
rm -rf "$root"
cp -a "$base" "$root"
mount --bind /proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 bash -c "$1"; }

echo "package_root: apt-get install ./$(basename "$deb") (and man-db, to read the manual)"
in_root "apt-get update -qq && cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./$(basename "$deb") man-db >/tmp/install.log 2>&1" ||
  { tail -20 "$root/tmp/install.log"; exit 1; }
in_root "dnt --version && dnt-gui --version"
in_root "cd /tmp && dnt demo --db demo.db --aides 20 --quarter 20251"
in_root "cd /tmp && dnt print --db demo.db --quarter 20251 --centre 75 --output /tmp/DNT-20251-75.pdf"
in_root "test -s /tmp/DNT-20251-75.pdf && head -c 5 /tmp/DNT-20251-75.pdf | grep -q '%PDF'"
in_root "MANPAGER=cat man dnt | grep -q 'dnt print'"
in_root "MANPAGER=cat man dnt-gui | grep -q 'dnt-gui'"
echo "package_root: man dnt and man dnt-gui read"
in_root "grep -q '^Exec=dnt-gui' /usr/share/applications/dnt-gui.desktop && test -f /usr/share/icons/hicolor/scalable/apps/dnt-gui.svg"
echo "package_root: dnt-gui is in the menu (Office)"
in_root "dpkg -s libpq5 >/dev/null 2>&1"
echo "package_root: libpq5 came with it, as a recommendation"
echo "package_root: $(basename "$deb") installed and printed a quarter in $root"
