#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default -G Ninja
cmake --build --preset default
QT_QPA_PLATFORM=offscreen ctest --preset default
