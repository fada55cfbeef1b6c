#!/usr/bin/env bash
# The Windows cross build: installs mingw-w64 and Wine if missing, builds the x86_64 and i686
# flavours, and runs the x86_64 tests under Wine (32-bit Wine is not installable here).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows
cmake --preset mingw64
cmake --build --preset mingw64
ctest --preset mingw64
cmake --preset mingw32
cmake --build --preset mingw32
