#!/usr/bin/env bash
# Pictures of the native Windows dialogs for the documentation: the acceptance scenarios take them
# under Wine, each once the dialog shows the state it is named after (the tab selected, the nested
# dialog open, the wizard's step reached):
#   scripts/native-screenshots.sh [mingw64 build folder]   (default build/mingw64)
# Writes docs/native-options-*.png, docs/native-button-dialog.png, docs/native-domain-dialog.png
# and docs/native-wizard-*.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/mingw64}"
cmake --build "$build" --target tst_acceptance_win32
pictures="$(mktemp -d)"
trap 'rm -rf "$pictures"' EXIT
KGH_PICTURES="$pictures" bash "$root/tests/acceptance/win32/run.sh" \
  "$build/tests/acceptance/win32/tst_acceptance_win32.exe" >/dev/null
for picture in "$pictures"/*.bmp; do
  name="$(basename "$picture" .bmp).png"
  convert "$picture" "$root/docs/$name"
  echo "wrote docs/$name"
done
