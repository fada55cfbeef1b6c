#!/usr/bin/env bash
# Runs the core test executables under valgrind memcheck; any error or definite leak fails.
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
# The kill test times its kills for native speed; under valgrind its saver would rarely finish
# a write, so it runs natively in ctest only.
filter="-CrashConsistency.KilledSaves*"
# The core tests and the reliability tests; the Qt front-end's tests are not core code.
while IFS= read -r test; do
  echo "== $(basename "$test")"
  valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
    --trace-children=no --quiet "$test" --gtest_brief=1 --gtest_filter="$filter" || { echo "!! $test" >&2; status=1; }
done < <(find "$build/tests/core" "$build/tests/reliability" -maxdepth 1 -type f -executable -name 'tst_*' 2>/dev/null | sort)
exit "$status"
