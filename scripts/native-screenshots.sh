#!/usr/bin/env bash
# Pictures of the native Windows dialogs for the documentation, taken under Wine on a virtual
# display: scripts/native-screenshots.sh [mingw64 build folder]   (default build/mingw64)
# Writes docs/native-options-*.png, docs/native-button-dialog.png, docs/native-domain-dialog.png
# and docs/native-wizard-*.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/mingw64}"
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"; fi
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
docs="$root/docs"
wine wineboot -i >/dev/null 2>&1
wine regsvr32 /s "$(winepath -w "$build/component/automation/KelmarGUIHelper.dll")"
cp "$root/tests/automation/start-file.ini" "$work/Orvex.INI"

window_named() { timeout 60 xdotool search --sync --name "$1" | head -1; }
shoot() { sleep 0.6; import -window "$1" "$docs/$2"; echo "wrote docs/$2"; }

wine cscript //nologo "$(winepath -w "$root/tests/automation/options.vbs")" "$(winepath -w "$work/Orvex.INI")" \
  >/dev/null 2>&1 &
options="$(window_named "Pallix Browser Options")"
sleep 1
xdotool windowfocus --sync "$options"
shoot "$options" native-options-general.png
xdotool key ctrl+Tab && shoot "$options" native-options-domains.png
xdotool key alt+a && shoot "$(window_named "Enter domain")" native-domain-dialog.png && xdotool key Escape
xdotool key ctrl+Tab && shoot "$options" native-options-toolbar.png
xdotool key alt+a && shoot "$(window_named "Button properties")" native-button-dialog.png && xdotool key Escape
xdotool key ctrl+Tab && shoot "$options" native-options-other.png
xdotool key Escape
wait

wine cscript //nologo "$(winepath -w "$root/tests/automation/wizard.vbs")" >/dev/null 2>&1 &
wizard="$(window_named "Configuration Wizard")"
sleep 1
xdotool windowfocus --sync "$wizard"
shoot "$wizard" native-wizard-1-introduction.png
xdotool key Return && shoot "$wizard" native-wizard-2-step1.png
xdotool key Escape
wait
wineserver -w
