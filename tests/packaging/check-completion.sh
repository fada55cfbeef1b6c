#!/usr/bin/env bash
# bash completion offers the commands the program lists, the commands of "ini", and file or
# folder names where a command takes them.
#   check-completion.sh COMPLETION-SCRIPT PROGRAM
set -uo pipefail
script=$1 program=$2
source "$(dirname "$0")/commands.sh"
source /usr/share/bash-completion/bash_completion
source "$script"
status=0

# Completes the command line `line` (the cursor at its end) and prints the offers sorted.
offers() {
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$1 COMP_POINT=${#1}
  COMPREPLY=()
  _orvex_setup orvex-setup "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local got; got=$(offers "$1")
  [[ $got == "$2" ]] || { printf 'completing "%s" offered:\n%s\nexpected:\n%s\n' "$1" "$got" "$2"; status=1; }
}

expect "orvex-setup " "$(listed_commands "$program" | sort)"
expect "orvex-setup ed" "edit"
expect "orvex-setup --v" "--version"
expect "orvex-setup show --j" "--json"
expect "orvex-setup check --j" "--json"

dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
mkdir "$dir/site"; : >"$dir/Orvex.INI"; : >"$dir/kiosk.json"
expect "orvex-setup edit $dir/Orv" "$dir/Orvex.INI"
expect "orvex-setup show $dir/Orv" "$dir/Orvex.INI"
expect "orvex-setup ini $dir/Orv" "$dir/Orvex.INI"
expect "orvex-setup ini $dir/Orvex.INI " "$(listed_commands "$program" ini FILE | sort)"
expect "orvex-setup setup $dir/" "$dir/site"
expect "orvex-setup setup $dir/site $dir/O" "$dir/Orvex.INI"
expect "orvex-setup edit $dir/Orvex.INI " ""
expect "orvex-setup check $dir/Orv" "$dir/Orvex.INI"
expect "orvex-setup apply $dir/Orvex.INI $dir/" "$dir/kiosk.json
$dir/site"
exit $status
