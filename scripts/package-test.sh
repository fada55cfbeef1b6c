#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it with lintian; then installs it with
# apt into a fresh Debian root made by debootstrap, where nothing of the build tree exists, and
# uses it there as a user and a host's developer would (tests/packaging/check-installed.sh).
#   scripts/package-test.sh [build folder]   (default build/default; needs root and Debian's mirror)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build/default}")
version=$(sed -n 's/^project(KelmarGUIHelper VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$build/kelmarguihelper_${version}_$(dpkg --print-architecture).deb
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=${KGH_DEBIAN_MIRROR:-http://deb.debian.org/debian}
step() { printf '\n-- %s (%s)\n' "$1" "$(date -u +%H:%M:%S)"; }
fail() { echo "package test: $*" >&2; exit 1; }

step "cpack -G DEB"
(cd "$build" && cpack -G DEB >/dev/null)
[[ -f $deb ]] || fail "no $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

step "lintian"
lintian --fail-on error --allow-root "$deb"

step "no path of the build or source tree in any installed file"
unpacked=$(mktemp -d)
root=$(mktemp -d /tmp/kgh-root.XXXXXX)
cleanup() {
  rm -rf "$unpacked"
  if mountpoint -q "$root/proc" && ! umount "$root/proc"; then
    echo "package test: $root/proc is still mounted; $root is left in place" >&2
    return
  fi
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
if leaks=$(grep -rlaF -e "$source" -e "$build" "$unpacked"); then fail "build paths in: $leaks"; fi
desktop-file-validate "$unpacked/usr/share/applications/orvex-setup.desktop"

step "a fresh $suite root"
chmod 755 "$root"  # a root folder, readable by the users its programs run as
debootstrap --variant=minbase "$suite" "$root" "$mirror" >/dev/null
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
check=$root/root/check
mkdir -p "$check"
cp "$deb" "$root/root/"
cp -r examples "$check/"
cp tests/automation/start-file.ini tests/packaging/*.sh forms/HelpPages.h options/OptionsDesign.h "$check/"

step "apt-get install ./$(basename "$deb"), and what a user and a host's developer bring"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/root/$(basename "$deb")" man-db bash-completion cmake g++ make pkg-config xvfb xauth xdotool >/dev/null

step "the installed package, used in that root"
# With the environment of a fresh login, not this script's (no QT_QPA_PLATFORM from CI, say).
chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  bash -c "cd /root/check && bash check-installed.sh $version"
