#!/usr/bin/env bash
# Builds the library and its threaded host test with ThreadSanitizer (the `tsan` preset: Debug,
# no Qt) and runs that test: four threads calling the C interface a thousand times each, on one
# file and on a file each. Any data race the sanitizer sees ends the run and fails it.
#   scripts/tsan.sh
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"
cd "$root"

if [ ! -f build/tsan/build.ninja ]; then
  flock "$lock" cmake --preset tsan -G Ninja >/dev/null
fi
flock "$lock" cmake --build --preset tsan

TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  build/tsan/tests/core/tst_c_interface_threads --gtest_brief=1
