#!/usr/bin/env bash
# Pictures of the wizard's pages for the documentation, taken on a virtual display:
#   scripts/wizard-screenshots.sh [build folder]   (default build/qtwizard)
# Writes docs/wizard-1-introduction.png ... docs/wizard-4-finished.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/qtwizard}"

cmake --build "$build" --target wizard-screenshots
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$build/qt/wizard/wizard-screenshots" "$root/docs"
