#!/usr/bin/env bash
# The automation server as a Windows host meets it, under Wine: regsvr32 registers it, a script
# client creates KelmarGUIHelper.SetupOrvex and calls it, the wizard and the options dialog it opens
# are driven by keyboard through the host's calls (the dialogs themselves are the acceptance
# suite's), and regsvr32 /u removes it again.
#   run.sh <KelmarGUIHelper.dll> <folder of the expected files>
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a bash "$(readlink -f "$0")" "$@"; fi
dll="$1"
fixtures="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
win() { winepath -w "$1"; }

wine wineboot -i >/dev/null 2>&1
class='HKCR\CLSID\{c862ef95-6f46-4e35-af78-97b876a441de}'
wine regsvr32 /s "$(win "$dll")" || fail "regsvr32 refused to register"
keys="$(wine reg query "$class" /s)"
grep -q 'ThreadingModel *REG_SZ *Apartment' <<<"$keys" || fail "not registered apartment-threaded: $keys"
grep -qiF "$(win "$dll")" <<<"$keys" || fail "the server's path is not registered: $keys"
grep -q 'KelmarGUIHelper.SetupOrvex' <<<"$keys" || fail "no programmatic identifier under the class"
wine reg query 'HKCR\KelmarGUIHelper.SetupOrvex\CLSID' | grep -i 'c862ef95-6f46-4e35-af78-97b876a441de' >/dev/null ||
  fail "the programmatic identifier does not name the class"
wine reg query 'HKCR\Interface\{2854bb75-590c-4028-bb49-ef3473cbcd53}' /s | grep -i '00020424-0000-0000-C000-000000000046' >/dev/null ||
  fail "the interface is not marshalled by the automation marshaler"

mkdir -p "$work/site"
output="$(wine cscript //nologo "$(win "$here/client.vbs")" "$(win "$work/site/Orvex.INI")" \
  "$(win "$work/missing")\\Orvex.INI" | tr -d '\r')" || fail "the script client stopped: $output"
echo "$output"
[[ "$output" == $'Compile=-1\nCreateStartFile=-1\nCreateStartFileMissing=0' ]] || fail "unexpected answers: $output"
cmp "$fixtures/start-file.ini" "$work/site/Orvex.INI" || fail "CreateStartFile wrote other bytes than the Linux build"
[[ ! -e "$work/missing" ]] || fail "a failed CreateStartFile created its folder"

# Waits for the window titled $1 and sends it the keys that follow.
keys_to() {
  local window
  window="$(timeout 60 xdotool search --sync --name "$1" | sed -n 1p)" || fail "no window \"$1\""
  shift
  sleep 1
  xdotool windowfocus --sync "$window"
  for keys in "$@"; do
    if [[ "$keys" == type:* ]]; then xdotool type --delay 30 "${keys#type:}"; else xdotool key $keys; fi
    sleep 0.4
  done
}

# The wizard: Next, Tab to "Create empty configuration" and Space, the save dialog, then OK in the
# options dialog it opens on the new file; the host gets the file's path.
mkdir -p "$WINEPREFIX/drive_c/kiosk"
wine cscript //nologo "$(win "$here/wizard.vbs")" >"$work/answer" 2>"$work/errors" &
pid=$!
keys_to "Configuration Wizard" Return Tab Tab space
keys_to "Save Orvex config file" 'type:C:\kiosk\Orvex.INI' Return
keys_to "Pallix Browser Options" Return
wait "$pid" || fail "CreateNew failed: $(cat "$work/answer")"
[[ "$(tr -d '\r' <"$work/answer")" == '[C:\kiosk\Orvex.INI]' ]] || fail "CreateNew answered $(cat "$work/answer")"
built="$WINEPREFIX/drive_c/kiosk/Orvex.INI"
grep -q $'^Homepage=http://' "$built" || fail "the wizard wrote no home page"
grep -q $'^\[PrivateData\]\r$' "$built" || fail "the options dialog did not save the new file"
# A web application found in the registry: the pop-up menu offers it, and the configuration built
# for it opens on its start page below the application's path.
wine reg add 'HKLM\System\CurrentControlSet\Services\W3SVC\Parameters\Virtual Roots' /v /shop /t REG_SZ \
  /d 'C:\shop,,1' /f >/dev/null 2>&1 || fail "cannot add the web application to the registry"
mkdir -p "$WINEPREFIX/drive_c/shop"
echo x >"$WINEPREFIX/drive_c/shop/index.htm"
wine cscript //nologo "$(win "$here/wizard.vbs")" >"$work/answer" 2>"$work/errors" &
pid=$!
keys_to "Configuration Wizard" Return Tab space Down Return
keys_to "Save Orvex config file" 'type:C:\shop\Orvex.INI' Return
keys_to "Pallix Browser Options" Return
wait "$pid" || fail "CreateNew failed: $(cat "$work/answer")"
[[ "$(tr -d '\r' <"$work/answer")" == '[C:\shop\Orvex.INI]' ]] || fail "CreateNew answered $(cat "$work/answer")"
grep -q $'^Homepage=http://[^/]*/shop/index.htm\r$' "$WINEPREFIX/drive_c/shop/Orvex.INI" ||
  fail "the home page is not the application's: $(grep Homepage "$WINEPREFIX/drive_c/shop/Orvex.INI")"
# Esc in the wizard: nothing is built, and the host gets "".
wine cscript //nologo "$(win "$here/wizard.vbs")" >"$work/answer" 2>"$work/errors" &
pid=$!
keys_to "Configuration Wizard" Escape
wait "$pid" || fail "CreateNew failed: $(cat "$work/answer")"
[[ "$(tr -d '\r' <"$work/answer")" == '[]' ]] || fail "a cancelled wizard answered $(cat "$work/answer")"

wine regsvr32 /s /u "$(win "$dll")" || fail "regsvr32 refused to unregister"
if wine reg query "$class" >/dev/null 2>&1; then fail "the class is still registered"; fi
if wine reg query 'HKCR\KelmarGUIHelper.SetupOrvex' >/dev/null 2>&1; then fail "the identifier is still registered"; fi
wineserver -w
echo "automation server: registered, called, its dialogs and wizard driven by keyboard, and unregistered"
