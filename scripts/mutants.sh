#!/usr/bin/env bash
# Mutation testing with the shared universalmutator (../shared/tools/universalmutator), its stock
# C++ rules and the project's own (scripts/mutants.rules).
#
#   scripts/mutants.sh [--lines-per-mutant L] [--build DIR] [folder or source file...]
#   scripts/mutants.sh --sample FILE [--build DIR]
#
# A sample per file: one mutant for every L lines (default 50, at least one), the first that
# compile in the order universalmutator.prioritize gives (the most different first, the same on
# every run of an unchanged file). A mutant replaces its file for a moment. One whose file, or a
# test program built on it, does not compile is dropped. The others are run against the test
# programs that link the file, the quickest first, two at a time, without the slow kill and
# thread cases; a mutant is killed when one of them fails. Mutants listed in
# scripts/mutants-equivalent.txt are skipped as equivalent. Prints each survivor and a table per
# folder: killed, survived, equivalent, not compiling, and the score killed / (killed + survived).
#
# --sample FILE runs only the mutants FILE lists (one per line, as a survivor is printed) and
# fails if one survives, does not compile, or is no longer made from its file.
#
# Folders default to: config options wizard forms platform component library qt. platform means
# its portable files and posix/; forms, which is only headers, is mutated in its headers. The build
# folder (default build/mutants) is a Debug build of its own; the sources are changed in place, so
# nothing else may build from this tree while it runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# The shared tool lies beside the project's checkout on the workplace's machines; KGH_MUTATOR
# names another copy.
tool="${KGH_MUTATOR:-}"
for candidate in "$root/../shared/tools/universalmutator" /work/shared/tools/universalmutator; do
  [[ -n "$tool" ]] || { [[ -f "$candidate/universalmutator/genmutants.py" ]] && tool="$candidate"; }
done
if [[ -z "$tool" ]]; then
  echo "mutants.sh: the shared universalmutator is not on this machine (set KGH_MUTATOR to its folder);" \
    "no mutant was run" >&2
  exit 0
fi
rules="$root/scripts/mutants.rules"
equivalent="$root/scripts/mutants-equivalent.txt"
lines_per_mutant=50
build="$root/build/mutants"
sample=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --lines-per-mutant) lines_per_mutant="$2"; shift 2 ;;
    --build) build="$(realpath -m "$2")"; shift 2 ;;
    --sample) sample="$(realpath "$2")"; shift 2 ;;
    -h|--help) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) break ;;
  esac
done
folders=("$@")
if [[ -n "$sample" ]]; then
  mapfile -t folders < <(sed -n 's/^\([^#][^:]*\): .*/\1/p' "$sample" | sort -u)
