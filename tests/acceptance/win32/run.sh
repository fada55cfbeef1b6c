#!/usr/bin/env bash
# Runs the scenarios' Windows program under Wine on a virtual display of its own, in a fresh Wine
# prefix; arguments after the program go to it (--gtest_filter=...). With KGH_PICTURES set to a
# folder, the scenarios leave their pictures there as BMP files.
#   run.sh <tst_acceptance_win32.exe> [arguments...]
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$(readlink -f "$0")" "$@"; fi
program="$1"
shift
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
wine wineboot -i >/dev/null 2>&1
if [[ -n "${KGH_PICTURES:-}" ]]; then KGH_PICTURES="$(winepath -w "$KGH_PICTURES")"; export KGH_PICTURES; fi
status=0
wine "$program" "$@" || status=$?
wineserver -w
exit "$status"
