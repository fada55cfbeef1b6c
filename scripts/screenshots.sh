#!/usr/bin/env bash
# Pictures of the options dialog's four pages and of the button and domain dialogs for the
# documentation, taken on a virtual display:
#   scripts/screenshots.sh [build folder]   (default build/qt)
# Writes docs/options-general.png ... docs/options-other.png, docs/button-dialog.png and
# docs/domain-dialog.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/qt}"

cmake --build "$build" --target orvex-screenshots
mkdir -p "$root/docs"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$build/qt/tools/orvex-screenshots" "$root/docs"
