#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the project's own code, not the tests.
# Exits non-zero on any finding.
#   scripts/static-analysis.sh [build-dir]   (a configured build folder; default build/analysis)
# KGH_ANALYSIS_DIRS narrows the folders (default: component config platform options wizard cli forms).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/analysis}"
dirs="${KGH_ANALYSIS_DIRS:-component library config platform options wizard cli forms}"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"
cd "$root"

if [ ! -f "$build/compile_commands.json" ]; then
  flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DKGH_BUILD_QT=OFF -DKGH_BUILD_BENCH=OFF -DKGH_BUILD_TESTS=OFF >/dev/null
fi
# Generated sources (embedded resources) must exist before they are analysed or included.
flock "$lock" cmake --build "$build" --target kgh_resources >/dev/null

# The files the build compiles (a source that needs an absent toolkit is not in it).
mapfile -t sources < <(python3 - "$build/compile_commands.json" "$root" $dirs <<'PY'
import json, os, sys
db, root, dirs = sys.argv[1], sys.argv[2], sys.argv[3:]
files = set()
for entry in json.load(open(db)):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if path.split(os.sep)[0] in dirs and path.endswith(".cpp"):
        files.add(path)
print("\n".join(sorted(files)))
PY
)
[ "${#sources[@]}" -gt 0 ] || { echo "no sources"; exit 0; }

status=0
echo "== clang-tidy (${#sources[@]} files)"
clang-tidy -p "$build" --quiet "${sources[@]}" 2>/dev/null || status=1

echo "== cppcheck"
# shellcheck disable=SC2086
cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr --quiet \
  --std=c++20 --language=c++ -I "$root" --suppressions-list="$root/scripts/cppcheck-suppressions.txt" \
  "${sources[@]}" || status=1
exit "$status"
