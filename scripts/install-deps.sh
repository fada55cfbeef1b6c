#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the dialogs need. Run as root.
#   scripts/install-deps.sh           the Linux build
#   scripts/install-deps.sh windows   also the Windows cross build and Wine to run it
#   scripts/install-deps.sh mutants   also what the shared mutation tool needs (scripts/mutants.sh)
set -euo pipefail
packages=(
  cmake ninja-build g++ clang clang-tidy cppcheck libclang-rt-14-dev valgrind
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  qt6-base-dev fonts-dejavu-core xvfb xauth nginx-light
  # the package, its manual page, completion and desktop entry, and what checks them
  dpkg-dev file lintian man-db pkg-config bash-completion desktop-file-utils xdotool debootstrap
)
if [[ "${1:-}" == windows ]]; then
  # GoogleTest's sources come with libgtest-dev; the cross build compiles them itself.
  packages+=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libwine-dev wine wine64 imagemagick)
fi
if [[ "${1:-}" == mutants ]]; then
  packages+=(python3-levenshtein python3-tabulate python3-pkg-resources)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
