#!/usr/bin/env bash
# The README's recipes followed in a scratch copy of the sources, each touching only the files it
# names: a new page (its DialogPage value, its row, its place in PageDesign), a new switch on that
# page (one line), and a new button kind amid the others (one row, the list one longer). The copy
# must then build with warnings as errors; the kind and the switch must be read, checked, shown as
# JSON and written; and the options dialog must lay the switch out clear of the other controls and
# show it on the new page, behind its own tab.
#   readme-recipes.sh SOURCE-ROOT
set -euo pipefail
source_root="$(readlink -f "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "readme-recipes: $*" >&2; exit 1; }

scratch="$work/copy"
mkdir "$scratch"
tar -C "$source_root" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch" -xf -
changed_files() { (cd "$scratch" && find . -path ./build -prune -o -type f -newer "$work/mark" -print | sort); }

# Runs one recipe (a function) and fails unless it changed exactly the files named after it.
follow() {
  local recipe=$1
  shift
  touch "$work/mark"
  sleep 1
  "$recipe"
  local changed
  changed="$(changed_files | tr '\n' ' ')"
  local expected
  expected="$(printf './%s\n' "$@" | sort | tr '\n' ' ')"
  [[ "$changed" == "$expected" ]] || fail "$recipe changed [$changed], the README names [$expected]"
}

# Inserts `line` after the first line matching `pattern` in `file`, which must have one.
add_after() {
  local file=$1 pattern=$2 line=$3
  grep -q "$pattern" "$scratch/$file" || fail "$file has no line the recipe expects: $pattern"
  sed -i "0,/$pattern/{/$pattern/a\\
$line
}" "$scratch/$file"
}

new_page() {
  sed -i 's/ToolbarButtons = 2, Other = 3 };/ToolbarButtons = 2, Other = 3, Scratch = 4 };/' \
    "$scratch/config/BrowserSettings.h"
  grep -q 'Scratch = 4' "$scratch/config/BrowserSettings.h" || fail "DialogPage is not where the recipe expects it"
  add_after options/OptionsDesign.h '^    PageRow{DialogPage::Other,' \
    '    PageRow{DialogPage::Scratch, "Scratch", "A page of its own", "options-scratch", {0, 0, kPageHeight}},'
  add_after options/OptionsDesign.cpp '^  switch (page) {' '    case DialogPage::Scratch: break;  \/\/ nothing but its switches'
}

new_switch() {
  add_after config/BrowserSettings.h '^    SwitchSetting{"CloseKelmar"' \
    '    SwitchSetting{"ScratchSwitch", 0, {"cbScratch", "Scratch s\&witch", DialogPage::Scratch}},'
}

new_button_kind() {
  sed -i 's/std::array<ButtonKind, 10> kButtonKinds/std::array<ButtonKind, 11> kButtonKinds/' "$scratch/config/CButtons.h"
  grep -q 'ButtonKind, 11>' "$scratch/config/CButtons.h" || fail "kButtonKinds is not where the recipe expects it"
  add_after config/CButtons.h '^    {"Rendezvous",' '    {"Scratch", "Scratch button", ButtonPicture::Home, ButtonRole::Standard},'
}

follow new_page config/BrowserSettings.h options/OptionsDesign.h options/OptionsDesign.cpp
follow new_switch config/BrowserSettings.h
follow new_button_kind config/CButtons.h

cmake -S "$scratch" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKGH_WERROR=ON -DKGH_BUILD_BENCH=OFF \
  > "$work/configure.log" || { cat "$work/configure.log"; fail "the copy does not configure"; }
cmake --build "$scratch/build" --target orvex-setup tst_options tst_acceptance_qt > "$work/build.log" 2>&1 ||
  { tail -50 "$work/build.log"; fail "the copy does not build"; }

cli="$scratch/build/cli/orvex-setup"
ini="$work/Orvex.INI"
"$cli" create-start-file "$ini" http://kiosk.local/start.htm
grep -q '"ScratchSwitch": 0' <<<"$("$cli" show --json "$ini")" || fail "show --json lacks the switch at its value when missing"
"$cli" ini "$ini" set Browser ScratchSwitch 2
"$cli" ini "$ini" set Toolbar Scratch 1
report="$("$cli" check "$ini" || true)"  # exits 1 on a warning
grep -q 'ScratchSwitch=2.*(switch-not-0-or-1)' <<<"$report" || fail "check does not know the switch: $report"
! grep -q 'Scratch=1' <<<"$report" || fail "check does not know the button kind: $report"
"$cli" show --json "$ini" | sed 's/"ScratchSwitch": 1/"ScratchSwitch": 0/' > "$work/kiosk.json"
grep -q '"ScratchSwitch": 0' "$work/kiosk.json" || fail "show --json does not read the switch"
grep -q '"type": "Scratch"' "$work/kiosk.json" || fail "show --json does not name the button kind"
grep -q '"type": "Sep"' "$work/kiosk.json" || fail "a separator is no longer named as one"
"$cli" apply "$ini" "$work/kiosk.json"
grep -q $'^ScratchSwitch=0\r$' "$ini" || fail "apply does not write the switch"
grep -q $'^Scratch=1\r$' "$ini" || fail "apply does not write the button kind"
cmp -s "$work/kiosk.json" <("$cli" show --json "$ini") || fail "the JSON does not come back as applied"

"$scratch/build/tests/options/tst_options" --gtest_filter='Designs.*' > "$work/designs.log" 2>&1 ||
  { cat "$work/designs.log"; fail "the new page's controls do not lie clear of each other"; }
QT_QPA_PLATFORM=offscreen "$scratch/build/tests/acceptance/tst_acceptance_qt" \
  --gtest_filter='*EverySettingIsShownOnThePageItsDeclarationNames*' > "$work/dialog.log" 2>&1 ||
  { cat "$work/dialog.log"; fail "the options dialog does not show the switch on the new page"; }
echo "readme-recipes: each recipe touched only its files; the page, the switch and the kind work"
