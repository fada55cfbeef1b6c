#!/usr/bin/env bash
# The automation server as a Windows host meets it, under Wine: regsvr32 registers it, a script
# client creates KelmarGUIHelper.SetupOrvex and calls it, and regsvr32 /u removes it again.
#   run.sh <KelmarGUIHelper.dll> <expected bytes of CreateStartFile(..., "start.htm")>
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a bash "$(readlink -f "$0")" "$@"; fi
dll="$1"
expected="$2"
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
grep -qi "REG_SZ *$(win "$dll" | sed 's/\\/\\\\/g')" <<<"$keys" || fail "the server's path is not registered: $keys"
grep -q 'KelmarGUIHelper.SetupOrvex' <<<"$keys" || fail "no programmatic identifier under the class"
wine reg query 'HKCR\KelmarGUIHelper.SetupOrvex\CLSID' | grep -qi 'c862ef95-6f46-4e35-af78-97b876a441de' ||
  fail "the programmatic identifier does not name the class"
wine reg query 'HKCR\Interface\{2854bb75-590c-4028-bb49-ef3473cbcd53}' /s | grep -qi '00020424-0000-0000-C000-000000000046' ||
  fail "the interface is not marshalled by the automation marshaler"

mkdir -p "$work/site"
output="$(wine cscript //nologo "$(win "$here/client.vbs")" "$(win "$work/site/Orvex.INI")" \
  "$(win "$work/missing")\\Orvex.INI" | tr -d '\r')" || fail "the script client stopped: $output"
echo "$output"
[[ "$output" == $'Compile=-1\nCreateStartFile=-1\nCreateStartFileMissing=0' ]] || fail "unexpected answers: $output"
cmp "$expected" "$work/site/Orvex.INI" || fail "CreateStartFile wrote other bytes than the Linux build"
[[ ! -e "$work/missing" ]] || fail "a failed CreateStartFile created its folder"

wine regsvr32 /s /u "$(win "$dll")" || fail "regsvr32 refused to unregister"
if wine reg query "$class" >/dev/null 2>&1; then fail "the class is still registered"; fi
if wine reg query 'HKCR\KelmarGUIHelper.SetupOrvex' >/dev/null 2>&1; then fail "the identifier is still registered"; fi
wineserver -w
echo "automation server: registered, called and unregistered"