elif [[ ${#folders[@]} -eq 0 ]]; then
  folders=(config options wizard forms platform component library qt)
fi
# Left out per mutant: the cases that kill writers and time threads. They test the durability of
# the store against the system, take minutes, and run in every CI build.
slow="-*CrashConsistency.KilledSaves*:WholeSaves.*:*/FourThreads.*"
lock="${KGH_BUILD_LOCK:-/tmp/kgh-build.lock}"
export QT_QPA_PLATFORM=offscreen PYTHONPATH="$tool" KGH_MUTANT_FILTER="$slow"

bash "$root/scripts/install-deps.sh" mutants
# Warnings are errors, as in the project's own builds: a mutant those would refuse (a variable
# left unused, a function that no longer returns) is one that does not compile.
if [[ ! -f "$build/build.ninja" ]]; then
  flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKGH_BUILD_BENCH=OFF -DKGH_WERROR=ON \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld >/dev/null
elif ! grep -q '^KGH_WERROR:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "$build does not make warnings errors; configure it with -DKGH_WERROR=ON" >&2
  exit 1
fi
flock "$lock" cmake --build "$build" >/dev/null

work="$(mktemp -d)"
original=""
restore() { if [[ -n "$original" ]]; then cp "$work/original" "$original"; touch "$original"; fi; }
trap 'restore; rm -rf "$work"' EXIT

# Every test program once on the unchanged tree: a mutant is only judged against tests that pass
# without it, and the time each takes orders them and bounds a mutant that loops.
declare -A seconds
while read -r test; do
  start=$(date +%s%N)
  if ! (cd "$(dirname "$test")" && "./$(basename "$test")" --gtest_brief=1 --gtest_filter="$slow" >/dev/null 2>&1); then
    echo "$test fails on the unchanged tree; mend it first" >&2
    exit 1
  fi
  seconds[$test]=$(( ($(date +%s%N) - start) / 1000000000 + 1 ))
done < <(find "$build/tests" -name 'tst_*' -type f -executable | sort)

# The objects a source file compiles into (for a header: the objects that include it), and the
# test programs built on them, found in the build's own graph.
programs_of() {
  python3 - "$build" "$1" <<'PY'
import os, subprocess, sys
build, source = sys.argv[1], os.path.realpath(sys.argv[2])
def ninja(*args):
    return subprocess.run(["ninja", "-C", build, "-t", *args], capture_output=True, text=True).stdout
if source.endswith(".cpp"):
    name, folder = os.path.basename(source) + ".o", "/" + os.path.basename(os.path.dirname(source)) + "/"
    objects = [t for t in (line.split(":")[0] for line in ninja("targets", "all").splitlines())
               if t.endswith("/" + name) and folder in "/" + t]
else:
    objects, current = [], None
    for line in ninja("deps").splitlines():
        if line and not line.startswith(" "): current = line.split(":")[0]
        elif line.strip() and os.path.realpath(os.path.join(build, line.strip())) == source: objects.append(current)
def users(target):
    section, found = None, []
    for line in ninja("query", target).splitlines():
        if line.strip() in ("input:", "outputs:"): section = line.strip(); continue
        if section == "outputs:" and line.startswith("    "): found.append(line.strip())
    return found
# Through every product built from them: libraries, and the programs and shared library that a
# test runs as a user or a host would.
tests, seen, todo = set(), set(), list(objects)
while todo:
    for user in users(todo.pop()):
        if user in seen or user.startswith("/") or "CMakeFiles" in user: continue
        seen.add(user)
        if os.path.basename(user).startswith("tst_") and "." not in os.path.basename(user): tests.add(user)
        else: todo.append(user)
print(" ".join(sorted(set(objects))))
print(" ".join(sorted(tests)))
PY
}

# A mutant as "line as written ==> line as mutated", blanks at either end left out and a line
# the mutant adds shown after " \\n ". A line written the same more than once in its file is
# told apart by " (occurrence N)", so that the words stay true when other lines change.
describe() {
  python3 - "$1" "$2" <<'PY'
import sys
original, mutant = (open(p).read().split("\n") for p in sys.argv[1:3])
# Every mutant stands one original line in for one or more: the first line for which that holds.
size = len(mutant) - len(original) + 1
first = next(i for i in range(len(original)) if original[:i] == mutant[:i] and
             original[i + 1:] == mutant[i + size:] and mutant[i:i + size] != original[i:i + 1])
written = original[first].strip()
mutated = " \\n ".join(line.strip() for line in mutant[first:first + size])
same = [i for i, line in enumerate(original) if line.strip() == written]
which = f" (occurrence {same.index(first) + 1})" if len(same) > 1 else ""
print(f"{written} ==> {mutated}{which}")
PY
}

# The files of a folder that mutants are made of.
sources_of() {
  case "$1" in
    *.cpp|*.h) echo "$1" ;;  # one file, for a closer look
    forms) git -C "$root" ls-files ':(glob)forms/*.h' ;;
    platform) git -C "$root" ls-files ':(glob)platform/*.cpp' ':(glob)platform/posix/*.cpp' ;;
    *) git -C "$root" ls-files ":(glob)$1/**/*.cpp" | grep -v '/tools/' ;;
  esac | sort -u
}

