#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks it with lintian, installs it as a user
# would (apt resolves what it needs) and runs the installed program, manual page, completion,
# help pages and both example hosts from a scratch folder, reaching nothing in the build tree.
# The package is removed again afterwards unless it was installed before.
#   scripts/package-test.sh [build folder]   (default build/default; needs root)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build/default}")
version=$(sed -n 's/^project(KelmarGUIHelper VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$build/kelmarguihelper_${version}_$(dpkg --print-architecture).deb
step() { printf '\n-- %s\n' "$1"; }
fail() { echo "package test: $*" >&2; exit 1; }

step "cpack -G DEB"
(cd "$build" && cpack -G DEB >/dev/null)
[[ -f $deb ]] || fail "no $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

step "lintian"
lintian --fail-on error --allow-root "$deb"

step "no path of the build or source tree in any installed file"
unpacked=$(mktemp -d)
scratch=$(mktemp -d)
installed_before=$(dpkg-query -W -f='${Status}' kelmarguihelper 2>/dev/null | grep -c "install ok installed" || true)
cleanup() {
  rm -rf "$unpacked" "$scratch"
  ((installed_before)) || apt-get remove -y -qq kelmarguihelper >/dev/null 2>&1 || true
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
if leaks=$(grep -rlaF -e "$source" -e "$build" "$unpacked"); then fail "build paths in: $leaks"; fi
desktop-file-validate "$unpacked/usr/share/applications/orvex-setup.desktop"

step "apt-get install ./$(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
cp -r examples "$scratch/"
cp tests/automation/start-file.ini tests/packaging/*.sh qt/HelpTopics.h "$scratch/"
cd "$scratch"
# Only the system's folders: the programs and libraries found are the installed ones.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
unset LD_LIBRARY_PATH CMAKE_PREFIX_PATH PKG_CONFIG_PATH

step "the installed program"
[[ $(command -v orvex-setup) == /usr/bin/orvex-setup ]] || fail "orvex-setup is not the installed one"
[[ $(orvex-setup --version) == "orvex-setup $version" ]] || fail "orvex-setup --version: $(orvex-setup --version)"
orvex-setup create-start-file Orvex.INI start.htm
cmp start-file.ini Orvex.INI || fail "create-start-file wrote other bytes"
orvex-setup show Orvex.INI | grep -qx "Homepage=start.htm" || { orvex-setup show Orvex.INI; fail "show"; }
orvex-setup compile src project.kpj dest

step "manual page, completion, help pages"
bash check-manpage.sh /usr/bin/orvex-setup "$(man -w orvex-setup)"
bash check-completion.sh /usr/share/bash-completion/completions/orvex-setup /usr/bin/orvex-setup
bash check-help-pages.sh /usr/share/kelmarguihelper/help HelpTopics.h

step "F1 in the installed options dialog opens the installed help page"
mkdir fakebin
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$scratch" >fakebin/xdg-open  # stands in for the browser
chmod +x fakebin/xdg-open
PATH=$scratch/fakebin:$PATH xvfb-run -a bash -c '
  orvex-setup edit Orvex.INI & dialog=$!
  window=$(xdotool search --sync --onlyvisible --name "Pallix Browser Options" | head -1)
  xdotool windowfocus --sync "$window"
  xdotool key F1  # to the focused window, as typed: Qt ignores keys sent to a window by name
  for _ in $(seq 50); do [ -s opened ] && break; sleep 0.2; done
  xdotool key Escape
  wait $dialog'
[[ $(cat opened 2>/dev/null) == file:///usr/share/kelmarguihelper/help/options-general.html ]] ||
  fail "F1 opened: $(cat opened 2>/dev/null)"
cmp start-file.ini Orvex.INI || fail "Esc changed the file"

step "a host built with CMake (find_package) and the C++ wrapper"
cmake -S examples/cmake-host -B cmake-host -G Ninja >/dev/null
cmake --build cmake-host >/dev/null
ldd cmake-host/cmake-host | grep -qE "libKelmarGUIHelper.so.2 => (/usr)?/lib/" || fail "cmake-host does not use the installed library"
cmake-host/cmake-host cmake-host.ini
cmp start-file.ini cmake-host.ini || fail "the C++ host's file differs from the command line's"

step "a host built with make and pkg-config, in C"
make -s -C examples/pkg-config-host
ldd examples/pkg-config-host/pkg-config-host | grep -qE "libKelmarGUIHelper.so.2 => (/usr)?/lib/" || fail "pkg-config-host does not use the installed library"
examples/pkg-config-host/pkg-config-host pkg-config-host.ini
cmp start-file.ini pkg-config-host.ini || fail "the C host's file differs from the command line's"
echo "package test passed"
