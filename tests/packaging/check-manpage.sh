#!/usr/bin/env bash
# The manual page documents every command the program lists, each command of "ini" too, and
# the sections a reader looks for; groff reads it without a warning.
#   check-manpage.sh PROGRAM MANPAGE(.1 or .1.gz)
set -euo pipefail
program=$1 page=$2
source "$(dirname "$0")/commands.sh"
warnings_file=$(mktemp); trap 'rm -f "$warnings_file"' EXIT
text=$(MANWIDTH=100 man --warnings -l "$page" 2>"$warnings_file" | col -bx)
warnings=$(cat "$warnings_file")
status=0
[[ -z $warnings ]] || { echo "groff warns: $warnings"; status=1; }
for command in $(listed_commands "$program"); do
  grep -qE "^ {7}$command( |$)" <<<"$text" || { echo "command not documented: $command"; status=1; }
done
for command in $(listed_commands "$program" ini FILE); do
  grep -qE "^ +ini FILE $command( |$)" <<<"$text" || { echo "command not documented: ini $command"; status=1; }
done
for section in NAME SYNOPSIS DESCRIPTION COMMANDS "EXIT STATUS" FILES EXAMPLES; do
  grep -qx "$section" <<<"$text" || { echo "section missing: $section"; status=1; }
done
version=$("$program" --version)
grep -qF "$version" <<<"$text" || { echo "the page does not name $version"; status=1; }
exit $status
