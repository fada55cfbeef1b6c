#!/usr/bin/env bash
# The system's file dialogs and folder browser as the component opens them, driven by keyboard
# under Wine: the open dialog answers a typed existing file with its full path and Esc with "",
# the save dialog adds no extension, and the folder browser opens on the folder it was given.
#   dialogs.sh <dialog_probe.exe>
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a bash "$(readlink -f "$0")" "$@"; fi
probe="$1"
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wine wineboot -i >/dev/null 2>&1
# Wine's folder browser selects folders on drive C: only, so the test folder lives there.
mkdir -p "$WINEPREFIX/drive_c/web/pages"
echo x >"$WINEPREFIX/drive_c/web/pages/start.htm"
web='C:\web'

# Runs the probe, waits for the window titled $2, sends the keys that follow, and prints the answer.
drive() {
  local mode="$1" title="$2"
  shift 2
  wine "$probe" "$mode" "$web" >"$work/answer" 2>/dev/null &
  local pid=$!
  local window
  window="$(timeout 60 xdotool search --sync --name "$title" | sed -n 1p)" || fail "no window \"$title\""
  sleep 1.5  # the browser selects its folder once its tree is filled
  xdotool windowfocus --sync "$window"
  for keys in "$@"; do
    if [[ "$keys" == type:* ]]; then xdotool type --delay 30 "${keys#type:}"; else xdotool key "$keys"; fi
    sleep 0.2
  done
  wait "$pid"
  tr -d '\r' <"$work/answer"
}

answer="$(drive open "Select start page" 'type:pages\start.htm' Return)"
[[ "$answer" == "[$web\\pages\\start.htm]" ]] || fail "open: $answer"
answer="$(drive open "Select start page" Escape)"
[[ "$answer" == "[]" ]] || fail "open, Esc: $answer"
answer="$(drive save "Select start page" 'type:kiosk' Return)"
[[ "$answer" == "[$web\\kiosk]" ]] || fail "save: $answer"
answer="$(drive folder "Browse" Return)"
[[ "$answer" == "[$web]" ]] || fail "folder browser: $answer"
wineserver -w
echo "file dialogs and folder browser answer as asked"
