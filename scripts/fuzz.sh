#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build folder of their own and runs each for a
# bounded time, one at a time. Fails on the first crash, leak, sanitizer report or violated
# invariant; the input that caused it is left as crash-*/leak-*/timeout-* in the work folder.
#
#   scripts/fuzz.sh [seconds-per-target]      (default 60)
# Environment: KGH_FUZZ_BUILD (build folder, default build/fuzz), KGH_FUZZ_TARGETS (subset).
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KGH_FUZZ_BUILD:-$root/build/fuzz}"
targets="${KGH_FUZZ_TARGETS:-fuzz_ini_read fuzz_ini_write fuzz_config_format fuzz_relative_path}"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"

CC=clang CXX=clang++ flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKGH_BUILD_FUZZERS=ON -DKGH_BUILD_TESTS=OFF -DKGH_BUILD_BENCH=OFF -DKGH_BUILD_QT=OFF -DKGH_WERROR=ON >/dev/null
# shellcheck disable=SC2086
flock "$lock" cmake --build "$build" -j2 --target $targets

status=0
for target in $targets; do
  work="$build/fuzz-work/$target"
  mkdir -p "$work/corpus"
  echo "== $target: ${seconds}s"
  # The first corpus folder collects new inputs; the checked-in seeds stay as they are.
  rc=0
  (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -print_final_stats=1 corpus "$root/fuzz/corpus/$target") >"$work/last.log" 2>&1 || rc=$?
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|invariant violated|SUMMARY)' \
    "$work/last.log" || true
  if [ "$rc" != 0 ] || compgen -G "$work/crash-*" >/dev/null || compgen -G "$work/leak-*" >/dev/null \
      || compgen -G "$work/timeout-*" >/dev/null || compgen -G "$work/oom-*" >/dev/null; then
    echo "!! $target: finding (exit $rc), see $work/last.log" >&2
    status=1
  fi
done
exit "$status"
