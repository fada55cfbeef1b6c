#!/usr/bin/env bash
# The recipe for a new switch, followed in a copy of the sources: one line in the switches'
# declaration and nothing else. The copy must then build with warnings as errors, and the switch
# must be read, checked, shown as JSON, written, laid out clear of the page's other controls, and
# shown by the options dialog on the page it was declared for.
#   new-switch.sh SOURCE-ROOT
set -euo pipefail
source_root="$(readlink -f "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "new-switch: $*" >&2; exit 1; }

scratch="$work/copy"
mkdir "$scratch"
tar -C "$source_root" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch" -xf -

# The recipe: one line after the last switch.
declaration="$scratch/config/BrowserSettings.h"
last='    SwitchSetting{"CloseKelmar"'
grep -q "^$last" "$declaration" || fail "the last switch is not where the recipe expects it"
sed -i "/^$last/a\\    SwitchSetting{\"ScratchSwitch\", 0, {\"cbScratch\", \"Scratch s&witch\", DialogPage::Other}}," "$declaration"
changed="$( (diff -rq "$source_root" "$scratch" -x build -x .git || true) | wc -l)"
[[ "$changed" == 1 ]] || fail "the recipe changed $changed files, not one"

cmake -S "$scratch" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKGH_WERROR=ON -DKGH_BUILD_BENCH=OFF \
  > "$work/configure.log" || { cat "$work/configure.log"; fail "the copy does not configure"; }
cmake --build "$scratch/build" --target orvex-setup tst_options tst_acceptance_qt > "$work/build.log" 2>&1 ||
  { tail -50 "$work/build.log"; fail "the copy does not build with the new switch"; }

cli="$scratch/build/cli/orvex-setup"
ini="$work/Orvex.INI"
"$cli" create-start-file "$ini" http://kiosk.local/start.htm
grep -q '"ScratchSwitch": 0' <<<"$("$cli" show --json "$ini")" || fail "show --json lacks the switch at its value when missing"
"$cli" ini "$ini" set Browser ScratchSwitch 2
report="$("$cli" check "$ini" || true)"  # exits 1 on a warning
grep -q 'ScratchSwitch=2.*(switch-not-0-or-1)' <<<"$report" || fail "check does not know the switch: $report"
"$cli" show --json "$ini" | sed 's/"ScratchSwitch": 1/"ScratchSwitch": 0/' > "$work/kiosk.json"
grep -q '"ScratchSwitch": 0' "$work/kiosk.json" || fail "show --json does not read the switch"
"$cli" apply "$ini" "$work/kiosk.json"
grep -q $'^ScratchSwitch=0\r$' "$ini" || fail "apply does not write the switch"

"$scratch/build/tests/options/tst_options" --gtest_filter='Designs.*' > "$work/designs.log" 2>&1 ||
  { cat "$work/designs.log"; fail "the switch's check box does not lie clear of the page's other controls"; }
QT_QPA_PLATFORM=offscreen "$scratch/build/tests/acceptance/tst_acceptance_qt" \
  --gtest_filter='*EverySettingIsShownOnThePageItsDeclarationNames*' > "$work/dialog.log" 2>&1 ||
  { cat "$work/dialog.log"; fail "the options dialog does not show the switch on its page"; }
echo "new-switch: one line, and the switch is read, checked, shown, written and in the dialog"
