#!/usr/bin/env bash
# Run where the package is installed, from a folder holding copies of the examples, these
# scripts, forms/HelpPages.h, options/OptionsDesign.h and the start file fixture: uses the
# installed program, manual page, completion, help pages and library the way a user and a host's
# developer would.
#   check-installed.sh VERSION
set -euo pipefail
version=$1
step() { printf '\n-- %s\n' "$1"; }
fail() { echo "installed package: $*" >&2; exit 1; }
# Only the system's folders: the programs and libraries found are the installed ones.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
unset LD_LIBRARY_PATH CMAKE_PREFIX_PATH PKG_CONFIG_PATH

step "the program"
[[ $(command -v orvex-setup) == /usr/bin/orvex-setup ]] || fail "orvex-setup is not the installed one"
[[ $(orvex-setup --version) == "orvex-setup $version" ]] || fail "orvex-setup --version: $(orvex-setup --version)"
orvex-setup create-start-file Orvex.INI start.htm
cmp start-file.ini Orvex.INI || fail "create-start-file wrote other bytes"
orvex-setup show Orvex.INI | grep -x "Homepage=start.htm" >/dev/null || fail "show: $(orvex-setup show Orvex.INI)"
orvex-setup compile src project.kpj dest

step "manual page, completion, help pages"
man orvex-setup 2>/dev/null | grep "orvex-setup - create and edit" >/dev/null || fail "man orvex-setup shows no page"
bash check-manpage.sh /usr/bin/orvex-setup "$(man -w orvex-setup)"
bash check-completion.sh /usr/share/bash-completion/completions/orvex-setup /usr/bin/orvex-setup
bash check-help-pages.sh /usr/share/kelmarguihelper/help HelpPages.h OptionsDesign.h

step "F1 in the options dialog opens the installed help page"
mkdir -p fakebin
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$PWD" >fakebin/xdg-open  # stands in for the browser
chmod +x fakebin/xdg-open
# On the X display xvfb-run makes, whatever platform the caller's environment names.
PATH=$PWD/fakebin:$PATH QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '
  orvex-setup edit Orvex.INI & dialog=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "Pallix Browser Options" | sed -n 1p)
  [ -n "$window" ] || { kill $dialog; exit 1; }
  xdotool windowfocus --sync "$window"
  xdotool key F1  # to the focused window, as typed: Qt ignores keys sent to a window by name
  for _ in $(seq 50); do [ -s opened ] && break; sleep 0.2; done
  xdotool key Escape
  for _ in $(seq 50); do kill -0 $dialog 2>/dev/null || break; sleep 0.2; done
  if kill -0 $dialog 2>/dev/null; then kill $dialog; echo "Esc did not close the dialog" >&2; exit 1; fi
  wait $dialog' || fail "the options dialog could not be driven"
[[ $(cat opened 2>/dev/null) == file:///usr/share/kelmarguihelper/help/options-general.html ]] ||
  fail "F1 opened: $(cat opened 2>/dev/null)"
cmp start-file.ini Orvex.INI || fail "Esc changed the file"

step "a host built with CMake (find_package) and the C++ wrapper"
cmake -S examples/cmake-host -B cmake-host >/dev/null
cmake --build cmake-host >/dev/null
ldd cmake-host/cmake-host | grep -E "libKelmarGUIHelper.so.2 => (/usr)?/lib/" >/dev/null || fail "cmake-host does not use the installed library"
cmake-host/cmake-host cmake-host.ini
cmp start-file.ini cmake-host.ini || fail "the C++ host's file differs from the command line's"

step "a host built with make and pkg-config, in C"
make -s -C examples/pkg-config-host
ldd examples/pkg-config-host/pkg-config-host | grep -E "libKelmarGUIHelper.so.2 => (/usr)?/lib/" >/dev/null ||
  fail "pkg-config-host does not use the installed library"
examples/pkg-config-host/pkg-config-host pkg-config-host.ini
cmp start-file.ini pkg-config-host.ini || fail "the C host's file differs from the command line's"
echo "the installed package works"
