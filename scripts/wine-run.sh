#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix, quietly and without a
# display, for tests of the cross build: scripts/wine-run.sh program.exe [arguments...]
set -euo pipefail
export WINEPREFIX="${KGH_WINEPREFIX:-${TMPDIR:-/tmp}/kgh-wineprefix-$(id -u)}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Tests run side by side: the first one makes the prefix while the others wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [[ ! -e "$WINEPREFIX/.made" ]]; then
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.made"
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