# Runs the test programs given, quickest first, two at a time; no new one starts once one has
# failed. Succeeds when all pass.
# shellcheck disable=SC2016  # the command is expanded by the shell xargs starts
run_tests() {
  local test
  for test in "$@"; do echo "${seconds[$build/$test]:-60} $test"; done | sort -n |
    while read -r limit test; do echo "$((limit * 5 + 10)) $build/$test"; done |
    xargs -P 2 -L 1 bash -c 'cd "$(dirname "$1")" && timeout "$0" "./$(basename "$1")" --gtest_brief=1 \
      --gtest_filter="$KGH_MUTANT_FILTER" >/dev/null 2>&1 || exit 255' 2>/dev/null
}

declare -A killed survived skipped broken
failed=0
wanted="$work/wanted"
if [[ -n "$sample" ]]; then sed 's/ # .*//' "$sample" | grep -v '^#' | grep . >"$wanted"; fi
for folder in "${folders[@]}"; do
  killed[$folder]=0 survived[$folder]=0 skipped[$folder]=0 broken[$folder]=0
  while read -r source; do
    [[ -n "$source" ]] || continue
    { read -r objects; read -r tests; } < <(programs_of "$root/$source")
    if [[ -z "$objects" || -z "$tests" ]]; then echo "-- $source: not built here, or no test program links it"; continue; fi
    rm -rf "$work/mutants" && mkdir -p "$work/mutants"
    /usr/bin/python3 -m universalmutator.genmutants "$root/$source" cpp "$rules" --noCheck \
      --mutantDir "$work/mutants" >/dev/null
    ls "$work/mutants" >"$work/all"
    if [[ -n "$sample" ]]; then
      # Only the mutants holding a line that a wanted one was mutated to are looked at.
      grep -F "$source: " "$wanted" | sed 's/.* ==> //; s/ (occurrence [0-9]*)$//; s/ \\n .*//' >"$work/lines"
      (cd "$work/mutants" && { grep -lF -f "$work/lines" -- * || true; }) >"$work/chosen"
      quota=$(grep -c "^$source: " "$wanted" || true)
    else
      quota=$(( ($(wc -l <"$root/$source") + lines_per_mutant - 1) / lines_per_mutant ))
      # Most mutants that delete a statement do not compile: the first that do are taken.
      /usr/bin/python3 -m universalmutator.prioritize "$work/all" "$work/chosen" "$((quota * 10))" \
        --mutantDir "$work/mutants" --sourceDir "$(dirname "$root/$source")" >/dev/null
    fi
    cp "$root/$source" "$work/original"
    original="$root/$source"
    taken=0
    while read -r mutant && [[ $taken -lt $quota ]]; do
      [[ -n "$mutant" ]] || continue
      key="$source: $(describe "$work/original" "$work/mutants/$mutant")"
      if [[ -n "$sample" ]] && ! grep -qxF -- "$key" "$wanted"; then continue; fi
      if grep -qxF -- "$key" <(sed 's/ # .*//' "$equivalent" 2>/dev/null); then
        skipped[$folder]=$((skipped[$folder] + 1)); continue
      fi
      echo "$key" >>"$work/seen"
      cp "$work/mutants/$mutant" "$original"
      # shellcheck disable=SC2086
      if ! flock "$lock" ninja -C "$build" $objects $tests >/dev/null 2>&1; then
        broken[$folder]=$((broken[$folder] + 1))
        if [[ -n "$sample" ]]; then echo "does not compile: $key"; failed=1; fi
        restore; continue
      fi
      taken=$((taken + 1))
      # shellcheck disable=SC2086
      if run_tests $tests; then
        survived[$folder]=$((survived[$folder] + 1)); echo "survived: $key"; failed=1
      else
        killed[$folder]=$((killed[$folder] + 1))
      fi
      restore
    done <"$work/chosen"
    original=""
    # shellcheck disable=SC2086
    flock "$lock" ninja -C "$build" $objects >/dev/null
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
if [[ -n "$sample" ]]; then
  touch "$work/seen"
  if grep -vxFf "$work/seen" "$wanted" | sed 's/^/no longer made: /' | grep .; then failed=1; fi
  exit "$failed"
fi
