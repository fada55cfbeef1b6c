#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix, quietly and without a
# display, for tests of the cross build: scripts/wine-run.sh program.exe [arguments...]
set -euo pipefail
export WINEPREFIX="${KGH_WINEPREFIX:-${TMPDIR:-/tmp}/kgh-wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -d "$WINEPREFIX" ]]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
fi
exec wine "$@"
