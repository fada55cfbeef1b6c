#!/usr/bin/env bash
# Mutation testing with the shared universalmutator (../shared/tools/universalmutator): for each
# source file of the folders given, the first N mutants that compile in the order
# universalmutator.prioritize gives (the most different first, the same order on every run of an
# unchanged file). Each mutant replaces its file for a moment; one that does not compile is
# dropped; otherwise the test programs that link the file are rebuilt and run (without the slow
# kill and thread cases), and the mutant is killed when one of them fails. Mutants listed in
# scripts/mutants-equivalent.txt are skipped as equivalent. Prints a line per survivor and a table
# per folder: killed, survived, equivalent, not compiling, and the score killed / (killed + survived).
#   scripts/mutants.sh [--per-file N] [--build DIR] [folder or file.cpp...]
# Folders default to: config options wizard forms platform component qt (platform: the portable
# files and posix/). The build folder (default build/mutants) is a Debug build of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="${KGH_MUTATOR:-$root/../shared/tools/universalmutator}"
per_file=3
build="$root/build/mutants"
while [[ $# -gt 0 ]]; do
  case "$1" in
    --per-file) per_file="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    *) break ;;
  esac
done
folders=("$@")
[[ ${#folders[@]} -gt 0 ]] || folders=(config options wizard forms platform component qt)
equivalent="$root/scripts/mutants-equivalent.txt"
# Left out per mutant: the cases that kill writers and time threads. They test the durability of
# the store against the system, take minutes, and run in every CI build.
slow="-*CrashConsistency.KilledSaves*:WholeSaves.*:*/FourThreads.*"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"
export QT_QPA_PLATFORM=offscreen PYTHONPATH="$tool"

bash "$root/scripts/install-deps.sh" mutants
if [[ ! -f "$build/build.ninja" ]]; then
  flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKGH_BUILD_BENCH=OFF >/dev/null
fi
flock "$lock" cmake --build "$build" >/dev/null

work="$(mktemp -d)"
original=""
restore() { if [[ -n "$original" ]]; then cp "$work/original" "$original"; touch "$original"; fi; }
trap 'restore; rm -rf "$work"' EXIT

# The object a source file compiles to, and the test programs that link it: found in the build's
# own dependency graph, through the libraries in between.
links() {
  python3 - "$build" "$1" <<'PY'
import os, subprocess, sys
build, source = sys.argv[1], os.path.realpath(sys.argv[2])
targets = subprocess.run(["ninja", "-C", build, "-t", "targets", "all"], capture_output=True, text=True).stdout
name = os.path.basename(source) + ".o"
folder = "/" + os.path.basename(os.path.dirname(source)) + "/"
objects = [line.split(":")[0] for line in targets.splitlines()
           if line.split(":")[0].endswith("/" + name) and folder in "/" + line.split(":")[0]]
def users(target):
    out = subprocess.run(["ninja", "-C", build, "-t", "query", target], capture_output=True, text=True).stdout
    section, found = None, []
    for line in out.splitlines():
        if line.strip() in ("input:", "outputs:"): section = line.strip(); continue
        if section == "outputs:" and line.startswith("    "): found.append(line.strip())
    return found
tests, seen, todo = set(), set(), list(objects)
while todo:
    target = todo.pop()
    for user in users(target):
        if user in seen: continue
        seen.add(user)
        if os.path.basename(user).startswith("tst_") and "." not in os.path.basename(user): tests.add(user)
        elif user.endswith((".a", ".so")) or ".so." in user: todo.append(user)
print(" ".join(objects[:1]), " ".join(sorted(tests)))
PY
}

# The sources of a folder that mutants are made of.
sources_of() {
  case "$1" in
    *.cpp) echo "$1" ;;  # one file, for a closer look
    platform) git -C "$root" ls-files ':(glob)platform/*.cpp' ':(glob)platform/posix/*.cpp' ;;
    *) git -C "$root" ls-files ":(glob)$1/**/*.cpp" | grep -v '/tools/' ;;
  esac | sort -u
}

declare -A killed survived skipped broken
for folder in "${folders[@]}"; do
  killed[$folder]=0 survived[$folder]=0 skipped[$folder]=0 broken[$folder]=0
  while read -r source; do
    [[ -n "$source" ]] || continue
    read -r object tests < <(links "$root/$source")
    if [[ -z "$object" || -z "$tests" ]]; then echo "-- $source: no test program links it"; continue; fi
    rm -rf "$work/mutants" && mkdir -p "$work/mutants"
    /usr/bin/python3 -m universalmutator.genmutants "$root/$source" cpp --noCheck --mutantDir "$work/mutants" >/dev/null
    ls "$work/mutants" >"$work/all"
    # Most mutants that delete a statement do not compile: the first N that do are taken.
    /usr/bin/python3 -m universalmutator.prioritize "$work/all" "$work/chosen" "$((per_file * 10))" \
      --mutantDir "$work/mutants" --sourceDir "$(dirname "$root/$source")" >/dev/null
    cp "$root/$source" "$work/original"
    original="$root/$source"
    taken=0
    while read -r mutant && [[ $taken -lt $per_file ]]; do
      [[ -n "$mutant" ]] || continue
      change="$({ diff "$work/original" "$work/mutants/$mutant" || true; } | sed -n 's/^< *//p;s/^> *//p' | paste -sd '|' -)"
      key="$source: ${change/|/ ==> }"
      if grep -qxF -- "$key" <(sed 's/ # .*//' "$equivalent" 2>/dev/null); then
        skipped[$folder]=$((skipped[$folder] + 1)); continue
      fi
      cp "$work/mutants/$mutant" "$original"
      if ! flock "$lock" ninja -C "$build" "$object" >/dev/null 2>&1; then
        broken[$folder]=$((broken[$folder] + 1)); restore; continue
      fi
      taken=$((taken + 1))
      outcome=survived
      # shellcheck disable=SC2086
      if ! flock "$lock" ninja -C "$build" $tests >/dev/null 2>&1; then
        outcome=killed  # a test program no longer builds against it
      else
        for test in $tests; do
          if ! (cd "$build/$(dirname "$test")" &&
                timeout 300 "./$(basename "$test")" --gtest_brief=1 --gtest_filter="$slow" >/dev/null 2>&1) 2>/dev/null; then
            outcome=killed; break
          fi
        done
      fi
      if [[ $outcome == killed ]]; then killed[$folder]=$((killed[$folder] + 1))
      else survived[$folder]=$((survived[$folder] + 1)); echo "survived: $key"; fi
      restore
    done <"$work/chosen"
    original=""
    flock "$lock" ninja -C "$build" "$object" >/dev/null
  done < <(sources_of "$folder")
done
# The tree as it was, for the next run.
flock "$lock" cmake --build "$build" >/dev/null

printf '\n%-10s %7s %9s %11s %14s %7s\n' folder killed survived equivalent "not compiling" score
for folder in "${folders[@]}"; do
  total=$((killed[$folder] + survived[$folder]))
  score="-"
  [[ $total -gt 0 ]] && score="$((100 * killed[$folder] / total))%"
  printf '%-10s %7d %9d %11d %14d %7s\n' "$folder" "${killed[$folder]}" "${survived[$folder]}" "${skipped[$folder]}" \
    "${broken[$folder]}" "$score"
done
