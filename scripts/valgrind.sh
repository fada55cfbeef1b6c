#!/usr/bin/env bash
# Runs every test executable of a build without the Qt front-end (core, dialogs as form logic,
# wizard, reliability) under valgrind memcheck; any error or definite leak fails.
#   scripts/valgrind.sh [build-dir]   (a Debug build without sanitizers; default build/valgrind)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/valgrind}"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"

if [ ! -f "$build/build.ninja" ]; then
  flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKGH_SANITIZE=OFF \
    -DKGH_BUILD_QT=OFF -DKGH_BUILD_BENCH=OFF >/dev/null
fi
flock "$lock" cmake --build "$build" -j2

status=0
# The kill tests time their kills for native speed; under valgrind their savers would rarely
# finish a write, so they run natively in ctest only. Valgrind runs one thread at a time, which
# makes the four-thread host slow and its races unseen: it runs under ThreadSanitizer instead.
filter="-*CrashConsistency.KilledSaves*:WholeSaves.*:*/FourThreads.*"
# The Qt front-end is left out of this build: its tests run under the sanitizers instead.
while IFS= read -r test; do
  echo "== $(basename "$test")"
  valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
    --trace-children=no --quiet "$test" --gtest_brief=1 --gtest_filter="$filter" || { echo "!! $test" >&2; status=1; }
done < <(find "$build/tests" -mindepth 2 -maxdepth 2 -type f -executable -name 'tst_*' 2>/dev/null | sort)
exit "$status"
